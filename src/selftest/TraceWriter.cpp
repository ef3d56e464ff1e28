// SPDX-License-Identifier: BSL-1.0
#include "selftest/TraceWriter.h"

#include <cstring>

#include "ostracore/Utility.h"

namespace kaurl::unittests {

void WriteTracePiece(std::ostream& trace, const UTF16String& text) {
    const ostracore::UTF8String bytes = ostracore::utility::UTF16to8(text);
    trace.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    trace.flush();
}

void WriteAsciiPiece(std::ostream& trace, const char* text) {
    WriteTracePiece(trace, ostracore::utility::AsciiToUTF16(text, std::strlen(text)));
}

void WriteLineEnd(std::ostream& trace) {
    trace.write("\r\n", 2);
    trace.flush();
}

void WriteProgressLine(std::ostream& trace, const char* text) {
    WriteAsciiPiece(trace, text);
    WriteLineEnd(trace);
}

}  // namespace kaurl::unittests
