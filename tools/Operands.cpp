// SPDX-License-Identifier: BSL-1.0
#include "Operands.h"

#include <iostream>

namespace kaurl::tool {
namespace {

constexpr const char* kStandardInput = "-";

// Streams: one line is held at a time, and output goes through the buffer of
// standard output rather than being flushed per line.
void ForEachInputLine(const InputHandler& handle) {
    std::string line;
    std::uint64_t lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        handle(line, {InputPosition::Source::Line, lineNumber});
    }
}

}  // namespace

// CLI11 lets a positional take more values than its minimum only with
// allow_extra_args, and with it reads a value written "[a,b]" as the list
// "a", "b" and "[]" as no value at all. So allow_extra_args is switched off and
// the minimum raised to the maximum: the positional still takes every value,
// each exactly as written, and take_all() keeps CLI11 from counting the
// values against that minimum.
void TakeEveryValueAsWritten(CLI::Option* positional) {
    const int unbounded = positional->get_expected_max();
    positional->allow_extra_args(false)->expected(unbounded, unbounded)->take_all();
}

void ForEachInput(const std::vector<std::string>& operands, std::uint64_t firstArgument,
                  const InputHandler& handle) {
    if (operands.empty()) {
        ForEachInputLine(handle);
    }
    std::uint64_t argumentNumber = firstArgument;
    for (const std::string& operand : operands) {
        if (operand == kStandardInput) {
            ForEachInputLine(handle);
        } else {
            handle(operand, {InputPosition::Source::Argument, argumentNumber});
        }
        ++argumentNumber;
    }
}

}  // namespace kaurl::tool
