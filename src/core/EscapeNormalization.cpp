// SPDX-License-Identifier: BSL-1.0
#include "core/EscapeNormalization.h"

namespace kaurl::detail {
namespace {

int HexValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    const char16_t lower = LowercaseAscii(unit);
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

bool IsUnreserved(int value) {
    return (value >= '0' && value <= '9') || (value >= 'a' && value <= 'z') ||
           (value >= 'A' && value <= 'Z') || value == '-' || value == '.' || value == '_' ||
           value == '~';
}

// Whether `output` ends in a "%" or a "%" and one hex digit: a hex digit
// appended there would make an escape that was not in the text.
bool EndsInOpenEscape(const UTF16String& output) {
    const std::size_t size = output.size();
    return (size >= 1 && output[size - 1] == u'%') ||
           (size >= 2 && output[size - 2] == u'%' && HexValue(output[size - 1]) >= 0);
}

}  // namespace

UTF16String NormalizeEscapes(TextView text, Escapes escapes, bool lowercase) {
    constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    UTF16String output;
    output.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char16_t unit = text[index];
        const int high = unit == u'%' && index + 2 < text.size() ? HexValue(text[index + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[index + 2]) : -1;
        if (low < 0) {
            output += lowercase ? LowercaseAscii(unit) : unit;
            continue;
        }
        const int value = high * 16 + low;
        const auto decoded = static_cast<char16_t>(value);
        if (escapes == Escapes::DecodeUnreserved && IsUnreserved(value) &&
            !(HexValue(decoded) >= 0 && EndsInOpenEscape(output))) {
            output += lowercase ? LowercaseAscii(decoded) : decoded;
        } else {
            output += u'%';
            output += kHexDigits[high];
            output += kHexDigits[low];
        }
        index += 2;
    }
    return output;
}

}  // namespace kaurl::detail
