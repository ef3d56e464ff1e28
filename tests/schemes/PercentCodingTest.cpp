// SPDX-License-Identifier: BSL-1.0
// The text operations below the scheme classes, where the URL tables cannot
// reach them.
#include "schemes/PercentCoding.h"

#include <locale>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "schemes/PathText.h"
#include "support/GlobalLocale.h"

namespace {

using kaurl::detail::PercentDecode;
using kaurl::detail::PercentEncode;

struct Coding {
    std::u16string text, expected;
};

// A lone surrogate is encoded as the UTF-8 of U+FFFD.
TEST(PercentEncoding, EscapesEveryByteOutsideTheUnreservedAlphabet) {
    EXPECT_EQ(PercentEncode(u""), u"");
    EXPECT_EQ(PercentEncode(u"a~b_c-d.eAZaz09"), u"a~b_c-d.eAZaz09");
    EXPECT_EQ(PercentEncode(std::u16string(u"/\\:@% \t\x7f\0", 9)), u"%2F%5C%3A%40%25%20%09%7F%00");
    EXPECT_EQ(PercentEncode(u"\u00e9.mxf\U0001F600\xD800"), u"%C3%A9.mxf%F0%9F%98%80%EF%BF%BD");
}

// "%2541" is decoded once only; the read skips white space and takes a sign.
// A negative number gives its low eight bits: -1 is 0xFF, alone ill-formed
// UTF-8. A window that holds no number decodes to the "%" that introduced it,
// consuming the window all the same.
TEST(PercentDecoding, ReplacesEachEscapeByOneByte) {
    const Coding rows[] = {{u"", u""},         {u"plain", u"plain"}, {u"%41", u"A"},
                           {u"%61", u"a"},     {u"%4a", u"J"},       {u"%4A", u"J"},
                           {u"%2541", u"%41"}, {u"%4", u"\x04"},     {u"%4G1", u"\x04\x31"},
                           {u"% 4", u"\x04"},  {u"%+7", u"\x07"},    {u"%C3%A9", u"\u00e9"},
                           {u"a%20b", u"a b"}, {u"%-1", u"\uFFFD"},  {u"%C3%-1", u"\uFFFD\uFFFD"},
                           {u"100%", u"100%"}, {u"%%", u"%"},        {u"%%41", u"%1"},
                           {u"%G1x", u"%x"},   {u"%0x", u"%"},       {u"%-", u"%"}};
    for (const Coding& row : rows) {
        EXPECT_EQ(PercentDecode(row.text), row.expected) << testing::PrintToString(row.text);
    }
    // "-F" reads as -15, whose low byte 0xF1 leads F1 90 80 80.
    EXPECT_EQ(PercentDecode(u"%-F%90%80%80"), u"\U00050000");
}

TEST(PercentCoding, DecodeUndoesEncodeForWellFormedText) {
    for (const std::u16string text :
         {u"", u"media/stories/123/ABA00.mxf", u"My Grid:1", u"\u00e9\u4e2d\U0001F600 %41 \\"}) {
        EXPECT_EQ(PercentDecode(PercentEncode(text)), text);
    }
}

// Number facets that fail with what no stream raises by itself.
struct ThrowingNumPut : std::num_put<char> {
    iter_type do_put(iter_type, std::ios_base&, char, long) const override {
        throw std::runtime_error("num_put");
    }
};
struct ThrowingNumGet : std::num_get<char> {
    iter_type do_get(iter_type, iter_type, std::ios_base&, std::ios_base::iostate&,
                     long&) const override {
        throw std::runtime_error("num_get");
    }
};

// What a facet throws reaches the caller unchanged, for a malformed escape too.
TEST(PercentCoding, PassesOnWhatANumberFacetThrows) {
    using kaurl::test_support::ClassicWith;
    const kaurl::test_support::GlobalLocale installed(
        std::locale(ClassicWith(new ThrowingNumPut), new ThrowingNumGet));
    const struct {
        decltype(&PercentEncode) code;
        std::u16string text;
    } rows[] = {{PercentEncode, u"a b"}, {PercentDecode, u"%41"}, {PercentDecode, u"%G1"}};
    for (const auto& row : rows) {
        EXPECT_THROW(row.code(row.text), std::runtime_error);
    }
}

TEST(FileNameSplit, MissingSeparatorLeavesOutputUnchanged) {
    std::u16string fileName = u"kept";
    std::u16string extension = u"kept too";
    kaurl::detail::SplitFileNameAndExtension(u"no separators", fileName, extension);
    EXPECT_EQ(fileName + u"|" + extension, u"kept|kept too");
}

// Inserted text is never searched again.
TEST(ReplaceAll, ReplacesEveryOccurrenceOnce) {
    std::u16string text = u"aa";
    kaurl::detail::ReplaceAll(text, u"a", u"aa");
    EXPECT_EQ(text, u"aaaa");
    text = u"xyxy";
    kaurl::detail::ReplaceAll(text, u"xy", u"y");
    EXPECT_EQ(text, u"yy");
}

}  // namespace
