// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>
#include <string_view>

#include "ostracore/Strings.h"

namespace kaurl::web {

// One JSON object on one line, built member by member. The text is ASCII
// only: every code unit outside printable ASCII becomes a \uXXXX escape, so a
// lone surrogate or a NUL survives the trip to JavaScript and back.
class JsonObject {
public:
    JsonObject& AddText(std::string_view key, const ostracore::UTF16String& value);
    JsonObject& AddAscii(std::string_view key, std::string_view value);
    JsonObject& AddBool(std::string_view key, bool value);
    JsonObject& AddNumber(std::string_view key, long long value);

    std::string Text() const;

private:
    void AddKey(std::string_view key);

    std::string members_;
};

}  // namespace kaurl::web
