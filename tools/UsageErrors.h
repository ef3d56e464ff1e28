// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace kaurl::tool {

// Exit status for a command line that could not be used.
constexpr int kUsageErrorStatus = 2;

// Answers a parse error of the command line: help and version go to standard
// output with status 0; anything else is one line on standard error with
// status 2. The line never quotes the command line, which may hold a password.
int AnswerParseError(const CLI::App& app, const CLI::ParseError& error);

// Answers a command line that named a subcommand for which no code runs: one
// line on standard error, with status 2. `app` is the command above it.
// Every subcommand has its code, so this shows one added without it.
int AnswerUnhandledSubcommand(const CLI::App& app);

// Checks an option's value with `accepts`; a refused value is answered with
// `problem` alone, never quoted back.
CLI::Validator QuietValidator(bool (*accepts)(const std::string& value), const char* problem);

}  // namespace kaurl::tool
