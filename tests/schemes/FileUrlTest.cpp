// SPDX-License-Identifier: BSL-1.0
#include "kaurl/file.h"

#include <string>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "support/RowName.h"
#include "support/SameState.h"

namespace {

using kaurl::file::IsFileURI;
using kaurl::test_support::ExpectSameState;
using File = kaurl::file::URL;

struct FileCase {
    std::u16string text;
    bool valid;
    std::u16string fileName, extension, path;
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.text.size() << " code units";
}

// Rows: text, IsValid, file name, extension, path.
const FileCase kFileCases[] = {
    {u"file:///C:/media/clip.mxf", true, u"clip.mxf", u"mxf", u"/C:/media/clip.mxf"},
    {u"file:///srv/media/", true, u"", u"", u"/srv/media/"},
    {u"file:clip.mxf", true, u"", u"mxf", u"clip.mxf"},
    {u"FILE:///a.b", true, u"a.b", u"b", u"/a.b"},
    {u"file://host/share/a.txt", true, u"a.txt", u"txt", u"/share/a.txt"},
    {u"file://host", false, u"", u"", u""},
    {u"http://host/a.txt", false, u"", u"", u"/a.txt"},
    {u"files:///a.txt", false, u"", u"", u"/a.txt"},
    {u"/a.txt", false, u"", u"", u"/a.txt"},
};

class FileUrl : public testing::TestWithParam<FileCase> {};

void ExpectFileParts(const File& url, const FileCase& c) {
    EXPECT_EQ(url.IsValid(), c.valid);
    EXPECT_EQ(url.GetFileName(), c.fileName);
    EXPECT_EQ(url.GetFileExtension(), c.extension);
    EXPECT_EQ(url.GetPath(), c.path);
}

TEST_P(FileUrl, EveryConstructorGivesTheSameParts) {
    const File fromText(GetParam().text);
    ExpectFileParts(fromText, GetParam());
    ExpectFileParts(File(fromText), GetParam());
    ExpectFileParts(File(kaurl::URI(GetParam().text)), GetParam());
    File assigned(u"file:///before.txt");
    assigned = fromText;
    ExpectFileParts(assigned, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, FileUrl, testing::ValuesIn(kFileCases),
                         kaurl::test_support::RowName());

// Built from an object of another class, the file URL is invalid and adds
// nothing: it keeps only the file parts that object had.
TEST(FileUrl, ObjectOfAnotherClassKeepsOnlyItsOwnParts) {
    const File fromMedia(kaurl::kamedia::URL(u"kamedia://grid/a.mxf"));
    EXPECT_FALSE(fromMedia.IsValid());
    EXPECT_EQ(fromMedia.GetFileName(), u"a.mxf");
    EXPECT_EQ(fromMedia.GetFileExtension(), u"mxf");
    // The HTTP class has cleared the flag of this "file" text.
    const File fromHttp(kaurl::http::URL(u"file:///q.r"));
    EXPECT_FALSE(fromHttp.IsValid());
    EXPECT_EQ(fromHttp.GetFileName(), u"");
    EXPECT_EQ(fromHttp.GetFileExtension(), u"");
}

TEST(FileCreate, AssignsOnlyValidFileUrls) {
    File url(u"file:///kept.txt");
    const File before(url);
    EXPECT_FALSE(kaurl::file::Create(u"http://host/a.txt", url));
    EXPECT_FALSE(kaurl::file::Create(u"file://host", url));
    ExpectSameState(url, before);
    EXPECT_EQ(url.GetFileName(), u"kept.txt");

    ASSERT_TRUE(kaurl::file::Create(u"file:///C:/x/y.z", url));
    ExpectSameState(url, File(u"file:///C:/x/y.z"));
    EXPECT_EQ(url.GetFileExtension(), u"z");
}

TEST(FileClassification, LooksOnlyAtTheScheme) {
    EXPECT_TRUE(IsFileURI(kaurl::URI(u"file:")));
    EXPECT_FALSE(IsFileURI(kaurl::URI(u"files:x")));
    EXPECT_FALSE(IsFileURI(kaurl::URI(u"fil:x")));
    EXPECT_FALSE(IsFileURI(kaurl::URI(u"/x")));
}

}  // namespace
