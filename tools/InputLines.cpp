// SPDX-License-Identifier: BSL-1.0
#include "InputLines.h"

#include <cstdint>

namespace kaurl::tool {

void ForEachInputLine(std::istream& in, const LineHandler& handle) {
    std::string line;
    std::uint64_t lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        handle(line, {InputPosition::Source::Line, lineNumber});
    }
}

}  // namespace kaurl::tool
