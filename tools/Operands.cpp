// SPDX-License-Identifier: BSL-1.0
#include "Operands.h"

#include <iostream>

#include "InputLines.h"

namespace kaurl::tool {
namespace {

constexpr const char* kStandardInput = "-";

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
        ForEachInputLine(std::cin, handle);
    }
    std::uint64_t argumentNumber = firstArgument;
    for (const std::string& operand : operands) {
        if (operand == kStandardInput) {
            ForEachInputLine(std::cin, handle);
        } else {
            handle(operand, {InputPosition::Source::Argument, argumentNumber});
        }
        ++argumentNumber;
    }
}

}  // namespace kaurl::tool
