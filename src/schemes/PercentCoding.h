// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "ostracore/Strings.h"

// Percent-encoding over the UTF-8 form of a text; internal to the library.
namespace kaurl::detail {

using ostracore::UTF16String;

// Every UTF-8 byte outside "-_.~0-9a-zA-Z" becomes "%" and two upper-case hex
// digits: u"\u00e9.mxf" gives u"%C3%A9.mxf", u"a/b" gives u"a%2Fb".
UTF16String PercentEncode(const UTF16String& text);

// Replaces each "%" and the (at most two) bytes after it by one byte: the low
// eight bits of the number that a hexadecimal stream read takes from those
// bytes (white space skipped, a sign accepted, reading stops at a non-digit).
// u"%41" gives u"A", u"%4G1" gives u"\x04" u"1", u"%-1" gives the byte 0xFF.
// A window the read cannot turn into a number gives "%" (see the source).
// The resulting bytes are converted as UTF-8, ill-formed ones to U+FFFD.
UTF16String PercentDecode(const UTF16String& text);

}  // namespace kaurl::detail
