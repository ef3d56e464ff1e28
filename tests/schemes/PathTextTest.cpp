// SPDX-License-Identifier: BSL-1.0
#include "schemes/PathText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using kaurl::detail::ReplaceAll;
using kaurl::detail::SplitFileNameAndExtension;

struct Split {
    std::u16string path;
    std::u16string fileName;
    std::u16string extension;
};

class FileNameSplit : public testing::TestWithParam<Split> {};

TEST_P(FileNameSplit, TakesTextAfterLastSlashAndLastDot) {
    std::u16string fileName;
    std::u16string extension;
    SplitFileNameAndExtension(GetParam().path, fileName, extension);
    EXPECT_EQ(fileName, GetParam().fileName);
    EXPECT_EQ(extension, GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileNameSplit,
                         testing::Values(Split{u"/media/stories/ABA00.mxf", u"ABA00.mxf", u"mxf"},
                                         Split{u"/dir.old/clip", u"clip", u"old/clip"},
                                         Split{u"/media/clip", u"clip", u""},
                                         Split{u"/media/", u"", u""},
                                         Split{u"/clip.", u"clip.", u""},
                                         Split{u"/.hidden", u".hidden", u"hidden"},
                                         Split{u"name.txt", u"", u"txt"}, Split{u"", u"", u""},
                                         Split{u"/dir\\a.mxf", u"dir\\a.mxf", u"mxf"}));

TEST(FileNameSplit, MissingSeparatorLeavesOutputUnchanged) {
    std::u16string fileName = u"kept";
    std::u16string extension = u"kept too";
    SplitFileNameAndExtension(u"no separators", fileName, extension);
    EXPECT_EQ(fileName, u"kept");
    EXPECT_EQ(extension, u"kept too");
}

struct Replacement {
    std::u16string text, from, to, expected;
};

class ReplaceAllCases : public testing::TestWithParam<Replacement> {};

TEST_P(ReplaceAllCases, ReplacesEveryOccurrenceOnce) {
    std::u16string text = GetParam().text;
    ReplaceAll(text, GetParam().from, GetParam().to);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReplaceAllCases,
                         testing::Values(Replacement{u"a\\b\\\\c", u"\\", u"/", u"a/b//c"},
                                         Replacement{u"/a/", u"/", u"\\", u"\\a\\"},
                                         Replacement{u"", u"/", u"\\", u""},
                                         Replacement{u"none", u"/", u"\\", u"none"},
                                         // Inserted text is never searched again.
                                         Replacement{u"aa", u"a", u"aa", u"aaaa"},
                                         Replacement{u"xyxy", u"xy", u"y", u"yy"}));

}  // namespace
