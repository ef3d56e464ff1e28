// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kamedia.h"

#include <string>

#include <gtest/gtest.h>

#include "support/UrlState.h"

namespace {

using kaurl::kamedia::CreateFromMountPointAndPath;
using kaurl::kamedia::SubstituteMountPointAndReturnPath;
using kaurl::test_support::CaptureState;
using Media = kaurl::kamedia::URL;

const std::u16string kStory = u"kamedia://wendelgrid/media/stories/123/ABA00.mxf";
const std::u16string kStoryBelow = u"\\media\\stories\\123\\ABA00.mxf";

TEST(MountPointSubstitution, PlacesTheDecodedPathBelowTheMountPath) {
    struct Row {
        std::u16string url, mountPath, expected;
    };
    const Row rows[] = {
        {kStory, u"/Volumes/MountedGrid/", u"/Volumes/MountedGrid" + kStoryBelow},
        {kStory, u"/Volumes/MountedGrid", u"/Volumes/MountedGrid" + kStoryBelow},
        {kStory, u"/Volumes/MountedGrid\\", u"/Volumes/MountedGrid" + kStoryBelow},
        // Only one trailing separator is dropped.
        {kStory, u"/Volumes/MountedGrid//", u"/Volumes/MountedGrid/" + kStoryBelow},
        {kStory, u"", kStoryBelow},
        {kStory, u"/", kStoryBelow},
        {kStory, u"/Vol%20A/", u"/Vol A" + kStoryBelow},
        // The trailing separator goes before decoding: a decoded "/" stays.
        {u"kamedia://grid/a.mxf", u"/mnt%2F", u"/mnt/\\a.mxf"},
        {u"kamedia://grid/a.mxf", u"/mnt%2F/", u"/mnt/\\a.mxf"},
        // Decoding comes before the slash conversion.
        {u"kamedia://grid/a%20b/c%2Fd.mxf", u"/mnt", u"/mnt\\a b\\c\\d.mxf"},
        {u"kamedia://grid/a%5Cb.mxf", u"/mnt", u"/mnt\\a\\b.mxf"},
        {u"kamedia://grid", u"/mnt/", u"/mnt"},
        {u"kamedia://grid", u"/", u""},
        // The mount point of the URL plays no part.
        {u"kamedia://elsewhere/a.mxf", u"/mnt", u"/mnt\\a.mxf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.url) + " below " +
                     testing::PrintToString(row.mountPath));
        Media url;
        ASSERT_TRUE(kaurl::kamedia::Create(row.url, url));
        EXPECT_EQ(SubstituteMountPointAndReturnPath(url, row.mountPath), row.expected);
    }
}

TEST(MountPointSubstitution, InvalidUrlGivesEmptyPath) {
    for (const auto* mountPath : {u"", u"/mnt", u"/mnt/"}) {
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(), mountPath), u"");
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(u"kamedia:///a.mxf"), mountPath), u"");
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(u"http://grid/a.mxf"), mountPath), u"");
    }
}

// The composed URL reads like the one made from its text; substituting "/mnt"
// for it undoes the encoding.
TEST(MediaComposition, EncodesMountPointAndPath) {
    struct Row {
        std::u16string mountPoint, path, text, belowMnt;
    };
    const Row rows[] = {
        {u"wendelgrid", u"/media/stories/123/ABA00.mxf",
         u"kamedia://wendelgrid/media%2Fstories%2F123%2FABA00.mxf", kStoryBelow},
        {u"grid", u"\\media\\a b.mxf", u"kamedia://grid/media%5Ca%20b.mxf", u"\\media\\a b.mxf"},
        {u"My Grid", u"a", u"kamedia://My%20Grid/a", u"\\a"},
        {u"grid:1", u"a", u"kamedia://grid%3A1/a", u"\\a"},
        {u"grid", u"///", u"kamedia://grid/", u"\\"},
        {u"grid", u"", u"kamedia://grid/", u"\\"},
        {u"grid", u"/\\/clip.v2.mxf", u"kamedia://grid/clip.v2.mxf", u"\\clip.v2.mxf"},
        {u"\u00e9", u"\u00e9.mxf", u"kamedia://%C3%A9/%C3%A9.mxf", u"\\\u00e9.mxf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        Media url;
        ASSERT_TRUE(CreateFromMountPointAndPath(row.mountPoint, row.path, url));
        EXPECT_TRUE(url.IsValid());
        EXPECT_EQ(CaptureState(url), CaptureState(Media(row.text)));
        EXPECT_EQ(SubstituteMountPointAndReturnPath(url, u"/mnt"), u"/mnt" + row.belowMnt);
    }
}

TEST(MediaComposition, EmptyMountPointLeavesOutputUntouched) {
    Media url(kStory);
    const auto before = CaptureState(url);
    EXPECT_FALSE(CreateFromMountPointAndPath(u"", u"/media/a.mxf", url));
    EXPECT_EQ(CaptureState(url), before);
}

}  // namespace
