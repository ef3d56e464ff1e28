// SPDX-License-Identifier: BSL-1.0
// What the URL tables cannot show of the two path operations.
#include "schemes/PathText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(FileNameSplit, MissingSeparatorLeavesOutputUnchanged) {
    std::u16string fileName = u"kept";
    std::u16string extension = u"kept too";
    kaurl::detail::SplitFileNameAndExtension(u"no separators", fileName, extension);
    EXPECT_EQ(fileName, u"kept");
    EXPECT_EQ(extension, u"kept too");
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
