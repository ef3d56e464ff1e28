// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <cstdint>

#include "ostracore/Strings.h"

namespace ostracore::utility {

enum class UnicodeErrorCode {
    None,
    IllFormedInput,  // at least one sequence was replaced by U+FFFD
};

// Widens exactly `count` bytes of ASCII text, one code unit per byte.
// Example: AsciiToUTF16("kamedia", 7) == u"kamedia".
UTF16String AsciiToUTF16(const char* text, std::size_t count);

// Converts UTF-16 to UTF-8. Lossless for well-formed UTF-16; a lone surrogate
// becomes U+FFFD. Throws nothing but std::bad_alloc.
UTF8String UTF16to8(const UTF16String& text);

// Converts UTF-8 to UTF-16. Each maximal ill-formed subpart (as Unicode
// recommends) becomes one U+FFFD, so "\xE0\x80" gives two and "\xE2\x82" one.
// When given, `errorCode` receives IllFormedInput if anything was replaced and
// `errorCount` the number of replacements. Throws nothing but std::bad_alloc.
UTF16String UTF8to16(const UTF8String& text, UnicodeErrorCode* errorCode = nullptr,
                     std::uint64_t* errorCount = nullptr);

}  // namespace ostracore::utility
