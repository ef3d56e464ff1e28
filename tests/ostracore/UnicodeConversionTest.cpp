// SPDX-License-Identifier: BSL-1.0
#include "ostracore/Utility.h"

#include <string>
#include <utility>

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

// Overlong forms, an encoded surrogate, a value above U+10FFFF, bytes that
// never occur, and sequences cut short at the end or before another character.
TEST(UnicodeConversion, EachMaximalIllFormedSubpartBecomesOneReplacement) {
    const std::pair<std::string, std::u16string> rows[] = {
        {"\x80", u"\uFFFD"},
        {"\xBF\x80", u"\uFFFD\uFFFD"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},
        {"\xC1\xBF", u"\uFFFD\uFFFD"},
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xF0\x80\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF5\x80", u"\uFFFD\uFFFD"},
        {"\xFF", u"\uFFFD"},
        {"\xE2\x82", u"\uFFFD"},
        {"\xE2\x82\x41", u"\uFFFDA"},
        {"\xF0\x9F\x98", u"\uFFFD"},
        {"a\xF0\x9F\x98\xC3\xA9", u"a\uFFFD\u00e9"},
        {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
         u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"}};
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        UnicodeErrorCode error = UnicodeErrorCode::None;
        std::uint64_t count = 0;
        EXPECT_EQ(UTF8to16(bytes, &error, &count), expected);
        EXPECT_EQ(error, UnicodeErrorCode::IllFormedInput);
        EXPECT_GT(count, 0u);
    }
}

TEST(UnicodeConversion, EveryByteAloneConverts) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        EXPECT_EQ(UTF8to16(std::string(1, static_cast<char>(byte))), u"\uFFFD") << byte;
    }
    EXPECT_EQ(UTF8to16(std::string("\0", 1)), std::u16string(u"\0", 1));
}

}  // namespace
