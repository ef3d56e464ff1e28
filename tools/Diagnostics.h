// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kaurl::tool {

// Where an input came from. Error messages name an input by its position and
// never quote its text, which may hold a password.
struct InputPosition {
    enum class Source { Argument, Line };
    Source source;
    std::uint64_t number;  // counted from 1
};

// "argument 2" or "line 7".
std::string Describe(const InputPosition& position);

// Writes one line "kaurl COMMAND: POSITION: PROBLEM" to standard error.
void ReportInputError(std::string_view command, const InputPosition& position,
                      std::string_view problem);

}  // namespace kaurl::tool
