// SPDX-License-Identifier: BSL-1.0
#include "ostracore/Utility.h"

namespace ostracore::utility {

UTF16String AsciiToUTF16(const char* text, std::size_t count) {
    UTF16String result(count, u'\0');
    for (std::size_t i = 0; i < count; ++i) {
        result[i] = static_cast<char16_t>(static_cast<unsigned char>(text[i]));
    }
    return result;
}

}  // namespace ostracore::utility
