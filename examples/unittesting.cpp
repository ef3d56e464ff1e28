// SPDX-License-Identifier: BSL-1.0
// A host's own test with the unit-test framework that the self-test uses.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>
#include <memory>
#include <sstream>
#include <string>

#include <ostraunittesting/UnitTesting.h>

using namespace ostraunittesting;

// A fixture: every run of a test method gets a fresh object.
class Arithmetic {
public:
    void Adds(const TestContext& context) {
        context.TraceOut() << "adding\r\n";
        if (1 + 1 != 2) {
            ThrowTestFailure("1 + 1 == 2", LocationInfo{"Arithmetic::Adds", __FILE__, __LINE__});
        }
    }
    void Fails(const TestContext&) {
        ThrowTestFailure("false", LocationInfo{"Arithmetic::Fails", "arithmetic.cpp", 12});
    }
};

// A visitor that lists the names of a suite's test cases.
class NameLister : public TestVisitor {
public:
    bool VisitSuite(TestSuite& suite) override {
        for (const std::unique_ptr<Test>& test : suite.Tests()) {
            test->Accept(*this);
        }
        return true;
    }
    bool VisitTestCase(TestCaseBase& testCase) override {
        names += testCase.Name() + ' ';
        return true;
    }
    std::string names;
};

int main() {
    TestSuite suite("arithmetic");
    suite.AddTest(new TestCase<Arithmetic>("adds", &Arithmetic::Adds));  // the suite owns it
    suite.AddTest(new TestCase<Arithmetic>("fails", &Arithmetic::Fails));

    NameLister lister;
    suite.Accept(lister);
    assert(lister.names == "adds fails ");

    std::ostringstream trace;
    std::ostringstream report;
    const RunSummary summary = RunSuite(suite, trace, report);
    assert(summary.passed == 1 && summary.failed == 1);
    assert(trace.str() == "adding\r\n");
    assert(report.str() ==
           "arithmetic/fails FAILED: assertion false failed in Arithmetic::Fails at "
           "arithmetic.cpp:12\n");

    try {
        ThrowTestFailure("x == 1", LocationInfo{"Check", "check.cpp", 3});
    } catch (const TestFailure& failure) {
        assert(failure.Expression() == "x == 1" && failure.File() == "check.cpp");
    }
}
//! [example]
