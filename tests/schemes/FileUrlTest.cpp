// SPDX-License-Identifier: BSL-1.0
#include "kaurl/file.h"

#include <string>

#include <gtest/gtest.h>

#include "support/RowName.h"
#include "support/UrlState.h"

namespace {

using kaurl::test_support::CaptureGenericParts;

struct FileCase {
    std::u16string text;
    bool valid, isFileScheme;
    std::u16string fileName = {}, extension = {};
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

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

class FileUrl : public testing::TestWithParam<FileCase> {};

TEST_P(FileUrl, ReadsItsParts) {
    const kaurl::file::URL url(GetParam().text);
    EXPECT_EQ(url.IsValid(), GetParam().valid);
    EXPECT_EQ(kaurl::file::IsFileURI(url), GetParam().isFileScheme);
    EXPECT_EQ(url.GetFileName(), GetParam().fileName);
    EXPECT_EQ(url.GetFileExtension(), GetParam().extension);
    EXPECT_EQ(CaptureGenericParts(url), CaptureGenericParts(kaurl::URI(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Texts, FileUrl, testing::ValuesIn(kFileCases),
                         kaurl::test_support::RowName());

}  // namespace
