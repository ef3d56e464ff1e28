// SPDX-License-Identifier: BSL-1.0
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "kaurl/SelfTest.h"
#include "ostraunittesting/UnitTesting.h"

namespace {

// Every reference example holds, so the trace has only the progress lines; a
// second run sees the same inputs and writes the same.
TEST(SelfTestSuite, RunsItsDefaultTestCleanlyAndKeepsNoState) {
    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    EXPECT_EQ(suite->Name(), "kaurl");
    ASSERT_EQ(suite->Tests().size(), 1u);
    const auto* testCase =
        dynamic_cast<const ostraunittesting::TestCaseBase*>(suite->Tests().front().get());
    ASSERT_NE(testCase, nullptr);
    EXPECT_EQ(testCase->Name(), "default");
    for (int run = 0; run < 2; ++run) {
        std::ostringstream trace;
        std::ostringstream report;
        const auto summary = ostraunittesting::RunSuite(*suite, trace, report);
        EXPECT_EQ(trace.str(), "kaurl: Begin default test\r\nkaurl: End default test\r\n");
        EXPECT_EQ(report.str(), "");
        EXPECT_EQ(summary.passed, 1);
        EXPECT_EQ(summary.failed, 0);
    }
}

}  // namespace
