// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Diagnostics.h"

namespace kaurl::tool {

// Makes a positional take every value exactly as written, however many.
void TakeEveryValueAsWritten(CLI::Option* positional);

// What a subcommand does with one input: its UTF-8 text and where it came from.
using InputHandler = std::function<void(const std::string& utf8, const InputPosition& position)>;

// Hands each operand to `handle` in order, operand i (from 0) as argument
// firstArgument + i. An operand "-", and the absence of any operand, stands
// for the lines of standard input, each without its line end ("\n" or
// "\r\n") and numbered from 1.
void ForEachInput(const std::vector<std::string>& operands, std::uint64_t firstArgument,
                  const InputHandler& handle);

}  // namespace kaurl::tool
