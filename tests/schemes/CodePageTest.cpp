// SPDX-License-Identifier: BSL-1.0
// Names that a Windows program reads differently once it converts them to its
// ANSI code page, and the device names that Windows reserves.
#include <string>

#include <gtest/gtest.h>

#include "CodePagePaths.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::kamedia::LocalPathRefusal;
using kaurl::kamedia::PathSeparator;
using Media = kaurl::kamedia::URL;

bool Resolve(const std::u16string& path, LocalPathRefusal& refusal) {
    std::u16string localPath;
    return kaurl::kamedia::ResolveLocalPath(Media(u"kamedia://grid/" + path), u"/m", localPath,
                                            PathSeparator::Slash, &refusal);
}

void ExpectRefused(const std::u16string& path, LocalPathRefusal expected) {
    SCOPED_TRACE(testing::PrintToString(path));
    auto refusal = static_cast<LocalPathRefusal>(-1);
    EXPECT_FALSE(Resolve(path, refusal));
    EXPECT_EQ(refusal, expected);
}

// Fullwidth forms of ASCII letters, digits and "$" (U+FF01 to U+FF5E).
std::u16string Fullwidth(std::u16string text) {
    for (char16_t& unit : text) {
        if (unit > u' ' && unit < 0x7F) {
            unit = static_cast<char16_t>(unit + 0xFEE0);
        }
    }
    return text;
}

TEST(CodePage, RefusesWhatBestFitTurnsIntoAnotherName) {
    using R = LocalPathRefusal;
    const struct {
        std::u16string path;
        LocalPathRefusal expected;
    } rows[] = {
        {u"media/\uff0e\uff0e\uff0f\uff0e\uff0e\uff0fetc\uff0fpasswd", R::ChangedByCodePage},
        {u"media/\uff0e\uff0e\uff3c\uff0e\uff0e\uff3cWindows\uff3cwin.ini", R::ChangedByCodePage},
        {u"media/\uff0e\uff0e/x.mxf", R::ChangedByCodePage},
        {u"..\u00a5..\u00a5win.ini", R::ChangedByCodePage},  // 932
        {u"..\u20a9..\u20a9x", R::ChangedByCodePage},        // 949
        {u"..\u2215..\u2215etc", R::ChangedByCodePage},
        {u"..\u3000", R::ChangedByCodePage},
        {u"\uff23\uff2f\uff2e.mxf", R::ChangedByCodePage},
        {u"C\uff1a\uff3cWindows", R::ChangedByCodePage},
        {u"NUL\u3000.txt", R::ChangedByCodePage},
        {u"COM\u2082", R::ChangedByCodePage},
        {u"caf\u00e9\uff0e", R::ChangedByCodePage},  // a page that has both
        {u"a%EF%BC%8E", R::ChangedByCodePage},       // decoded first
        {u"a/\uff0e/b", R::ChangedByCodePage},       // a name, unlike "."
        // Precedence.
        {u"\uff0e\uff0e/..", R::LeavesMountPoint},
        {u"\uff0e\uff0e/a:b", R::WindowsName},
        {u"\uff0e\uff0e/%00", R::ControlCharacter},
    };
    for (const auto& row : rows) {
        ExpectRefused(row.path, row.expected);
    }
}

TEST(CodePage, AcceptsWhatNoPageChangesIntoAnotherName) {
    for (const char16_t* path : kaurl::test_paths::kAcceptedDespiteCodePages) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(path)));
        auto refusal = LocalPathRefusal::InvalidURL;
        EXPECT_TRUE(Resolve(path, refusal));
    }
}

// Each device name as it is, in lower case and with an extension, and in
// fullwidth letters, which the Western code pages turn into ASCII ones.
TEST(CodePage, RefusesEveryDeviceName) {
    const std::u16string devices[] = {
        u"CON",       u"PRN",       u"AUX",       u"NUL",       u"COM0",      u"COM1",
        u"COM2",      u"COM3",      u"COM4",      u"COM5",      u"COM6",      u"COM7",
        u"COM8",      u"COM9",      u"LPT0",      u"LPT1",      u"LPT2",      u"LPT3",
        u"LPT4",      u"LPT5",      u"LPT6",      u"LPT7",      u"LPT8",      u"LPT9",
        u"COM\u00b9", u"COM\u00b2", u"COM\u00b3", u"LPT\u00b9", u"LPT\u00b2", u"LPT\u00b3",
        u"CONIN$",    u"CONOUT$",
    };
    for (const std::u16string& device : devices) {
        std::u16string lower = device;
        for (char16_t& unit : lower) {
            unit = unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 0x20) : unit;
        }
        ExpectRefused(device, LocalPathRefusal::WindowsName);
        ExpectRefused(u"d/" + lower + u".mxf", LocalPathRefusal::WindowsName);
        ExpectRefused(Fullwidth(device) + u".mxf", LocalPathRefusal::ChangedByCodePage);
    }
}

}  // namespace
