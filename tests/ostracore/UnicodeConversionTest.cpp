// SPDX-License-Identifier: BSL-1.0
#include "ostracore/Utility.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using ostracore::utility::AsciiToUTF16;
using ostracore::utility::UnicodeErrorCode;
using ostracore::utility::UTF16to8;
using ostracore::utility::UTF8to16;

std::u16string Utf16Of(char32_t cp) {
    if (cp < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(cp));
    }
    cp -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (cp >> 10)),
            static_cast<char16_t>(0xDC00 + (cp & 0x3FF))};
}

TEST(AsciiToUTF16, TakesExactlyCountBytes) {
    EXPECT_EQ(AsciiToUTF16("kamedia://", 7), u"kamedia");
    EXPECT_EQ(AsciiToUTF16("a\0b", 3), std::u16string(u"a\0b", 3));
    EXPECT_EQ(AsciiToUTF16("", 0), u"");
}

TEST(UnicodeConversion, EveryScalarValueRoundTrips) {
    std::u16string all;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp < 0xD800 || cp > 0xDFFF) {
            all += Utf16Of(cp);
        }
    }
    UnicodeErrorCode error = UnicodeErrorCode::IllFormedInput;
    std::uint64_t count = 1;
    EXPECT_EQ(UTF8to16(UTF16to8(all), &error, &count), all);
    EXPECT_EQ(error, UnicodeErrorCode::None);
    EXPECT_EQ(count, 0u);
}

TEST(UnicodeConversion, EncodesKnownScalarValues) {
    EXPECT_EQ(UTF16to8(u"A\u00e9\u20ac"), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(UTF16to8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(UnicodeConversion, EveryLoneSurrogateBecomesReplacement) {
    for (char32_t unit = 0xD800; unit <= 0xDFFF; ++unit) {
        const std::u16string text{u'a', static_cast<char16_t>(unit), u'b'};
        ASSERT_EQ(UTF16to8(text),
                  "a\xEF\xBF\xBD"
                  "b")
            << std::hex << unit;
    }
    // A high surrogate at the end, and a low one before a high one.
    EXPECT_EQ(UTF16to8(u"\xD800"), "\xEF\xBF\xBD");
    EXPECT_EQ(UTF16to8(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

struct IllFormed {
    std::string bytes;
    std::u16string expected;
};

class IllFormedUTF8 : public testing::TestWithParam<IllFormed> {};

TEST_P(IllFormedUTF8, EachMaximalSubpartBecomesOneReplacement) {
    UnicodeErrorCode error = UnicodeErrorCode::None;
    std::uint64_t count = 0;
    EXPECT_EQ(UTF8to16(GetParam().bytes, &error, &count), GetParam().expected);
    EXPECT_EQ(error, UnicodeErrorCode::IllFormedInput);
    EXPECT_GT(count, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IllFormedUTF8,
    testing::Values(IllFormed{"\x80", u"\uFFFD"}, IllFormed{"\xBF\x80", u"\uFFFD\uFFFD"},
                    IllFormed{"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong "/"
                    IllFormed{"\xC1\xBF", u"\uFFFD\uFFFD"},            // overlong
                    IllFormed{"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},  // overlong, 3 bytes
                    IllFormed{"\xF0\x80\x80\xAF",
                              u"\uFFFD\uFFFD\uFFFD\uFFFD"},            // overlong, 4 bytes
                    IllFormed{"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
                    IllFormed{"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
                    IllFormed{"\xF5\x80", u"\uFFFD\uFFFD"}, IllFormed{"\xFF", u"\uFFFD"},
                    IllFormed{"\xE2\x82", u"\uFFFD"},  // truncated at the end
                    IllFormed{"\xE2\x82"
                              "A",
                              u"\uFFFDA"},  // truncated before ASCII
                    IllFormed{"\xF0\x9F\x98", u"\uFFFD"},
                    IllFormed{"a\xF0\x9F\x98\xC3\xA9", u"a\uFFFD\u00e9"},
                    IllFormed{"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
                              u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"}));

TEST(UnicodeConversion, EveryByteAloneConverts) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        EXPECT_EQ(UTF8to16(std::string(1, static_cast<char>(byte))), u"\uFFFD") << byte;
    }
    EXPECT_EQ(UTF8to16(std::string("\0", 1)), std::u16string(u"\0", 1));
}

}  // namespace
