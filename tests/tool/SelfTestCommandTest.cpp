// SPDX-License-Identifier: BSL-1.0
#include <gtest/gtest.h>

#include "ExpectTool.h"

namespace {

// The suite's trace keeps its CR LF line ends; the tool's own summary line
// follows it.
TEST(SelfTestCommand, RunsTheSuiteAndSummarises) {
    kaurl::tooltest::ExpectTool(
        {"selftest"}, 0,
        "kaurl: Begin default test\r\nkaurl: End default test\r\n1 passed, 0 failed\n");
}

}  // namespace
