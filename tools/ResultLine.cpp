// SPDX-License-Identifier: BSL-1.0
#include "ResultLine.h"

#include <nlohmann/json.hpp>

#include "ostracore/Utility.h"

namespace kaurl::tool {

void WriteResultLine(std::ostream& out, bool json, std::initializer_list<ResultField> fields) {
    using ostracore::utility::UTF16to8;
    if (!json) {
        out << UTF16to8(*std::prev(fields.end())->second) << '\n';
        return;
    }
    nlohmann::ordered_json object;
    for (const auto& [key, value] : fields) {
        object[key] = UTF16to8(*value);
    }
    out << object.dump() << '\n';
}

}  // namespace kaurl::tool
