// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <vector>

#include "ostracore/Strings.h"

// What a Windows program makes of a path when it converts it to its ANSI code
// page; internal to the library.
namespace kaurl::detail {

using ostracore::UTF16String;

// Whether converting the names of a local path (without "." or empty ones)
// to one of the ANSI code pages 874, 932, 936, 949, 950 and 1250 to 1258
// without WC_NO_BEST_FIT_CHARS gives a name that, split again at "/" and the
// backslash, has a piece that is "..", ends in "." or a space, holds ":" or is
// a device name (see IsDeviceName). A page that cannot convert some character
// of the names, and would write its default character instead, is skipped: a
// program using that page cannot open the path at all. Each character that a
// page converts to an ASCII character (natively or by best fit: U+FF0E to ".",
// U+00A5 to the backslash in page 932) or to a superscript digit is replaced
// by it; the others are kept. {u"\uff0e\uff0e"} and {u"\uff23\uff2f\uff2e.mxf"}
// are changed, {u"caf\u00e9.mxf"} and
// {u"\u30cb\u30e5\u30fc\u30b9\uff1a\u7279\u96c6.mxf"} are not (the pages that
// convert the katakana keep U+FF1A, and those that turn it into ":" cannot
// convert the katakana).
bool IsChangedByCodePage(const std::vector<UTF16String>& names);

}  // namespace kaurl::detail
