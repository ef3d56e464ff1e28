// SPDX-License-Identifier: BSL-1.0
#include "schemes/StrictPercentDecoding.h"

#include "ostracore/Utility.h"

namespace kaurl::detail {
namespace {

constexpr char kEscapeIntroducer = '%';
constexpr int kNotADigit = -1;

int HexDigitValue(char byte) {
    if (byte >= '0' && byte <= '9') {
        return byte - '0';
    }
    if (byte >= 'a' && byte <= 'f') {
        return byte - 'a' + 10;
    }
    if (byte >= 'A' && byte <= 'F') {
        return byte - 'A' + 10;
    }
    return kNotADigit;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

bool IsWellFormedUTF16(const UTF16String& text) {
    for (UTF16String::size_type i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return false;
        }
    }
    return true;
}

StrictDecoding DecodePercentStrictly(const UTF16String& text, UTF16String& decoded) {
    // The conversion to UTF-8 would turn a lone surrogate into U+FFFD unseen.
    if (!IsWellFormedUTF16(text)) {
        return StrictDecoding::NotUTF8;
    }
    // Escapes are ASCII, so they read the same in the UTF-8 form.
    const ostracore::UTF8String bytes = ostracore::utility::UTF16to8(text);
    ostracore::UTF8String decodedBytes;
    decodedBytes.reserve(bytes.size());
    std::size_t position = 0;
    while (position < bytes.size()) {
        if (bytes[position] != kEscapeIntroducer) {
            decodedBytes.push_back(bytes[position]);
            ++position;
            continue;
        }
        if (bytes.size() - position < 3) {
            return StrictDecoding::MalformedEscape;
        }
        const int high = HexDigitValue(bytes[position + 1]);
        const int low = HexDigitValue(bytes[position + 2]);
        if (high == kNotADigit || low == kNotADigit) {
            return StrictDecoding::MalformedEscape;
        }
        decodedBytes.push_back(static_cast<char>(static_cast<unsigned char>(high * 16 + low)));
        position += 3;
    }
    auto error = ostracore::utility::UnicodeErrorCode::None;
    UTF16String result = ostracore::utility::UTF8to16(decodedBytes, &error);
    if (error != ostracore::utility::UnicodeErrorCode::None) {
        return StrictDecoding::NotUTF8;
    }
    decoded.swap(result);
    return StrictDecoding::Decoded;
}

}  // namespace kaurl::detail
