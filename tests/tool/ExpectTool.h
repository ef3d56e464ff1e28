// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace kaurl::tooltest {

// Runs the tool and expects exactly this exit status, standard output and
// standard error; a failure names the command line.
inline void ExpectTool(const std::vector<std::string>& arguments, int status,
                       const std::string& out, const std::string& err = "",
                       const std::string& input = "") {
    SCOPED_TRACE(CommandLine(arguments));
    const ToolResult result = RunTool(arguments, input);
    EXPECT_EQ(result.out, out);
    EXPECT_EQ(result.err, err);
    EXPECT_EQ(result.status, status);
}

}  // namespace kaurl::tooltest
