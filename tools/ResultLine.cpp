// SPDX-License-Identifier: BSL-1.0
#include "ResultLine.h"

#include <nlohmann/json.hpp>

#include "TerminalText.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {

void WriteResultLine(std::ostream& out, bool json, std::initializer_list<ResultField> fields) {
    using ostracore::utility::UTF16to8;
    if (!json) {
        WriteEscapedLine(out, *std::prev(fields.end())->second);
        return;
    }
    nlohmann::ordered_json object;
    for (const auto& [key, value] : fields) {
        object[key] = UTF16to8(*value);
    }
    out << object.dump() << '\n';
}

}  // namespace kaurl::tool
