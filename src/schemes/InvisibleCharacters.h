// SPDX-License-Identifier: BSL-1.0
#pragma once

// The characters that a checked name may not hold because a person would not
// see them as they are; internal to the library.
namespace kaurl::detail {

// The first code point that IsInvisibleOrReordering is true for.
constexpr char32_t kFirstInvisibleOrReordering = 0x115F;

// IsInvisibleOrReordering for a code point from kFirstInvisibleOrReordering on.
bool IsInvisibleOrReorderingFromFirst(char32_t codePoint);

// Whether `codePoint` is a bidi embedding, override or isolate (U+202A to
// U+202E, U+2066 to U+2069), an invisible character that no script needs
// (U+200B, U+2060 to U+2064, U+FEFF, the Hangul fillers U+115F, U+1160,
// U+3164, U+FFA0), a line or paragraph separator (U+2028, U+2029) or a
// noncharacter (U+FDD0 to U+FDEF, and U+xFFFE and U+xFFFF of every plane).
// The direction marks U+200E, U+200F and U+061C, the joiners U+200C and
// U+200D and the soft hyphen U+00AD are not among them. Inline, so that
// Latin text costs one comparison per character.
inline bool IsInvisibleOrReordering(char32_t codePoint) {
    return codePoint >= kFirstInvisibleOrReordering && IsInvisibleOrReorderingFromFirst(codePoint);
}

}  // namespace kaurl::detail
