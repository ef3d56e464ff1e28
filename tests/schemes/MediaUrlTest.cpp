// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kamedia.h"

#include <string>

#include <gtest/gtest.h>

#include "support/RowName.h"
#include "support/SameState.h"

namespace {

using kaurl::test_support::ExpectSameState;
using Media = kaurl::kamedia::URL;

struct MediaCase {
    std::u16string text;
    bool valid;
    bool isMediaScheme;
    std::u16string mountPoint, fileName, extension, authority, host, path, userinfo, port;
};

void PrintTo(const MediaCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

// Rows: text, IsValid, IsKAMediaURI, mount point, file name, extension,
// authority, host, path, user information, port.
const MediaCase kMediaCases[] = {
    {u"kamedia://wendelgrid/media/stories/123/ABA00.mxf", true, true, u"wendelgrid", u"ABA00.mxf",
     u"mxf", u"", u"wendelgrid", u"/media/stories/123/ABA00.mxf", u"", u""},
    {u"kamedia://user@grid:99/a.mxf", true, true, u"user@grid:99", u"a.mxf", u"mxf", u"", u"grid",
     u"/a.mxf", u"user", u"99"},
    {u"kamedia://Grid/a.mxf", true, true, u"Grid", u"a.mxf", u"mxf", u"", u"grid", u"/a.mxf", u"",
     u""},
    {u"KAMEDIA://grid/a.mxf", true, true, u"grid", u"a.mxf", u"mxf", u"", u"grid", u"/a.mxf", u"",
     u""},
    {u"kamedia://grid/dir.old/clip", true, true, u"grid", u"clip", u"old/clip", u"", u"grid",
     u"/dir.old/clip", u"", u""},
    {u"kamedia://grid/media/clip", true, true, u"grid", u"clip", u"", u"", u"grid", u"/media/clip",
     u"", u""},
    {u"kamedia://grid/media/", true, true, u"grid", u"", u"", u"", u"grid", u"/media/", u"", u""},
    {u"kamedia://grid/clip.", true, true, u"grid", u"clip.", u"", u"", u"grid", u"/clip.", u"",
     u""},
    {u"kamedia://grid/.hidden", true, true, u"grid", u".hidden", u"hidden", u"", u"grid",
     u"/.hidden", u"", u""},
    {u"kamedia://grid", true, true, u"grid", u"", u"", u"", u"grid", u"", u"", u""},
    {u"kamedia://grid/dir\\a.mxf", true, true, u"grid", u"dir\\a.mxf", u"mxf", u"", u"grid",
     u"/dir\\a.mxf", u"", u""},
    // The constructor keeps backslashes: all of it is the authority.
    {u"kamedia://grid\\media\\a.mxf", true, true, u"grid\\media\\a.mxf", u"", u"", u"",
     u"grid\\media\\a.mxf", u"", u"", u""},
    // No mount point: invalid, yet the file parts are stored.
    {u"kamedia:///media/a.mxf", false, true, u"", u"a.mxf", u"mxf", u"", u"", u"/media/a.mxf", u"",
     u""},
    {u"kamedia:/media/a.mxf", false, true, u"", u"a.mxf", u"mxf", u"", u"", u"/media/a.mxf", u"",
     u""},
    // Another scheme: the decomposition's table stays as it was.
    {u"http://grid/a.mxf", false, false, u"", u"", u"", u"grid", u"grid", u"/a.mxf", u"", u""},
    {u"kamedias://grid/a.mxf", false, false, u"", u"", u"", u"grid", u"grid", u"/a.mxf", u"", u""},
    {u"//grid/a.mxf", false, false, u"", u"", u"", u"grid", u"grid", u"/a.mxf", u"", u""},
    {u"", false, false, u"", u"", u"", u"", u"", u"", u"", u""},
};

class MediaUrl : public testing::TestWithParam<MediaCase> {};

void ExpectMediaParts(const Media& url, const MediaCase& c) {
    EXPECT_EQ(url.IsValid(), c.valid);
    EXPECT_EQ(kaurl::kamedia::IsKAMediaURI(url), c.isMediaScheme);
    EXPECT_EQ(url.GetMountPoint(), c.mountPoint);
    EXPECT_EQ(url.GetFileName(), c.fileName);
    EXPECT_EQ(url.GetFileExtension(), c.extension);
    EXPECT_EQ(url.GetAuthority(), c.authority);
    EXPECT_EQ(url.GetHost(), c.host);
    EXPECT_EQ(url.GetPath(), c.path);
    EXPECT_EQ(url.GetUserInfo(), c.userinfo);
    EXPECT_EQ(url.GetPort(), c.port);
    EXPECT_EQ(url.GetURIString(), c.text);
}

TEST_P(MediaUrl, ConstructorFromText) {
    ExpectMediaParts(Media(GetParam().text), GetParam());
}

TEST_P(MediaUrl, EveryCopyReadsLikeTheConstructorFromText) {
    const Media original(GetParam().text);
    ExpectMediaParts(Media(original), GetParam());
    ExpectMediaParts(Media(kaurl::URI(GetParam().text)), GetParam());
    Media assigned(u"kamedia://other/x.y");
    assigned = original;
    ExpectMediaParts(assigned, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, MediaUrl, testing::ValuesIn(kMediaCases),
                         kaurl::test_support::RowName());

TEST(MediaUrl, WrongSchemeClearsTheBaseFlag) {
    const Media url(u"http://grid/a.mxf");
    EXPECT_FALSE(url.kaurl::URI::IsValid());
}

TEST(MediaUrl, MissingMountPointKeepsTheBaseFlag) {
    const Media url(u"kamedia:///a.mxf");
    EXPECT_TRUE(url.kaurl::URI::IsValid());
    EXPECT_FALSE(url.IsValid());
}

TEST(MediaUrl, DefaultIsInvalidAndEmpty) {
    const Media url;
    EXPECT_FALSE(url.IsValid());
    EXPECT_EQ(url.GetURIString(), u"");
    EXPECT_EQ(url.GetMountPoint(), u"");
    EXPECT_EQ(url.GetFileName(), u"");
}

TEST(MediaUrl, ConstructedFromAnotherSchemeObjectIsInvalid) {
    const Media url(kaurl::URI(u"file:///a.mxf"));
    EXPECT_FALSE(url.IsValid());
    EXPECT_EQ(url.GetFileName(), u"");
}

TEST(MediaCreate, TurnsBackslashesIntoSlashes) {
    Media url;
    ASSERT_TRUE(kaurl::kamedia::Create(u"kamedia://grid\\media\\a.mxf", url));
    EXPECT_EQ(url.GetURIString(), u"kamedia://grid/media/a.mxf");
    EXPECT_EQ(url.GetMountPoint(), u"grid");
    EXPECT_EQ(url.GetPath(), u"/media/a.mxf");
    EXPECT_EQ(url.GetFileName(), u"a.mxf");
    EXPECT_EQ(url.GetFileExtension(), u"mxf");
}

TEST(MediaCreate, RefusalLeavesTheOutputUntouched) {
    Media url;
    ASSERT_TRUE(kaurl::kamedia::Create(u"kamedia://keep/me.mxf", url));
    const Media before(url);
    for (const auto* text :
         {u"http://grid/a.mxf", u"kamedia:///a.mxf", u"kamedia:\\\\\\a.mxf", u"", u"no scheme"}) {
        EXPECT_FALSE(kaurl::kamedia::Create(text, url));
        ExpectSameState(url, before);
        EXPECT_EQ(url.GetMountPoint(), u"keep");
        EXPECT_EQ(url.GetFileName(), u"me.mxf");
    }
}

TEST(MediaCreate, ResultEqualsTheConstructorOnTheConvertedText) {
    Media url;
    ASSERT_TRUE(kaurl::kamedia::Create(u"kamedia://Grid/clips\\a.b.mxf?q#f", url));
    const Media expected(u"kamedia://Grid/clips/a.b.mxf?q#f");
    ExpectSameState(url, expected);
    EXPECT_EQ(url.GetMountPoint(), expected.GetMountPoint());
    EXPECT_EQ(url.GetFileExtension(), u"mxf");
}

TEST(MediaClassification, LooksOnlyAtTheScheme) {
    EXPECT_TRUE(kaurl::kamedia::IsKAMediaURI(kaurl::URI(u"kamedia:")));
    EXPECT_TRUE(kaurl::kamedia::IsKAMediaURI(kaurl::URI(u"KaMedia:/x")));
    EXPECT_FALSE(kaurl::kamedia::IsKAMediaURI(kaurl::URI(u"kamedias://grid/a")));
    EXPECT_FALSE(kaurl::kamedia::IsKAMediaURI(kaurl::URI(u"kamedi://grid/a")));
    EXPECT_FALSE(kaurl::kamedia::IsKAMediaURI(kaurl::URI(u"//grid/a")));
}

}  // namespace
