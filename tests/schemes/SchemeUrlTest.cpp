// SPDX-License-Identifier: BSL-1.0
// What each scheme class reads from a text: its validity, whether its
// predicate accepts the scheme, the parts it adds, and the generic parts,
// which stay as the decomposition stored them except an authority that moves
// into a part of the class's own.
#include <string>

#include <gtest/gtest.h>

#include "support/UrlState.h"

namespace {

using kaurl::test_support::CaptureGenericParts;
using kaurl::test_support::CaptureState;
using Media = kaurl::kamedia::URL;
using Synthetic = kaurl::kasynthetic::URL;

void ExpectGenericParts(const kaurl::URI& url, const std::u16string& text, bool authorityMoved) {
    auto expected = CaptureGenericParts(kaurl::URI(text));
    if (authorityMoved) {
        expected["Authority"] = u"";
    }
    EXPECT_EQ(CaptureGenericParts(url), expected);
}

struct MediaCase {
    std::u16string text;
    bool valid, isMediaScheme;
    std::u16string mountPoint = {}, fileName = {}, extension = {};
};

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

TEST(MediaUrl, ReadsItsParts) {
    for (const MediaCase& c : kMediaCases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const Media url(c.text);
        EXPECT_EQ(url.IsValid(), c.valid);
        EXPECT_EQ(kaurl::kamedia::IsKAMediaURI(url), c.isMediaScheme);
        EXPECT_EQ(url.GetMountPoint(), c.mountPoint);
        EXPECT_EQ(url.GetFileName(), c.fileName);
        EXPECT_EQ(url.GetFileExtension(), c.extension);
        ExpectGenericParts(url, c.text, !c.mountPoint.empty());
    }
}

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

struct SyntheticCase {
    std::u16string text;
    bool valid, isSyntheticScheme;
    std::u16string identifier = {};
};

// Rows: text, IsValid, IsKASyntheticURI, identifier.
const SyntheticCase kSyntheticCases[] = {
    {u"kasynthetic://Importer-7", true, true, u"Importer-7"},
    {u"KASYNTHETIC://abc", true, true, u"abc"},
    {u"kasynthetic://u@Gen:5/rest?q#f", true, true, u"u@Gen:5"},
    {u"kasynthetic://id%20x", true, true, u"id%20x"},
    {u"kasynthetic:path-only", false, true},
    {u"kasynthetic:///x", false, true},
    {u"kasynthetic:", false, true},
    {u"kamedia://grid/a", false, false},
    {u"kasynthetic2://a", false, false},
    {u"kasyntheti://abc", false, false},
    {u"//abc", false, false},
};

TEST(SyntheticUrl, ReadsItsParts) {
    for (const SyntheticCase& c : kSyntheticCases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const Synthetic url(c.text);
        EXPECT_EQ(url.IsValid(), c.valid);
        EXPECT_EQ(kaurl::kasynthetic::IsKASyntheticURI(url), c.isSyntheticScheme);
        EXPECT_EQ(url.GetSyntheticImporterID(), c.identifier);
        ExpectGenericParts(url, c.text, !c.identifier.empty());
    }
}

// The identifier takes the authority's place, up to the first "/", "?" or
// "#"; the rest is path, query and fragment. A refusal leaves the output as
// it was.
TEST(SyntheticCompose, ReadsLikeTheTextWithTheIdentifier) {
    Synthetic url;
    for (const auto* identifier : {u"Gen-01-ab", u"gen/x?y#z"}) {
        ASSERT_TRUE(kaurl::kasynthetic::CreateFromSyntheticImporterID(identifier, url));
        EXPECT_EQ(CaptureState(url),
                  CaptureState(Synthetic(std::u16string(u"kasynthetic://") + identifier)));
    }
    EXPECT_EQ(url.GetSyntheticImporterID(), u"gen");
    const auto before = CaptureState(url);
    for (const auto* identifier : {u"", u"/gen", u"?gen", u"#gen"}) {
        EXPECT_FALSE(kaurl::kasynthetic::CreateFromSyntheticImporterID(identifier, url));
        EXPECT_EQ(CaptureState(url), before);
    }
}

struct FileCase {
    std::u16string text;
    bool valid, isFileScheme;
    std::u16string fileName = {}, extension = {};
};

// Rows: text, IsValid, IsFileURI, file name, extension.
const FileCase kFileCases[] = {
    {u"file:///C:/media/clip.mxf", true, true, u"clip.mxf", u"mxf"},
    {u"file:///srv/media/", true, true},
    {u"file:clip.mxf", true, true, u"", u"mxf"},
    {u"FILE:///a.b", true, true, u"a.b", u"b"},
    {u"file://host/share/a.txt", true, true, u"a.txt", u"txt"},
    {u"file://host", false, true},
    {u"file:", false, true},
    {u"http://host/a.txt", false, false},
    {u"files:///a.txt", false, false},
    {u"fil:x", false, false},
    {u"/a.txt", false, false},
};

TEST(FileUrl, ReadsItsParts) {
    for (const FileCase& c : kFileCases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const kaurl::file::URL url(c.text);
        EXPECT_EQ(url.IsValid(), c.valid);
        EXPECT_EQ(kaurl::file::IsFileURI(url), c.isFileScheme);
        EXPECT_EQ(url.GetFileName(), c.fileName);
        EXPECT_EQ(url.GetFileExtension(), c.extension);
        ExpectGenericParts(url, c.text, false);
    }
}

struct HttpCase {
    std::u16string text;
    bool valid, isHttpScheme;
    int portNumber;
};

// Rows: text, IsValid, IsHttpURI, port number. The host may hold only ASCII
// letters, digits, "." and "-" (0x80 is the first code unit past ASCII, 0x12E
// has "." as its low byte); an empty host passes. A port that is no number
// gives the scheme's default ("\uFF18\uFF10" are full-width digits); other
// schemes have their own port, else -1. The self-test's run checks the plain
// default ports and 60138.
const HttpCase kHttpCases[] = {{u"http://media.example.com/a", true, true, 80},
                               {u"https://Media-01.Example.COM:8443/a?b#c", true, true, 8443},
                               {u"HTTP://HOST", true, true, 80},
                               {u"http://192.168.0.1", true, true, 80},
                               {u"http:relative", true, true, 80},
                               {u"http://", true, true, 80},
                               {u"http://a_b.example", false, true, 80},
                               {u"https://a%41", false, true, 443},
                               {u"http://a b", false, true, 80},
                               {u"http://[::1]", false, true, 80},
                               {u"http://h\u0080", false, true, 80},
                               {u"http://h\u012e", false, true, 80},
                               {u"ftp://h", false, false, -1},
                               {u"httpx://h", false, false, -1},
                               {u"httpss://h", false, false, -1},
                               {u"htt://h", false, false, -1},
                               {u"//h", false, false, -1},
                               {u"", false, false, -1},
                               {u"http://h:0", true, true, 0},
                               {u"http://h:-1", true, true, -1},
                               {u"http://h:+8080", true, true, 8080},
                               {u"http://h:0080", true, true, 80},
                               {u"http://h:99999", true, true, 99999},
                               {u"http://h:-2147483648", true, true, -2147483648},
                               {u"http://h:2147483647", true, true, 2147483647},
                               {u"http://h:2147483648", true, true, 80},
                               {u"http://h:abc", true, true, 80},
                               {u"http://h:", true, true, 80},
                               {u"http://h: 80", true, true, 80},
                               {u"http://h:80 ", true, true, 80},
                               {u"http://h:-", true, true, 80},
                               {u"http://h:+-12", true, true, 80},
                               {u"https://h:8x", true, true, 443},
                               {u"http://h:\uFF18\uFF10", true, true, 80},
                               {u"ftp://files.example.com:21", false, false, 21}};

// The scheme step clears the base flag whenever the class is invalid.
TEST(HttpUrl, ChecksSchemeAndHostAndReadsThePort) {
    for (const HttpCase& c : kHttpCases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const kaurl::http::URL url(c.text);
        EXPECT_EQ(url.IsValid(), c.valid);
        EXPECT_EQ(url.kaurl::URI::IsValid(), c.valid);
        EXPECT_EQ(kaurl::http::IsHttpURI(url), c.isHttpScheme);
        EXPECT_EQ(url.GetPortNumber(), c.portNumber);
        ExpectGenericParts(url, c.text, false);
    }
}

}  // namespace
