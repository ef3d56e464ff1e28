// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <vector>

namespace kaurl::tooltest {

struct ToolResult {
    std::string out;
    std::string err;
    int status;  // exit status, or -1 when the tool did not exit normally
};

// Runs the built kaurl tool with `arguments` and `input` on standard input.
ToolResult RunTool(const std::vector<std::string>& arguments, const std::string& input = "");

// "kaurl ARGUMENT...", to name a test case by its command line.
std::string CommandLine(const std::vector<std::string>& arguments);

// The lines of `text`, each without its "\n".
std::vector<std::string> Lines(const std::string& text);

}  // namespace kaurl::tooltest
