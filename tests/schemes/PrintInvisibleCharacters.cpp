// SPDX-License-Identifier: BSL-1.0
// Prints the code points that checked names refuse as invisible or
// reordering, one range "first last" in hexadecimal per line, for
// InvisibleCharacters.py to compare with Unicode's data.
#include <cstdio>

#include "schemes/InvisibleCharacters.h"

int main() {
    constexpr unsigned long kLast = 0x10FFFF;
    for (unsigned long codePoint = 0; codePoint <= kLast; ++codePoint) {
        if (!kaurl::detail::IsInvisibleOrReordering(static_cast<char32_t>(codePoint))) {
            continue;
        }
        const unsigned long first = codePoint;
        while (codePoint < kLast &&
               kaurl::detail::IsInvisibleOrReordering(static_cast<char32_t>(codePoint + 1))) {
            ++codePoint;
        }
        std::printf("%04lX %04lX\n", first, codePoint);
    }
}
