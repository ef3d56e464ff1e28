// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>
#include <string_view>

#include "ostracore/Strings.h"

namespace kaurl::tool {

// Writes `text`, well-formed UTF-8 as UTF16to8 writes it, so that it cannot
// drive a terminal or show as other text than it is: a C0 control or DEL as
// \xNN, and a C1 control and every invisible or reordering character that a
// checked local path refuses (a bidi override such as U+202E, the zero-width
// space, a noncharacter, ...) as \uNNNN, or \UNNNNNNNN beyond the BMP.
// Everything else is written as it is.
void WriteEscaped(std::ostream& out, std::string_view text);

// Writes `text` in UTF-8 with WriteEscaped, then a line feed.
void WriteEscapedLine(std::ostream& out, const ostracore::UTF16String& text);

}  // namespace kaurl::tool
