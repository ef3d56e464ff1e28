// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kamedia.h"

#include <string>

#include <gtest/gtest.h>

#include "support/RowName.h"
#include "support/UrlState.h"

namespace {

using kaurl::test_support::CaptureGenericParts;
using kaurl::test_support::CaptureState;
using Media = kaurl::kamedia::URL;

struct MediaCase {
    std::u16string text;
    bool valid, isMediaScheme;
    std::u16string mountPoint = {}, fileName = {}, extension = {};
};

void PrintTo(const MediaCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

// Rows: text, IsValid, IsKAMediaURI, mount point, file name, extension.
const MediaCase kMediaCases[] = {
    {u"kamedia://wendelgrid/media/stories/123/ABA00.mxf", true, true, u"wendelgrid", u"ABA00.mxf",
     u"mxf"},
    {u"kamedia://user@grid:99/a.mxf", true, true, u"user@grid:99", u"a.mxf", u"mxf"},
    {u"kamedia://Grid/a.mxf", true, true, u"Grid", u"a.mxf", u"mxf"},
    {u"KAMEDIA://grid/a.mxf", true, true, u"grid", u"a.mxf", u"mxf"},
    {u"kamedia://grid/dir.old/clip", true, true, u"grid", u"clip", u"old/clip"},
    {u"kamedia://grid/media/clip", true, true, u"grid", u"clip"},
    {u"kamedia://grid/media/", true, true, u"grid"},
    {u"kamedia://grid/clip.", true, true, u"grid", u"clip."},
    {u"kamedia://grid/.hidden", true, true, u"grid", u".hidden", u"hidden"},
    {u"kamedia://grid", true, true, u"grid"},
    {u"kamedia://grid/dir\\a.mxf", true, true, u"grid", u"dir\\a.mxf", u"mxf"},
    // The constructor keeps backslashes: all of it is the authority.
    {u"kamedia://grid\\media\\a.mxf", true, true, u"grid\\media\\a.mxf"},
    // No mount point: invalid, yet the file parts are stored.
    {u"kamedia:///media/a.mxf", false, true, u"", u"a.mxf", u"mxf"},
    {u"kamedia:/media/a.mxf", false, true, u"", u"a.mxf", u"mxf"},
    {u"kamedia:", false, true},
    // Another scheme: the decomposition's table stays as it was.
    {u"http://grid/a.mxf", false, false},
    {u"kamedias://grid/a.mxf", false, false},
    {u"kamedi://grid", false, false},
    {u"//grid/a.mxf", false, false},
    {u"", false, false},
};

class MediaUrl : public testing::TestWithParam<MediaCase> {};

// The authority, when there is one, moves to the mount point whole; every
// other generic part stays as the decomposition stored it.
TEST_P(MediaUrl, ReadsItsParts) {
    const MediaCase& c = GetParam();
    const Media url(c.text);
    EXPECT_EQ(url.IsValid(), c.valid);
    EXPECT_EQ(kaurl::kamedia::IsKAMediaURI(url), c.isMediaScheme);
    EXPECT_EQ(url.GetMountPoint(), c.mountPoint);
    EXPECT_EQ(url.GetFileName(), c.fileName);
    EXPECT_EQ(url.GetFileExtension(), c.extension);
    auto expected = CaptureGenericParts(kaurl::URI(c.text));
    if (!c.mountPoint.empty()) {
        expected["Authority"] = u"";
    }
    EXPECT_EQ(CaptureGenericParts(url), expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, MediaUrl, testing::ValuesIn(kMediaCases),
                         kaurl::test_support::RowName());

TEST(MediaUrl, OnlyAnotherSchemeClearsTheBaseFlag) {
    EXPECT_FALSE(Media(u"http://grid/a.mxf").kaurl::URI::IsValid());
    EXPECT_TRUE(Media(u"kamedia:///a.mxf").kaurl::URI::IsValid());
}

// Create reads backslashes as slashes, and the converted text decides.
TEST(MediaCreate, ReadsBackslashesAsSlashes) {
    Media url;
    ASSERT_TRUE(kaurl::kamedia::Create(u"kamedia://grid\\media\\a.mxf", url));
    EXPECT_EQ(CaptureState(url), CaptureState(Media(u"kamedia://grid/media/a.mxf")));
    ASSERT_TRUE(kaurl::kamedia::Create(u"kamedia://Grid/clips\\a.b.mxf?q#f", url));
    const auto created = CaptureState(url);
    EXPECT_EQ(created, CaptureState(Media(u"kamedia://Grid/clips/a.b.mxf?q#f")));
    EXPECT_FALSE(kaurl::kamedia::Create(u"kamedia://\\a.mxf", url));
    EXPECT_EQ(CaptureState(url), created);
}

}  // namespace
