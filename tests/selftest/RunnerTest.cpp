// SPDX-License-Identifier: BSL-1.0
#include <sstream>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ostraunittesting/UnitTesting.h"

namespace {

using ostraunittesting::RunSuite;
using ostraunittesting::TestCase;
using ostraunittesting::TestContext;
using ostraunittesting::TestSuite;

struct Outcomes {
    void Passes(const TestContext& context) { context.TraceOut() << "ran"; }
    void ThrowsStandard(const TestContext&) { throw std::runtime_error("disk gone"); }
    void ThrowsOther(const TestContext&) { throw 42; }
    void FailsAssertion(const TestContext&) {
        ostraunittesting::ThrowTestFailure("a == b", {"F", "f.cpp", 7});
    }
};

TEST(Runner, ReportsEachOutcomeAndRunsEveryTestCase) {
    struct Case {
        const char* name;
        void (Outcomes::*method)(const TestContext&);
        const char* report;
    };
    const Case cases[] = {
        {"passes", &Outcomes::Passes, ""},
        {"standard", &Outcomes::ThrowsStandard, "outer/standard FAILED: exception: disk gone\n"},
        {"other", &Outcomes::ThrowsOther, "outer/other FAILED: unknown exception\n"},
        {"assertion", &Outcomes::FailsAssertion,
         "outer/assertion FAILED: assertion a == b failed in F at f.cpp:7\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSuite suite("outer");
        suite.AddTest(new TestCase<Outcomes>(c.name, c.method));
        suite.AddTest(new TestCase<Outcomes>("after", &Outcomes::Passes));
        std::ostringstream trace;
        std::ostringstream report;
        const auto summary = RunSuite(suite, trace, report);
        EXPECT_EQ(report.str(), c.report);
        const bool fails = *c.report != '\0';
        EXPECT_EQ(summary.failed, fails ? 1 : 0);
        EXPECT_EQ(summary.passed, fails ? 1 : 2);
        EXPECT_EQ(trace.str(), fails ? "ran" : "ranran");
    }
}

TEST(Runner, NamesTheInnermostSuiteOfANestedTestCase) {
    TestSuite outer("outer");
    auto* inner = new TestSuite("inner");
    inner->AddTest(new TestCase<Outcomes>("deep", &Outcomes::ThrowsOther));
    outer.AddTest(inner);
    outer.AddTest(new TestCase<Outcomes>("shallow", &Outcomes::ThrowsOther));
    std::ostringstream trace;
    std::ostringstream report;
    const auto summary = RunSuite(outer, trace, report);
    EXPECT_EQ(report.str(),
              "inner/deep FAILED: unknown exception\nouter/shallow FAILED: unknown exception\n");
    EXPECT_EQ(summary.failed, 2);
}

}  // namespace
