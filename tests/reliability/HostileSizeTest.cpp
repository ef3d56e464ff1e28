// SPDX-License-Identifier: BSL-1.0
// Texts of several MiB through the decomposition, the scheme classes and the
// substitution. The results are checked exactly, so a step that gives up on
// long input (a Boost.Regex limit turning the object invalid) or recurses
// once per character shows up here; a hidden quadratic step shows up as a
// test that takes minutes; nothing is timed in an assertion.
#include <algorithm>
#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "kaurl/Relations.h"
#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::UTF16String;

// 2 Mi code units: 4 MiB of UTF-16.
constexpr std::size_t kUnits = std::size_t{2} << 20;

UTF16String Repeat(const UTF16String& piece, std::size_t units) {
    UTF16String text;
    text.reserve(units + piece.size());
    while (text.size() < units) {
        text += piece;
    }
    return text;
}

TEST(HostileSize, LongComponentsDecomposeExactly) {
    struct Row {
        UTF16String prefix;
        UTF16String piece;  // repeated to the long component
        UTF16String suffix;
        UTF16String (kaurl::URI::*getter)() const;
        bool valid;
    };
    const Row rows[] = {
        {u"s://host", u"/seg\u00e9", u"?q#f", &kaurl::URI::GetPath, true},
        {u"s://host/p?", u"k=v&%20/", u"#f", &kaurl::URI::GetQuery, true},
        {u"s://host/p?q#", u"a#?/\n", u"", &kaurl::URI::GetFragment, true},
        {u"s://", u"u@h:1", u"/p", &kaurl::URI::GetAuthority, true},
        {u"", u"ab+", u":rest", &kaurl::URI::GetScheme, true},
        // A scheme-like run that never meets its ":" is given back, unit by
        // unit, to the path.
        {u"", u"ab\n", u"", &kaurl::URI::GetPath, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.prefix + row.piece + u"..." + row.suffix));
        const UTF16String component = Repeat(row.piece, kUnits);
        const UTF16String text = row.prefix + component + row.suffix;
        const kaurl::URI uri(text);
        EXPECT_EQ(uri.IsValid(), row.valid);
        EXPECT_EQ(uri.GetURIString().size(), text.size());
        EXPECT_EQ((uri.*row.getter)(), component);
    }
}

TEST(HostileSize, LongHostPortAndFilePath) {
    const UTF16String host = Repeat(u"a-1.", kUnits);
    const kaurl::http::URL url(u"http://" + host + u":" + Repeat(u"9", kUnits) + u"/");
    EXPECT_TRUE(url.IsValid());
    EXPECT_EQ(url.GetHost(), host);
    EXPECT_EQ(url.GetPortNumber(), 80);
    EXPECT_FALSE(kaurl::http::URL(u"http://" + host + u"_/").IsValid());

    const kaurl::file::URL file(u"file://" + Repeat(u"/d.x", kUnits) + u"/name.txt");
    EXPECT_TRUE(file.IsValid());
    EXPECT_EQ(file.GetFileName(), u"name.txt");
    EXPECT_EQ(file.GetFileExtension(), u"txt");
}

// "%41" decodes to "A"; a run of bare "%" decodes window by window, three
// bytes into one, to a value the decoding chooses but always the same.
TEST(HostileSize, LongMediaPathsThroughCompositionAndSubstitution) {
    using namespace kaurl::kamedia;
    const UTF16String path = Repeat(u"dir \u00e9/", kUnits / 4) + u"clip.mxf";
    URL url;
    ASSERT_TRUE(CreateFromMountPointAndPath(u"grid", path, url));
    UTF16String expected = u"/mnt/" + path;
    std::replace(expected.begin() + 1, expected.end(), u'/', u'\\');
    EXPECT_EQ(SubstituteMountPointAndReturnPath(url, u"/mnt/"), expected);
    UTF16String resolved;
    EXPECT_TRUE(ResolveLocalPath(url, u"/mnt/", resolved, PathSeparator::Backslash));
    EXPECT_EQ(resolved, expected);
    EXPECT_EQ(url.GetFileExtension(), u"mxf");

    const UTF16String escapes = Repeat(u"%41", kUnits);
    EXPECT_EQ(SubstituteMountPointAndReturnPath(URL(u"kamedia://grid/" + escapes), u"/mnt"),
              u"/mnt\\" + UTF16String(escapes.size() / 3, u'A'));
    const UTF16String percents(kUnits, u'%');
    const UTF16String local =
        SubstituteMountPointAndReturnPath(URL(u"kamedia://grid/" + percents), u"/mnt");
    EXPECT_FALSE(ResolveLocalPath(URL(u"kamedia://grid/" + percents), u"/mnt", resolved));
    ASSERT_EQ(local.size(), 5 + (percents.size() + 2) / 3);
    EXPECT_EQ(local.substr(0, 5), u"/mnt\\");
    EXPECT_EQ(local.find_first_not_of(local[5], 5), UTF16String::npos);
}

// A path of a million "../" (or "./", "a/..") and one of a million segments:
// a dot-segment removal that searched its output or input from the start at
// each step would take hours here.
TEST(HostileSize, DotSegmentsInLinearTime) {
    const UTF16String ups = Repeat(u"../", kUnits);
    UTF16String result;
    ASSERT_TRUE(kaurl::ResolveReference(u"http://h/a/b", ups + u"g", result));
    EXPECT_EQ(result, u"http://h/g");
    ASSERT_TRUE(kaurl::Normalize(u"http://h/" + Repeat(u"a/../", kUnits) + u"g", result));
    EXPECT_EQ(result, u"http://h/g");
    ASSERT_TRUE(kaurl::Normalize(ups + u"g", result));
    EXPECT_EQ(result, ups + u"g");  // a relative reference keeps its ".."
    ASSERT_TRUE(kaurl::Normalize(u"s:" + Repeat(u"./", kUnits), result));
    EXPECT_EQ(result, u"s:");

    const UTF16String segments = Repeat(u"/s", kUnits);
    ASSERT_TRUE(kaurl::MakeRelative(u"http://h" + segments + u"/x", u"http://h" + segments + u"/y",
                                    result));
    EXPECT_EQ(result, u"y");
    ASSERT_TRUE(kaurl::MakeRelative(u"http://h" + segments + u"/x", u"http://h/y", result));
    EXPECT_EQ(result, u"/y");
}

}  // namespace
