// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// Conversions between ASCII, UTF-8 and UTF-16 text.

#include <cstddef>
#include <cstdint>

#include "ostracore/Export.h"
#include "ostracore/Strings.h"

/// The string conversions of the host's core library.
///
/// @snippet strings.cpp example
///
/// @par Failure
/// Each conversion throws nothing but std::bad_alloc, and then leaves every
/// object as it was (strong guarantee).
namespace ostracore::utility {

/// What UTF8to16 found in its input.
enum class UnicodeErrorCode {
    None,            ///< the input was well-formed UTF-8
    IllFormedInput,  ///< at least one sequence was replaced by U+FFFD
};

/// Widens exactly `count` bytes of ASCII text, one code unit per byte.
/// Example: AsciiToUTF16("kamedia", 7) == u"kamedia".
/// @param text At least `count` bytes; a NUL among them is copied too.
/// @param count The number of bytes to take.
/// @return The UTF-16 text.
OSTRACORE_API UTF16String AsciiToUTF16(const char* text, std::size_t count);

/// Converts UTF-16 to UTF-8. Lossless for well-formed UTF-16; a lone surrogate
/// becomes U+FFFD.
/// @param text The UTF-16 text.
/// @return The UTF-8 text.
OSTRACORE_API UTF8String UTF16to8(const UTF16String& text);

/// Converts UTF-8 to UTF-16. Each maximal ill-formed subpart (as Unicode
/// recommends) becomes one U+FFFD, so `"\xE0\x80"` gives two and `"\xE2\x82"` one.
/// When given, `errorCode` receives IllFormedInput if anything was replaced and
/// `errorCount` the number of replacements.
/// @param text Any bytes.
/// @param errorCode Optional: receives whether anything was replaced.
/// @param errorCount Optional: receives the number of replacements.
/// @return The UTF-16 text.
OSTRACORE_API UTF16String UTF8to16(const UTF8String& text, UnicodeErrorCode* errorCode = nullptr,
                                   std::uint64_t* errorCount = nullptr);

}  // namespace ostracore::utility
