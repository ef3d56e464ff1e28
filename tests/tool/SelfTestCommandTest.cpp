// SPDX-License-Identifier: BSL-1.0
#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace {

using kaurl::tooltest::RunTool;

// The suite's trace keeps its CR LF line ends; the tool's own summary line
// follows it.
TEST(SelfTestCommand, RunsTheSuiteAndSummarises) {
    const auto result = RunTool({"selftest"});
    EXPECT_EQ(result.out,
              "kaurl: Begin default test\r\n"
              "kaurl: End default test\r\n"
              "1 passed, 0 failed\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

}  // namespace
