// SPDX-License-Identifier: BSL-1.0
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "selftest/TestURL.h"
#include "selftest/TraceWriter.h"

namespace {

using kaurl::UTF16String;
using kaurl::unittests::AssertMountedMediaPath;
using ostraunittesting::TestFailure;

constexpr char kExpression[] =
    "path == OSTRA_STR(\"/Volumes/MountedGrid/media/stories/123/ABA00.mxf\")";

TEST(PathAssertion, AcceptsEitherSeparatorBelowTheMountPath) {
    const UTF16String paths[] = {
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf",
        u"\\Volumes\\MountedGrid/media\\stories/123\\ABA00.mxf",
    };
    for (const UTF16String& path : paths) {
        EXPECT_NO_THROW(AssertMountedMediaPath(path));
    }
}

TEST(PathAssertion, FailsWithExpressionAndLocation) {
    const UTF16String paths[] = {
        u"/Volumes/MountedGrid//media/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid\\\\media\\stories\\123\\ABA00.mxf",
        u"/Volumes/MountedGridmedia/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf/",
        u"/Volumes/MountedGrid/media/stories/123/aba00.mxf",
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mx",
        u"",
    };
    for (const UTF16String& path : paths) {
        try {
            AssertMountedMediaPath(path);
            ADD_FAILURE() << "accepted a wrong path";
        } catch (const TestFailure& failure) {
            EXPECT_EQ(failure.Expression(), kExpression);
            EXPECT_EQ(failure.Function(), "kaurl::unittests::TestURL::DefaultTest");
            EXPECT_EQ(failure.File(), "..\\..\\unittests\\TestURL");
            EXPECT_GT(failure.Line(), 0);
        }
    }
}

// Stands in for the default test with a substitution that went wrong.
struct WrongSubstitution {
    void Run(const ostraunittesting::TestContext& context) {
        kaurl::unittests::WriteProgressLine(context.TraceOut(), "kaurl: Begin default test");
        AssertMountedMediaPath(u"/Volumes/MountedGrid");
        kaurl::unittests::WriteProgressLine(context.TraceOut(), "kaurl: End default test");
    }
};

TEST(PathAssertion, FailureReachesTheRunnerAndEndsTheRun) {
    std::int32_t line = 0;
    try {
        AssertMountedMediaPath(u"");
    } catch (const TestFailure& failure) {
        line = failure.Line();
    }
    ostraunittesting::TestSuite suite("kaurl");
    suite.AddTest(
        new ostraunittesting::TestCase<WrongSubstitution>("default", &WrongSubstitution::Run));
    std::ostringstream trace;
    std::ostringstream report;
    const auto summary = ostraunittesting::RunSuite(suite, trace, report);
    EXPECT_EQ(summary.passed, 0);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(trace.str(), "kaurl: Begin default test\r\n");
    EXPECT_EQ(report.str(), "kaurl/default FAILED: assertion " + std::string(kExpression) +
                                " failed in kaurl::unittests::TestURL::DefaultTest at "
                                "..\\..\\unittests\\TestURL:" +
                                std::to_string(line) + "\n");
}

}  // namespace
