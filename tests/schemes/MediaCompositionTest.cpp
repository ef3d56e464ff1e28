// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kamedia.h"

#include <string>

#include <gtest/gtest.h>

#include "support/SameState.h"

namespace {

using kaurl::kamedia::CreateFromMountPointAndPath;
using kaurl::kamedia::SubstituteMountPointAndReturnPath;
using kaurl::test_support::ExpectSameState;
using Media = kaurl::kamedia::URL;

Media Built(const std::u16string& text) {
    Media url;
    EXPECT_TRUE(kaurl::kamedia::Create(text, url)) << "Create refused a test text";
    return url;
}

struct Substitution {
    std::u16string url;
    std::u16string mountPath;
    std::u16string expected;
};

void PrintTo(const Substitution& s, std::ostream* out) {
    *out << testing::PrintToString(s.url) << " below " << testing::PrintToString(s.mountPath);
}

class MountPointSubstitution : public testing::TestWithParam<Substitution> {};

TEST_P(MountPointSubstitution, PlacesTheDecodedPathBelowTheMountPath) {
    EXPECT_EQ(SubstituteMountPointAndReturnPath(Built(GetParam().url), GetParam().mountPath),
              GetParam().expected);
}

const std::u16string kStory = u"kamedia://wendelgrid/media/stories/123/ABA00.mxf";

INSTANTIATE_TEST_SUITE_P(
    Paths, MountPointSubstitution,
    testing::Values(Substitution{kStory, u"/Volumes/MountedGrid/",
                                 u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf"},
                    Substitution{kStory, u"/Volumes/MountedGrid",
                                 u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf"},
                    Substitution{kStory, u"/Volumes/MountedGrid\\",
                                 u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf"},
                    // Only one trailing separator is dropped.
                    Substitution{kStory, u"/Volumes/MountedGrid//",
                                 u"/Volumes/MountedGrid/\\media\\stories\\123\\ABA00.mxf"},
                    Substitution{kStory, u"", u"\\media\\stories\\123\\ABA00.mxf"},
                    Substitution{kStory, u"/", u"\\media\\stories\\123\\ABA00.mxf"},
                    Substitution{kStory, u"/Vol%20A/", u"/Vol A\\media\\stories\\123\\ABA00.mxf"},
                    // The trailing separator goes before decoding: a decoded "/" stays.
                    Substitution{u"kamedia://grid/a.mxf", u"/mnt%2F", u"/mnt/\\a.mxf"},
                    Substitution{u"kamedia://grid/a.mxf", u"/mnt%2F/", u"/mnt/\\a.mxf"},
                    // Decoding comes before the slash conversion.
                    Substitution{u"kamedia://grid/a%20b/c%2Fd.mxf", u"/mnt",
                                 u"/mnt\\a b\\c\\d.mxf"},
                    Substitution{u"kamedia://grid/a%5Cb.mxf", u"/mnt", u"/mnt\\a\\b.mxf"},
                    Substitution{u"kamedia://grid", u"/mnt/", u"/mnt"},
                    Substitution{u"kamedia://grid", u"/", u""},
                    // The mount point of the URL plays no part.
                    Substitution{u"kamedia://elsewhere/a.mxf", u"/mnt", u"/mnt\\a.mxf"}));

TEST(MountPointSubstitution, InvalidUrlGivesEmptyPath) {
    for (const auto* mountPath : {u"", u"/mnt", u"/mnt/"}) {
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(), mountPath), u"");
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(u"kamedia:///a.mxf"), mountPath), u"");
        EXPECT_EQ(SubstituteMountPointAndReturnPath(Media(u"http://grid/a.mxf"), mountPath), u"");
    }
}

struct Composition {
    std::u16string mountPoint;
    std::u16string path;
    std::u16string text;
    std::u16string mountPointPart, fileName, extension;
};

class MediaComposition : public testing::TestWithParam<Composition> {};

TEST_P(MediaComposition, EncodesMountPointAndPath) {
    const Composition& c = GetParam();
    Media url;
    ASSERT_TRUE(CreateFromMountPointAndPath(c.mountPoint, c.path, url));
    EXPECT_TRUE(url.IsValid());
    EXPECT_EQ(url.GetURIString(), c.text);
    EXPECT_EQ(url.GetMountPoint(), c.mountPointPart);
    EXPECT_EQ(url.GetFileName(), c.fileName);
    EXPECT_EQ(url.GetFileExtension(), c.extension);
    EXPECT_EQ(url.GetPort(), u"");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MediaComposition,
    testing::Values(Composition{u"wendelgrid", u"/media/stories/123/ABA00.mxf",
                                u"kamedia://wendelgrid/media%2Fstories%2F123%2FABA00.mxf",
                                u"wendelgrid", u"media%2Fstories%2F123%2FABA00.mxf", u"mxf"},
                    Composition{u"grid", u"\\media\\a b.mxf", u"kamedia://grid/media%5Ca%20b.mxf",
                                u"grid", u"media%5Ca%20b.mxf", u"mxf"},
                    Composition{u"My Grid", u"a", u"kamedia://My%20Grid/a", u"My%20Grid", u"a",
                                u""},
                    Composition{u"grid:1", u"a", u"kamedia://grid%3A1/a", u"grid%3A1", u"a", u""},
                    Composition{u"grid", u"///", u"kamedia://grid/", u"grid", u"", u""},
                    Composition{u"grid", u"", u"kamedia://grid/", u"grid", u"", u""},
                    Composition{u"grid", u"/\\/clip.v2.mxf", u"kamedia://grid/clip.v2.mxf", u"grid",
                                u"clip.v2.mxf", u"mxf"},
                    Composition{u"\u00e9", u"\u00e9.mxf", u"kamedia://%C3%A9/%C3%A9.mxf", u"%C3%A9",
                                u"%C3%A9.mxf", u"mxf"}));

TEST(MediaComposition, RoundTripsThroughTheSubstitution) {
    Media composed;
    ASSERT_TRUE(
        CreateFromMountPointAndPath(u"wendelgrid", u"/media/stories/123/ABA00.mxf", composed));
    EXPECT_EQ(SubstituteMountPointAndReturnPath(composed, u"/Volumes/MountedGrid/"),
              SubstituteMountPointAndReturnPath(Built(kStory), u"/Volumes/MountedGrid/"));

    ASSERT_TRUE(CreateFromMountPointAndPath(u"grid", u"\\media\\a b.mxf", composed));
    EXPECT_EQ(SubstituteMountPointAndReturnPath(composed, u"/mnt"), u"/mnt\\media\\a b.mxf");

    ASSERT_TRUE(CreateFromMountPointAndPath(u"grid", u"///", composed));
    EXPECT_EQ(SubstituteMountPointAndReturnPath(composed, u"/mnt"), u"/mnt\\");
}

TEST(MediaComposition, EmptyMountPointLeavesOutputUntouched) {
    Media url = Built(kStory);
    const Media before(url);
    EXPECT_FALSE(CreateFromMountPointAndPath(u"", u"/media/a.mxf", url));
    ExpectSameState(url, before);
    EXPECT_EQ(url.GetMountPoint(), u"wendelgrid");
}

}  // namespace
