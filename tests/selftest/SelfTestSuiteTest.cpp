// SPDX-License-Identifier: BSL-1.0
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "kaurl/SelfTest.h"
#include "selftest/TestURL.h"

namespace {

using ostraunittesting::TestCase;
using ostraunittesting::TestSuite;

TEST(SelfTestSuite, HoldsTheDefaultTestCaseOnly) {
    const std::unique_ptr<TestSuite> suite(kaurl::unittests::CreateTestSuite());
    ASSERT_NE(suite, nullptr);
    EXPECT_EQ(suite->Name(), "kaurl");
    ASSERT_EQ(suite->Tests().size(), 1u);
    const auto* testCase =
        dynamic_cast<const TestCase<kaurl::unittests::TestURL>*>(suite->Tests().front().get());
    ASSERT_NE(testCase, nullptr);
    EXPECT_EQ(testCase->Name(), "default");
    EXPECT_EQ(testCase->testMethod, &kaurl::unittests::TestURL::DefaultTest);
}

// Every reference example holds, so the trace has only the progress lines; a
// second run sees the same inputs and writes the same.
TEST(SelfTestSuite, RunsCleanlyAndKeepsNoState) {
    const std::unique_ptr<TestSuite> suite(kaurl::unittests::CreateTestSuite());
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
