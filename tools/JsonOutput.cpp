// SPDX-License-Identifier: BSL-1.0
#include "JsonOutput.h"

#include <nlohmann/json.hpp>

namespace kaurl::tool {

void WriteJsonLine(std::ostream& out, const UriView& view) {
    nlohmann::ordered_json object;
    object["input"] = view.input;
    object["class"] = NameOf(view.uriClass);
    object["valid"] = view.valid;
    for (const UriField& field : view.fields) {
        object[field.key] = field.value;
    }
    if (view.displayName) {
        object["display_name"] = view.displayName->name;
        object["display_name_refusal"] = view.displayName->refusal;
    }
    if (view.portNumber) {
        object["port_number"] = *view.portNumber;
    }
    if (view.createDiffers) {
        object["create_differs"] = *view.createDiffers;
    }
    out << object.dump() << '\n';
}

}  // namespace kaurl::tool
