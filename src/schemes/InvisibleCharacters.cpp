// SPDX-License-Identifier: BSL-1.0
#include "schemes/InvisibleCharacters.h"

#include <algorithm>
#include <iterator>

namespace kaurl::detail {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Sorted and disjoint.
constexpr Range kRefused[] = {
    // Hangul fillers: they show nothing, and Hangul text is written without
    // them, so a name holding one looks like a name without it.
    {0x115F, 0x1160},
    // The zero-width space: invisible, and no script needs it in a name.
    {0x200B, 0x200B},
    // Line and paragraph separators: a user interface breaks the line there.
    {0x2028, 0x2029},
    // Bidi embeddings and overrides: they reorder what a person sees, so
    // "a\u202Efxm.exe" shows as "aexe.mxf".
    {0x202A, 0x202E},
    // The word joiner and the invisible operators: invisible, and no script
    // needs them in a name.
    {0x2060, 0x2064},
    // Bidi isolates: they reorder what a person sees.
    {0x2066, 0x2069},
    // The Hangul filler.
    {0x3164, 0x3164},
    // Noncharacters: never meant for interchange.
    {0xFDD0, 0xFDEF},
    // The zero-width no-break space (byte order mark): invisible.
    {0xFEFF, 0xFEFF},
    // The halfwidth Hangul filler.
    {0xFFA0, 0xFFA0},
};

static_assert(kRefused[0].first == kFirstInvisibleOrReordering);

// U+xFFFE and U+xFFFF of every plane are noncharacters too.
bool IsLastOfPlane(char32_t codePoint) {
    return (codePoint & 0xFFFE) == 0xFFFE;
}

}  // namespace

bool IsInvisibleOrReorderingFromFirst(char32_t codePoint) {
    if (IsLastOfPlane(codePoint)) {
        return true;
    }
    const auto after =
        std::upper_bound(std::begin(kRefused), std::end(kRefused), codePoint,
                         [](char32_t value, const Range& range) { return value < range.first; });
    return after != std::begin(kRefused) && codePoint <= std::prev(after)->last;
}

}  // namespace kaurl::detail
