// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "ostracore/Strings.h"

// Percent-decoding that refuses what it cannot decode exactly; internal to the
// library. PercentDecode, beside it, accepts anything.
namespace kaurl::detail {

using ostracore::UTF16String;

// Whether every surrogate of `text` is part of a pair.
bool IsWellFormedUTF16(const UTF16String& text);

enum class StrictDecoding { Decoded, MalformedEscape, NotUTF8 };

// Replaces every "%" and the two hexadecimal digits (either case) after it by
// their byte and reads the bytes as UTF-8: u"a%20%C3%A9" gives u"a \u00e9".
// Refuses a "%" without two such digits (MalformedEscape), and decoded bytes
// that are not well-formed UTF-8 or a lone surrogate in `text` (NotUTF8).
// `decoded` is assigned only when the result is Decoded.
StrictDecoding DecodePercentStrictly(const UTF16String& text, UTF16String& decoded);

}  // namespace kaurl::detail
