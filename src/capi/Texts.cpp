// SPDX-License-Identifier: BSL-1.0
#include "capi/Texts.h"

#include <algorithm>

#include "ostracore/Utility.h"
#include "schemes/StrictPercentDecoding.h"

namespace kaurl::capi {
namespace {

template <typename Unit, typename Text>
kaurl_status Write(const Text& text, Unit* buffer, std::size_t capacity, std::size_t* length) {
    if (!IsOutput(buffer, capacity, length)) {
        return KAURL_BAD_ARGUMENT;
    }
    *length = text.size();
    if (text.size() > capacity) {
        return KAURL_BUFFER_TOO_SMALL;
    }
    std::copy(text.begin(), text.end(), buffer);
    return KAURL_OK;
}

}  // namespace

bool IsOutput(const void* buffer, std::size_t capacity, const std::size_t* length) {
    return length != nullptr && (buffer != nullptr || capacity == 0);
}

kaurl_status ReadUnits(const kaurl_char16* units, std::size_t length,
                       ostracore::UTF16String& text) {
    if (units == nullptr && length > 0) {
        return KAURL_BAD_ARGUMENT;
    }
    text.assign(units, units + length);
    return KAURL_OK;
}

kaurl_status ReadUtf8(const char* bytes, std::size_t length, ostracore::UTF16String& text) {
    if (bytes == nullptr && length > 0) {
        return KAURL_BAD_ARGUMENT;
    }
    auto error = ostracore::utility::UnicodeErrorCode::None;
    ostracore::UTF16String converted =
        ostracore::utility::UTF8to16(std::string(bytes, bytes + length), &error);
    if (error != ostracore::utility::UnicodeErrorCode::None) {
        return KAURL_ILL_FORMED_UTF8;
    }
    text.swap(converted);
    return KAURL_OK;
}

kaurl_status WriteUnits(const ostracore::UTF16String& text, kaurl_char16* buffer,
                        std::size_t capacity, std::size_t* length) {
    return Write(text, buffer, capacity, length);
}

kaurl_status WriteUtf8(const ostracore::UTF16String& text, char* buffer, std::size_t capacity,
                       std::size_t* length) {
    if (!IsOutput(buffer, capacity, length)) {
        return KAURL_BAD_ARGUMENT;
    }
    if (!detail::IsWellFormedUTF16(text)) {
        return KAURL_LONE_SURROGATE;
    }
    return Write(ostracore::utility::UTF16to8(text), buffer, capacity, length);
}

kaurl_status WriteBytes(const std::string& bytes, char* buffer, std::size_t capacity,
                        std::size_t* length) {
    return Write(bytes, buffer, capacity, length);
}

}  // namespace kaurl::capi
