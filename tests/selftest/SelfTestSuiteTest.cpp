// SPDX-License-Identifier: BSL-1.0
// The self-test as a host runs it: the framework's runner, the library's
// suite, and the path assertion of its default test.
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "kaurl/SelfTest.h"
#include "ostracore/Utility.h"
#include "ostraunittesting/UnitTesting.h"
#include "selftest/TestURL.h"

namespace {

using ostraunittesting::RunSuite;
using ostraunittesting::TestCase;
using ostraunittesting::TestContext;
using ostraunittesting::TestFailure;
using ostraunittesting::TestSuite;

struct Outcomes {
    void Passes(const TestContext& context) { context.TraceOut() << "ran"; }
    void ThrowsStandard(const TestContext&) { throw std::runtime_error("disk gone"); }
    void ThrowsOther(const TestContext&) { throw 42; }
    void FailsAssertion(const TestContext&) {
        ostraunittesting::ThrowTestFailure("a == b", {"F", "f.cpp", 7});
    }
};

// A failing test case, also one in a nested suite, is reported under its
// innermost suite, and the run goes on with the next.
TEST(Runner, ReportsEachOutcomeAndRunsEveryTestCase) {
    TestSuite outer("outer");
    outer.AddTest(new TestCase<Outcomes>("passes", &Outcomes::Passes));
    outer.AddTest(new TestCase<Outcomes>("standard", &Outcomes::ThrowsStandard));
    outer.AddTest(new TestCase<Outcomes>("other", &Outcomes::ThrowsOther));
    auto* inner = new TestSuite("inner");
    inner->AddTest(new TestCase<Outcomes>("assertion", &Outcomes::FailsAssertion));
    outer.AddTest(inner);
    outer.AddTest(new TestCase<Outcomes>("after", &Outcomes::Passes));
    std::ostringstream trace;
    std::ostringstream report;
    const auto summary = RunSuite(outer, trace, report);
    EXPECT_EQ(report.str(),
              "outer/standard FAILED: exception: disk gone\n"
              "outer/other FAILED: unknown exception\n"
              "inner/assertion FAILED: assertion a == b failed in F at f.cpp:7\n");
    EXPECT_EQ(summary.passed, 2);
    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(trace.str(), "ranran");
}

// Every reference example holds, so the trace has only the progress lines; a
// second run sees the same inputs and writes the same.
TEST(SelfTestSuite, RunsItsDefaultTestCleanlyAndKeepsNoState) {
    const std::unique_ptr<TestSuite> suite(kaurl::unittests::CreateTestSuite());
    EXPECT_EQ(suite->Name(), "kaurl");
    ASSERT_EQ(suite->Tests().size(), 1u);
    const auto* testCase =
        dynamic_cast<const ostraunittesting::TestCaseBase*>(suite->Tests().front().get());
    ASSERT_NE(testCase, nullptr);
    EXPECT_EQ(testCase->Name(), "default");
    for (int run = 0; run < 2; ++run) {
        std::ostringstream trace;
        std::ostringstream report;
        const auto summary = RunSuite(*suite, trace, report);
        EXPECT_EQ(trace.str(), "kaurl: Begin default test\r\nkaurl: End default test\r\n");
        EXPECT_EQ(report.str(), "");
        EXPECT_EQ(summary.passed, 1);
        EXPECT_EQ(summary.failed, 0);
    }
}

// Either separator passes below the mount path; a doubled or missing one, a
// trailing one, or another file name fails. What the failure call is given is
// pinned by the default test's trace test.
TEST(PathAssertion, AcceptsOnlyTheReferencePathWithEitherSeparator) {
    const std::pair<kaurl::UTF16String, bool> rows[] = {
        {u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf", true},
        {u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf", true},
        {u"\\Volumes\\MountedGrid/media\\stories/123\\ABA00.mxf", true},
        {u"/Volumes/MountedGrid//media/stories/123/ABA00.mxf", false},
        {u"/Volumes/MountedGrid\\\\media\\stories\\123\\ABA00.mxf", false},
        {u"/Volumes/MountedGridmedia/stories/123/ABA00.mxf", false},
        {u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf/", false},
        {u"/Volumes/MountedGrid/media/stories/123/aba00.mxf", false},
        {u"/Volumes/MountedGrid/media/stories/123/ABA00.mx", false},
        {u"", false},
    };
    for (const auto& [path, accepted] : rows) {
        SCOPED_TRACE(ostracore::utility::UTF16to8(path));
        if (accepted) {
            EXPECT_NO_THROW(kaurl::unittests::AssertMountedMediaPath(path));
        } else {
            EXPECT_THROW(kaurl::unittests::AssertMountedMediaPath(path), TestFailure);
        }
    }
}

}  // namespace
