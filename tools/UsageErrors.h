// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <CLI/CLI.hpp>

namespace kaurl::tool {

// Exit status for a command line that could not be used.
constexpr int kUsageErrorStatus = 2;

// Answers a parse error of the command line: help and version go to standard
// output with status 0; anything else is one line on standard error with
// status 2. The line never quotes the command line, which may hold a password.
int AnswerParseError(const CLI::App& app, const CLI::ParseError& error);

}  // namespace kaurl::tool
