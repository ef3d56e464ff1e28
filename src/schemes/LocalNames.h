// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string_view>

#include "ostracore/Strings.h"

// What the names of a checked local path may not be; internal to the library.
namespace kaurl::detail {

using ostracore::UTF16String;

// U+0000 to U+001F (C0), U+007F (DEL) and U+0080 to U+009F (C1).
bool IsControlCharacter(char16_t unit);

// Whether Windows would read `name` (one segment, no separator) as something
// other than a file of that name: it holds one of : < > " | ? *, ends in "."
// or a space, or is a reserved device name in any case, alone or with an
// extension (CON, PRN, AUX, NUL, COM0-COM9, LPT0-LPT9, COM and LPT with a
// superscript digit 1 to 3, CONIN$, CONOUT$): u"nul.txt", u"Com\u00b9".
bool IsSpecialToWindows(const UTF16String& name);

// Whether Windows reads `name` (one segment) as a reserved device, in any case,
// alone or with an extension, spaces before the extension ignored: u"nul.txt",
// u"NUL .tar.gz", u"Com\u00b9".
bool IsDeviceName(std::u16string_view name);

}  // namespace kaurl::detail
