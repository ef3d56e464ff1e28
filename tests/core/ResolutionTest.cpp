// SPDX-License-Identifier: BSL-1.0
// Resolving references: every example of RFC 3986, section 5.4, the walk
// through section 5.2.4, the rules where the RFC's text needs reading, and
// the media rule.
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "core/DotSegments.h"
#include "core/Resolution.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

namespace {

using kaurl::ResolutionMode;
using kaurl::UTF16String;

struct Resolution {
    UTF16String base, reference, expected;
};

constexpr char16_t kRfcBase[] = u"http://a/b/c/d;p?q";

// Section 5.4.1, then 5.4.2 (strict: "http:g" stays).
const Resolution kRfcExamples[] = {
    {kRfcBase, u"g:h", u"g:h"},
    {kRfcBase, u"g", u"http://a/b/c/g"},
    {kRfcBase, u"./g", u"http://a/b/c/g"},
    {kRfcBase, u"g/", u"http://a/b/c/g/"},
    {kRfcBase, u"/g", u"http://a/g"},
    {kRfcBase, u"//g", u"http://g"},
    {kRfcBase, u"?y", u"http://a/b/c/d;p?y"},
    {kRfcBase, u"g?y", u"http://a/b/c/g?y"},
    {kRfcBase, u"#s", u"http://a/b/c/d;p?q#s"},
    {kRfcBase, u"g#s", u"http://a/b/c/g#s"},
    {kRfcBase, u"g?y#s", u"http://a/b/c/g?y#s"},
    {kRfcBase, u";x", u"http://a/b/c/;x"},
    {kRfcBase, u"g;x", u"http://a/b/c/g;x"},
    {kRfcBase, u"g;x?y#s", u"http://a/b/c/g;x?y#s"},
    {kRfcBase, u"", u"http://a/b/c/d;p?q"},
    {kRfcBase, u".", u"http://a/b/c/"},
    {kRfcBase, u"./", u"http://a/b/c/"},
    {kRfcBase, u"..", u"http://a/b/"},
    {kRfcBase, u"../", u"http://a/b/"},
    {kRfcBase, u"../g", u"http://a/b/g"},
    {kRfcBase, u"../..", u"http://a/"},
    {kRfcBase, u"../../", u"http://a/"},
    {kRfcBase, u"../../g", u"http://a/g"},
    {kRfcBase, u"../../../g", u"http://a/g"},
    {kRfcBase, u"../../../../g", u"http://a/g"},
    {kRfcBase, u"/./g", u"http://a/g"},
    {kRfcBase, u"/../g", u"http://a/g"},
    {kRfcBase, u"g.", u"http://a/b/c/g."},
    {kRfcBase, u".g", u"http://a/b/c/.g"},
    {kRfcBase, u"g..", u"http://a/b/c/g.."},
    {kRfcBase, u"..g", u"http://a/b/c/..g"},
    {kRfcBase, u"./../g", u"http://a/b/g"},
    {kRfcBase, u"./g/.", u"http://a/b/c/g/"},
    {kRfcBase, u"g/./h", u"http://a/b/c/g/h"},
    {kRfcBase, u"g/../h", u"http://a/b/c/h"},
    {kRfcBase, u"g;x=1/./y", u"http://a/b/c/g;x=1/y"},
    {kRfcBase, u"g;x=1/../y", u"http://a/b/c/y"},
    {kRfcBase, u"g?y/./x", u"http://a/b/c/g?y/./x"},
    {kRfcBase, u"g?y/../x", u"http://a/b/c/g?y/../x"},
    {kRfcBase, u"g#s/./x", u"http://a/b/c/g#s/./x"},
    {kRfcBase, u"g#s/../x", u"http://a/b/c/g#s/../x"},
    {kRfcBase, u"http:g", u"http:g"},
};

// What the RFC leaves to a careful reading, and what the library adds.
const Resolution kRules[] = {
    {u"f:/a", u".//g", u"f:/.//g"},             // "//g" must not read as an authority
    {u"f:/a", u"/.//g", u"f:/.//g"},            // the same from an absolute path
    {u"foo:a/b", u"../c", u"foo:/c"},           // a rootless base merges by the letter
    {u"foo:a", u"b", u"foo:b"},                 // no "/" in the base: the reference alone
    {u"foo:", u"b", u"foo:b"},                  // an empty path without authority
    {u"http://a", u"b", u"http://a/b"},         // an empty path with authority gives "/"
    {u"http://a/b?q#f", u"?", u"http://a/b?"},  // an empty query stays defined
    {u"http://a/b?q#f", u"#", u"http://a/b?q#"},
    {u"http://a/b?q#f", u"", u"http://a/b?q"},
    {u"s:p?#", u"", u"s:p?"},
    {u"http://a/b/c", u"%2E%2E/g", u"http://a/b/%2E%2E/g"},  // encoded dots are data
    {u"http://a/b%2Fc/d", u"../g", u"http://a/g"},           // and so are encoded slashes
    {u"HTTP://A/b/./c", u"", u"HTTP://A/b/./c"},             // the base as written
    {u"http://a/b/./c", u"d", u"http://a/b/d"},
    {u"http://[::1]:8/a", u"b", u"http://[::1]:8/b"},
    {u"http://a/b", u"//[::1]/../x?#", u"http://[::1]/x?#"},
    {u"S://U@H:8/a", u"b?#", u"S://U@H:8/b?#"},
    {u"s:///a#f", u"?", u"s:///a?"},  // an empty authority stays
};

TEST(Resolution, EveryRfcExample) {
    for (const Resolution& row : kRfcExamples) {
        UTF16String result = u"untouched";
        EXPECT_TRUE(kaurl::ResolveReference(row.base, row.reference, result));
        EXPECT_EQ(result, row.expected) << testing::PrintToString(row.reference);
    }
}

TEST(Resolution, RulesBeyondTheExamples) {
    for (const Resolution& row : kRules) {
        UTF16String result;
        EXPECT_TRUE(kaurl::ResolveReference(row.base, row.reference, result));
        EXPECT_EQ(result, row.expected)
            << testing::PrintToString(row.base + u" + " + row.reference);
    }
}

TEST(Resolution, NonStrictReadsTheBaseSchemeAsRelative) {
    const Resolution rows[] = {
        {kRfcBase, u"http:g", u"http://a/b/c/g"},
        {kRfcBase, u"HTTP:g", u"http://a/b/c/g"},  // schemes compared without case
        {kRfcBase, u"https:g", u"https:g"},
        {kRfcBase, u"http://x/g", u"http://x/g"},
    };
    for (const Resolution& row : rows) {
        UTF16String result;
        EXPECT_TRUE(
            kaurl::ResolveReference(row.base, row.reference, result, ResolutionMode::NonStrict));
        EXPECT_EQ(result, row.expected) << testing::PrintToString(row.reference);
    }
}

TEST(Resolution, BaseWithoutSchemeIsRefused) {
    for (const UTF16String base : {u"", u"/a/b", u"//host/a", u":x", u"a/b:c"}) {
        UTF16String result = u"untouched";
        EXPECT_FALSE(kaurl::ResolveReference(base, u"g", result)) << testing::PrintToString(base);
        EXPECT_EQ(result, u"untouched");
    }
}

std::vector<Resolution> AllRows() {
    std::vector<Resolution> rows(std::begin(kRfcExamples), std::end(kRfcExamples));
    rows.insert(rows.end(), std::begin(kRules), std::end(kRules));
    return rows;
}

bool SameComponents(const kaurl::detail::ReferenceText& a, const kaurl::detail::ReferenceText& b) {
    return a.hasScheme == b.hasScheme && a.hasAuthority == b.hasAuthority &&
           a.hasQuery == b.hasQuery && a.hasFragment == b.hasFragment && a.scheme == b.scheme &&
           a.authority == b.authority && a.path == b.path && a.query == b.query &&
           a.fragment == b.fragment;
}

// The components a resolution hands on with its text are those a reading of
// that text finds.
TEST(Resolution, WrittenComponentsReadBack) {
    for (const Resolution& row : AllRows()) {
        kaurl::detail::ReferenceText base, reference, reread;
        ASSERT_TRUE(kaurl::detail::ReadReference(row.base, base));
        ASSERT_TRUE(kaurl::detail::ReadReference(row.reference, reference));
        UTF16String text;
        const auto written = kaurl::detail::Resolve(base, reference, ResolutionMode::Strict, text);
        ASSERT_TRUE(kaurl::detail::ReadReference(text, reread));
        EXPECT_TRUE(SameComponents(written, reread))
            << testing::PrintToString(row.base + u" + " + row.reference);
    }
}

// Section 5.2.4's walk-through, and the step that makes it linear.
TEST(DotSegments, RemovedStepByStep) {
    const std::pair<UTF16String, UTF16String> rows[] = {
        {u"/a/b/c/./../../g", u"/a/g"},
        {u"mid/content=5/../6", u"mid/6"},
        {u"/..", u"/"},
        {u"/a/..", u"/"},
        {u"a/..", u"/"},
        {u"../a", u"a"},
        {u"/a/%2E%2E/b", u"/a/%2E%2E/b"},
        {u"/a//../b", u"/a/b"},
    };
    for (const auto& [path, expected] : rows) {
        EXPECT_EQ(kaurl::detail::RemoveDotSegments(path), expected) << testing::PrintToString(path);
    }
}

constexpr char16_t kMediaBase[] = u"kamedia://wendelgrid/media/stories/123/ABA00.mxf";
constexpr char16_t kComposedBase[] = u"kamedia://wendelgrid/media%2Fstories%2F123%2FABA00.mxf";

TEST(MediaResolution, ComposedAndPlainBasesAgree) {
    const Resolution rows[] = {
        {kMediaBase, u"ABA01.mxf", u"kamedia://wendelgrid/media/stories/123/ABA01.mxf"},
        {kComposedBase, u"ABA01.mxf", u"kamedia://wendelgrid/media/stories/123/ABA01.mxf"},
        {kComposedBase, u"../124/ABA01.mxf", u"kamedia://wendelgrid/media/stories/124/ABA01.mxf"},
        {u"kamedia://grid/media%5cstories%5C1.mxf", u"2.mxf",
         u"kamedia://grid/media/stories/2.mxf"},
        {u"kamedia://grid\\projects\\edit.xml", u"..\\media\\a.mxf", u"kamedia://grid/media/a.mxf"},
        {kMediaBase, u"../../../../../x", u"kamedia://wendelgrid/x"},  // never above the root
        {kMediaBase, u"%2E%2E/x", u"kamedia://wendelgrid/media/stories/123/%2E%2E/x"},
        {u"kamedia://grid/a%20b/c", u"d", u"kamedia://grid/a%20b/d"},  // other escapes stay
        {kMediaBase, u"http://h/x", u"http://h/x"},
        {u"http://h/a%2Fb", u"c", u"http://h/c"},  // the media rule is for media bases only
    };
    for (const Resolution& row : rows) {
        UTF16String result;
        EXPECT_TRUE(kaurl::kamedia::ResolveReference(row.base, row.reference, result));
        EXPECT_EQ(result, row.expected)
            << testing::PrintToString(row.base + u" + " + row.reference);
    }
}

// The object a resolution builds is the one its text constructs.
TEST(ObjectResolution, SameAsConstructed) {
    using Getter = UTF16String (kaurl::URI::*)() const;
    const Getter getters[] = {
        &kaurl::URI::GetURIString, &kaurl::URI::GetScheme, &kaurl::URI::GetAuthority,
        &kaurl::URI::GetUserInfo,  &kaurl::URI::GetHost,   &kaurl::URI::GetPort,
        &kaurl::URI::GetPath,      &kaurl::URI::GetQuery,  &kaurl::URI::GetFragment};
    for (const Resolution& row : AllRows()) {
        kaurl::URI resolved;
        ASSERT_TRUE(kaurl::ResolveReference(kaurl::URI(row.base), row.reference, resolved));
        const kaurl::URI constructed(row.expected);
        EXPECT_EQ(resolved.IsValid(), constructed.IsValid());
        for (const Getter get : getters) {
            EXPECT_EQ((resolved.*get)(), (constructed.*get)())
                << testing::PrintToString(row.expected);
        }
    }
}

// The object overloads: false and the output untouched when the result is no
// valid object of the class.
TEST(ObjectResolution, ResultMustBeOfTheClass) {
    kaurl::kamedia::URL media(u"kamedia://grid/untouched");
    const kaurl::kamedia::URL composed(kComposedBase);
    EXPECT_TRUE(kaurl::kamedia::ResolveReference(composed, u"..\\124\\x.mxf", media));
    EXPECT_EQ(media.GetURIString(), u"kamedia://wendelgrid/media/stories/124/x.mxf");
    EXPECT_EQ(media.GetFileName(), u"x.mxf");
    EXPECT_FALSE(kaurl::kamedia::ResolveReference(composed, u"http://h/", media));
    EXPECT_FALSE(kaurl::kamedia::ResolveReference(kaurl::kamedia::URL(), u"x", media));
    EXPECT_EQ(media.GetFileName(), u"x.mxf");

    kaurl::http::URL http;
    EXPECT_TRUE(kaurl::http::ResolveReference(kaurl::http::URL(kRfcBase), u"../g", http));
    EXPECT_EQ(http.GetURIString(), u"http://a/b/g");
    EXPECT_FALSE(kaurl::http::ResolveReference(http, u"//bad_host/", http));
    EXPECT_EQ(http.GetURIString(), u"http://a/b/g");

    kaurl::file::URL file(u"file:///untouched");
    EXPECT_TRUE(kaurl::file::ResolveReference(kaurl::file::URL(u"file:///a/b"), u"c", file));
    EXPECT_EQ(file.GetFileName(), u"c");
    EXPECT_FALSE(kaurl::file::ResolveReference(file, u"//host", file));  // no path
    EXPECT_FALSE(kaurl::file::Normalize(kaurl::file::URL(u"file://h"), file));
    EXPECT_EQ(file.GetURIString(), u"file:///a/c");

    kaurl::kasynthetic::URL synthetic;
    const kaurl::kasynthetic::URL importer(u"kasynthetic://Imp/x");
    EXPECT_TRUE(kaurl::kasynthetic::ResolveReference(importer, u"//other", synthetic));
    EXPECT_EQ(synthetic.GetSyntheticImporterID(), u"other");
    EXPECT_FALSE(kaurl::kasynthetic::ResolveReference(importer, u"//", synthetic));
    EXPECT_TRUE(kaurl::kasynthetic::Normalize(importer, synthetic));
    EXPECT_EQ(synthetic.GetURIString(), u"kasynthetic://imp/x");

    EXPECT_TRUE(kaurl::http::Normalize(kaurl::http::URL(u"HTTP://H:80"), http));
    EXPECT_EQ(http.GetURIString(), u"http://h/");

    kaurl::URI uri;
    EXPECT_TRUE(kaurl::Normalize(kaurl::URI(u"S://H/a/../b"), uri));
    EXPECT_EQ(uri.GetURIString(), u"s://h/b");
    EXPECT_FALSE(kaurl::Normalize(kaurl::URI(u"a/b"), uri));
    EXPECT_TRUE(kaurl::ResolveReference(kaurl::URI(u"s:/a/b"), u"c", uri));
    EXPECT_EQ(uri.GetPath(), u"/a/c");
    EXPECT_FALSE(kaurl::ResolveReference(kaurl::URI(u"/a"), u"c", uri));
    EXPECT_EQ(uri.GetPath(), u"/a/c");
}

}  // namespace
