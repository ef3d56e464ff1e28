// SPDX-License-Identifier: BSL-1.0
#include "JsonObject.h"

namespace kaurl::web {
namespace {

// Writes into room made for the worst case, six bytes per code unit: this
// runs for every part of every answer.
void AppendEscaped(std::string& out, const ostracore::UTF16String& value) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    const std::size_t start = out.size();
    out.resize(start + 6 * value.size());
    char* next = &out[start];
    for (const char16_t unit : value) {
        if (unit == u'"' || unit == u'\\') {
            *next++ = '\\';
            *next++ = static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            *next++ = static_cast<char>(unit);
        } else {
            *next++ = '\\';
            *next++ = 'u';
            for (int shift = 12; shift >= 0; shift -= 4) {
                *next++ = kHexDigits[(unit >> shift) & 0xF];
            }
        }
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

}  // namespace

JsonObject& JsonObject::AddText(std::string_view key, const ostracore::UTF16String& value) {
    AddKey(key);
    members_ += '"';
    AppendEscaped(members_, value);
    members_ += '"';
    return *this;
}

JsonObject& JsonObject::AddAscii(std::string_view key, std::string_view value) {
    return AddText(key, ostracore::UTF16String(value.begin(), value.end()));
}

JsonObject& JsonObject::AddBool(std::string_view key, bool value) {
    AddKey(key);
    members_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::AddNumber(std::string_view key, long long value) {
    AddKey(key);
    members_ += std::to_string(value);
    return *this;
}

std::string JsonObject::Text() const {
    return '{' + members_ + '}';
}

// Keys are the binding's own ASCII names and need no escaping.
void JsonObject::AddKey(std::string_view key) {
    if (!members_.empty()) {
        members_ += ',';
    }
    members_ += '"';
    members_ += key;
    members_ += "\":";
}

}  // namespace kaurl::web
