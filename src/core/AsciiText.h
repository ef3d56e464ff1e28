// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>

#include "ostracore/Strings.h"
#include "ostracore/Utility.h"

namespace kaurl::detail {

// The UTF-16 text of an ASCII literal, made with the host's AsciiToUTF16 from
// every character before the literal's terminating NUL, so that no length is
// counted by hand: AsciiText("kamedia") == u"kamedia".
template <std::size_t Size>
ostracore::UTF16String AsciiText(const char (&text)[Size]) {
    return ostracore::utility::AsciiToUTF16(text, Size - 1);
}

}  // namespace kaurl::detail
