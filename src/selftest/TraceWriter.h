// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>

#include "ostracore/Strings.h"

// Writing to the trace stream of a running self-test. Every piece is flushed as
// soon as it is written, and every line ends in CR LF on every platform, so the
// trace reads the same wherever the host collects it.
namespace kaurl::unittests {

using ostracore::UTF16String;

// Writes `text` as UTF-8, then flushes.
void WriteTracePiece(std::ostream& trace, const UTF16String& text);

// Widens the NUL-terminated ASCII `text` and writes it as one piece.
void WriteAsciiPiece(std::ostream& trace, const char* text);

// Writes CR LF, then flushes.
void WriteLineEnd(std::ostream& trace);

// Writes `text` as one piece followed by the line end.
void WriteProgressLine(std::ostream& trace, const char* text);

}  // namespace kaurl::unittests
