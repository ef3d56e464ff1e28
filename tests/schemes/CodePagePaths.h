// SPDX-License-Identifier: BSL-1.0
// Paths below a media URL's mount point that the checked local path accepts
// although an ANSI code page turns some of their characters into ASCII ones.
#pragma once

namespace kaurl::test_paths {

inline constexpr const char16_t* kAcceptedDespiteCodePages[] = {
    u"price\u00a5.mxf",                                 // 932: "price\.mxf"
    u"a\u2024b.mxf",                                    // one dot leader
    u"clip\uff0emov",                                   // fullwidth full stop
    u"caf\u00e9.mxf",                                   // best fit: "cafe.mxf"
    u"\u00e9/./x.mxf",                                  // "." is no name
    u"\u8868.mxf",                                      // 932: its second byte is 0x5C
    u"\u30bd\u30d5\u30c8.mxf",                          // 932: the same
    u"\u30cb\u30e5\u30fc\u30b9\uff1a\u7279\u96c6.mxf",  // ":" only where katakana is unknown
    u"\u8868\uff0e\uff0e",                              // the same for ".."
    u"what\uff1f\uff0a\uff1c\uff1e\uff02\uff5c.mxf",    // only unopenable
    u"Und dann\u2026.mxf",                              // horizontal ellipsis
    u"\uff23\uff2f\uff2d\uff11\uff10.mxf",              // COM10
    u"\u30cb\u30e5\u30fc\u30b9/\uff0e\uff0e\u2215x",    // no page has all
    u"a\U0001F600\uff0e",                               // no page has the emoji
};

}  // namespace kaurl::test_paths
