// SPDX-License-Identifier: BSL-1.0
#include "schemes/PercentCoding.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using kaurl::detail::PercentDecode;
using kaurl::detail::PercentEncode;

struct Coding {
    std::u16string text;
    std::u16string expected;
};

void PrintTo(const Coding& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

class PercentEncoding : public testing::TestWithParam<Coding> {};

TEST_P(PercentEncoding, EscapesEveryByteOutsideTheUnreservedAlphabet) {
    EXPECT_EQ(PercentEncode(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PercentEncoding,
    testing::Values(Coding{u"", u""}, Coding{u"a~b_c-d.e", u"a~b_c-d.e"},
                    Coding{u"AZaz09", u"AZaz09"}, Coding{u"\u00e9.mxf", u"%C3%A9.mxf"},
                    Coding{u"\t", u"%09"}, Coding{u"/\\:@% ", u"%2F%5C%3A%40%25%20"},
                    Coding{std::u16string(1, u'\0'), u"%00"}, Coding{u"\u007f", u"%7F"},
                    Coding{u"\U0001F600", u"%F0%9F%98%80"},
                    // A lone surrogate is encoded as the UTF-8 of U+FFFD.
                    Coding{u"\xD800", u"%EF%BF%BD"}));

class PercentDecoding : public testing::TestWithParam<Coding> {};

TEST_P(PercentDecoding, ReplacesEachEscapeByOneByte) {
    EXPECT_EQ(PercentDecode(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PercentDecoding,
    testing::Values(Coding{u"", u""}, Coding{u"plain", u"plain"}, Coding{u"%41", u"A"},
                    Coding{u"%61", u"a"}, Coding{u"%4a", u"J"}, Coding{u"%4A", u"J"},
                    Coding{u"%2541", u"%41"},  // decoded once only
                    Coding{u"%4", u"\x04"},
                    Coding{u"%4G1",
                           u"\x04"
                           u"1"},
                    Coding{u"% 4", u"\x04"},  // white space is skipped by the read
                    Coding{u"%+7", u"\x07"}, Coding{u"%C3%A9", u"\u00e9"}, Coding{u"a%20b", u"a b"},
                    // The low eight bits of a negative number: -1 is 0xFF, which
                    // alone is ill-formed UTF-8.
                    Coding{u"%-1", u"\uFFFD"}, Coding{u"%C3%-1", u"\uFFFD\uFFFD"},
                    // "-F" reads as -15, whose low byte 0xF1 leads F1 90 80 80.
                    Coding{u"%-F%90%80%80", u"\U00050000"}));

// An escape window that holds no number decodes to the "%" that introduced
// it, consuming the window all the same.
TEST(PercentDecoding, UnreadableWindowGivesThePercentSign) {
    EXPECT_EQ(PercentDecode(u"100%"), u"100%");
    EXPECT_EQ(PercentDecode(u"%%"), u"%");
    EXPECT_EQ(PercentDecode(u"%%41"), u"%1");
    EXPECT_EQ(PercentDecode(u"%G1x"), u"%x");
    EXPECT_EQ(PercentDecode(u"%0x"), u"%");
    EXPECT_EQ(PercentDecode(u"%-"), u"%");
}

TEST(PercentCoding, DecodeUndoesEncodeForWellFormedText) {
    const std::u16string texts[] = {u"", u"media/stories/123/ABA00.mxf", u"My Grid:1",
                                    u"\u00e9\u4e2d\U0001F600 %41 \\"};
    for (const auto& text : texts) {
        EXPECT_EQ(PercentDecode(PercentEncode(text)), text);
    }
}

}  // namespace
