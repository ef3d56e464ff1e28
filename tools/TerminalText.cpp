// SPDX-License-Identifier: BSL-1.0
#include "TerminalText.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "ostracore/Utility.h"
#include "schemes/InvisibleCharacters.h"

namespace kaurl::tool {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// One character of the text: its code point and the size of its UTF-8 form.
struct Character {
    char32_t codePoint;
    std::size_t size;
};

bool IsPlainAscii(unsigned char byte) {
    return byte >= 0x20 && byte < 0x7F;
}

// The size of the UTF-8 sequence that the byte `lead`, 0x80 or above, begins.
std::size_t SequenceSize(unsigned char lead) {
    if (lead < 0xE0) {
        return 2;
    }
    return lead < 0xF0 ? 3 : 4;
}

// The character at `at` of well-formed UTF-8. The size is clamped to the
// text, so that even other bytes are never read beyond its end.
Character ReadCharacter(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t size = std::min(SequenceSize(lead), text.size() - at);
    char32_t codePoint = lead & (0x7Fu >> size);
    for (std::size_t i = 1; i < size; ++i) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
    }
    return {codePoint, size};
}

// `value` as `digits` upper-case hexadecimal digits after `prefix`.
std::string Hexadecimal(const char* prefix, char32_t value, int digits) {
    std::string text(prefix);
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += kHexDigits[(value >> shift) & 0xF];
    }
    return text;
}

// The escape for `character`, or nothing when it is written as it is.
std::string EscapeOf(const Character& character) {
    const char32_t codePoint = character.codePoint;
    if (codePoint < 0x20 || codePoint == 0x7F) {
        return Hexadecimal("\\x", codePoint, 2);
    }
    if (codePoint < 0x80 || (codePoint > 0x9F && !detail::IsInvisibleOrReordering(codePoint))) {
        return {};
    }
    return codePoint <= 0xFFFF ? Hexadecimal("\\u", codePoint, 4)
                               : Hexadecimal("\\U", codePoint, 8);
}

}  // namespace

// Writes runs of characters that need no escape whole; this runs for every
// line of output.
void WriteEscaped(std::ostream& out, std::string_view text) {
    std::size_t run = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsPlainAscii(static_cast<unsigned char>(text[at]))) {
            ++at;
            continue;
        }
        const Character character = ReadCharacter(text, at);
        const std::string escape = EscapeOf(character);
        if (!escape.empty()) {
            out.write(text.data() + run, static_cast<std::streamsize>(at - run));
            out.write(escape.data(), static_cast<std::streamsize>(escape.size()));
            run = at + character.size;
        }
        at += character.size;
    }
    out.write(text.data() + run, static_cast<std::streamsize>(at - run));
}

void WriteEscapedLine(std::ostream& out, const ostracore::UTF16String& text) {
    WriteEscaped(out, ostracore::utility::UTF16to8(text));
    out.put('\n');
}

}  // namespace kaurl::tool
