// SPDX-License-Identifier: BSL-1.0
#include "Diagnostics.h"

#include <iostream>

namespace kaurl::tool {

std::string Describe(const InputPosition& position) {
    const char* source = position.source == InputPosition::Source::Argument ? "argument " : "line ";
    return source + std::to_string(position.number);
}

void ReportInputError(std::string_view command, const InputPosition& position,
                      std::string_view problem) {
    std::cerr << "kaurl " << command << ": " << Describe(position) << ": " << problem << '\n';
}

}  // namespace kaurl::tool
