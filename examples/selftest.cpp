// SPDX-License-Identifier: BSL-1.0
// Running the library's self-test suite from a program.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>
#include <memory>
#include <sstream>

#include <kaurl/SelfTest.h>

int main() {
    // The caller owns the suite; the suite owns its test case.
    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    assert(suite->Name() == "kaurl");

    std::ostringstream trace;   // progress lines, and one line per mismatch
    std::ostringstream report;  // one line per failed test case
    const ostraunittesting::RunSummary summary = ostraunittesting::RunSuite(*suite, trace, report);
    assert(summary.passed == 1 && summary.failed == 0);
    assert(trace.str() == "kaurl: Begin default test\r\nkaurl: End default test\r\n");
}
//! [example]
