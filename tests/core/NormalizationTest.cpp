// SPDX-License-Identifier: BSL-1.0
// Normalization, equivalence, relative references and component coding.
#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::Normalization;
using kaurl::UTF16String;

struct Normal {
    UTF16String text, syntaxBased, schemeBased;
};

const Normal kNormals[] = {
    {u"HTTP://Example.ORG:80/a/./b/../c%7e", u"http://example.org:80/a/c~",
     u"http://example.org/a/c~"},
    {u"http://h:080", u"http://h:080", u"http://h/"},
    {u"https://h:443?q", u"https://h:443?q", u"https://h/?q"},
    {u"http://h:/", u"http://h:/", u"http://h/"},
    {u"http://h:443/", u"http://h:443/", u"http://h:443/"},
    {u"http://h:+80/", u"http://h:+80/", u"http://h:+80/"},
    {u"file://LocalHost/etc", u"file://localhost/etc", u"file:///etc"},
    {u"kasynthetic://ID%2fx/a/../b", u"kasynthetic://id%2Fx/b", u"kasynthetic://id%2Fx/b"},
    {u"kamedia://Grid%2fA/media%2Fs%5c1/../a%7E.mxf", u"kamedia://grid%2Fa/a~.mxf",
     u"kamedia://Grid%2FA/media/s/a~.mxf"},
    {u"s:%7e%41%2f%c3%a9?%7E#%7e", u"s:~A%2F%C3%A9?~#~", u"s:~A%2F%C3%A9?~#~"},
    {u"s://User%7e@%41B%c3:Port/", u"s://User~@ab%C3:Port/", u"s://User~@ab%C3:Port/"},
    {u"s://[FE80::A]:1", u"s://[fe80::a]:1", u"s://[fe80::a]:1"},
    {u"s://\u00C9X/", u"s://\u00C9x/", u"s://\u00C9x/"},  // ASCII letters only
    {u"s:%%341/100%", u"s:%%341/100%", u"s:%%341/100%"},  // a bare "%" stays bare
    {u"s:p?#", u"s:p?#", u"s:p?#"},
    {u"f:/.//g", u"f:/.//g", u"f:/.//g"},
    {u"abc/..", u"./", u"./"},  // relative references keep what they point to
    {u"x/../a:b", u"./a:b", u"./a:b"},
    {u".//g", u".//g", u".//g"},
    {u"../a/./b/../c", u"../a/c", u"../a/c"},
    {u"a/b/../../..", u"../", u"../"},
    {u"", u"", u""},
    {u"?Q%7e", u"?Q~", u"?Q~"},
    {u"//Host/a/../b", u"//host/b", u"//host/b"},
    {u"/a/./b/%2E%2E", u"/a/", u"/a/"},
};

TEST(Normalization, BothLevels) {
    for (const Normal& row : kNormals) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        for (const auto& [level, expected] :
             {std::pair{Normalization::SyntaxBased, row.syntaxBased},
              std::pair{Normalization::SchemeBased, row.schemeBased}}) {
            UTF16String normalized;
            EXPECT_TRUE(kaurl::Normalize(row.text, normalized, level));
            EXPECT_EQ(normalized, expected);
            UTF16String again;
            kaurl::Normalize(normalized, again, level);
            EXPECT_EQ(again, normalized);  // idempotent
        }
    }
}

TEST(Normalization, ComposedMediaUrlMatchesItsPlainForm) {
    kaurl::kamedia::URL composed;
    ASSERT_TRUE(
        kaurl::kamedia::CreateFromMountPointAndPath(u"wendelgrid", u"/media/a b.mxf", composed));
    EXPECT_TRUE(
        kaurl::AreEquivalent(composed.GetURIString(), u"kamedia://wendelgrid/media/a%20b.mxf"));
    kaurl::kamedia::URL normalized;
    EXPECT_TRUE(kaurl::kamedia::Normalize(composed, normalized));
    EXPECT_EQ(normalized.GetURIString(), u"kamedia://wendelgrid/media/a%20b.mxf");
    EXPECT_FALSE(kaurl::kamedia::Normalize(kaurl::kamedia::URL(u"kamedia:/x"), normalized));
    EXPECT_EQ(normalized.GetFileName(), u"a%20b.mxf");
}

TEST(Equivalence, ComparesNormalForms) {
    struct Row {
        UTF16String first, second;
        bool syntaxBased, schemeBased;
    };
    const Row rows[] = {
        {u"HTTP://Example.ORG:80/a/./b/../c%7e", u"http://example.org/a/c~", false, true},
        {u"http://a/%7e", u"http://a/~", true, true},
        {u"http://a/%2F", u"http://a//", false, false},
        {u"http://a", u"http://a/", false, true},
        {u"s:a", u"s:b", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.first + u" ~ " + row.second));
        EXPECT_EQ(kaurl::AreEquivalent(row.first, row.second, Normalization::SyntaxBased),
                  row.syntaxBased);
        EXPECT_EQ(kaurl::AreEquivalent(row.first, row.second), row.schemeBased);
    }
}

constexpr char16_t kBase[] = u"http://a/b/c/d;p?q";

TEST(MakeRelative, ShortestReferenceThatRoundTrips) {
    struct Row {
        UTF16String base, target, expected;
    };
    const Row rows[] = {
        {kBase, u"http://a/b/c/g", u"g"},
        {kBase, u"http://a/b/g", u"/b/g"},  // as short as "../g", with no ".."
        {kBase, u"http://a/g", u"/g"},
        {kBase, u"http://a/b/c/d;p?q#s", u"#s"},
        {kBase, u"http://a/b/c/d;p?y", u"?y"},
        {kBase, u"http://a/b/c/d;p", u"d;p"},
        {kBase, u"http://a/b/c/", u"."},
        {kBase, u"http://g/x", u"//g/x"},
        {kBase, u"https://a/b/c/g", u"https://a/b/c/g"},
        {kBase, u"HTTP://a/b/c/g", u"HTTP://a/b/c/g"},  // schemes compared as written
        {u"f:/a/b", u"f:/a//g", u".//g"},
        {u"s:/a/b", u"s:/a/c:d", u"./c:d"},
        {u"http://a/b/c#f", u"http://a/b/c", u""},
        {u"http://a/b/c/d", u"http://a/b/c/d/../e", u"e"},
        {u"http://a/b/c", u"http://a", u"//a"},
        {u"http://a", u"http://a/x", u"x"},
        {u"foo:a/b", u"foo:/c", u"/c"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.base + u" -> " + row.target));
        UTF16String reference = u"untouched";
        EXPECT_TRUE(kaurl::MakeRelative(row.base, row.target, reference));
        EXPECT_EQ(reference, row.expected);
        // Against every target of the table: the answer resolves where the
        // target does, and is never longer.
        for (const Row& other : rows) {
            UTF16String answer;
            UTF16String viaAnswer;
            UTF16String viaTarget;
            kaurl::MakeRelative(row.base, other.target, answer);
            kaurl::ResolveReference(row.base, answer, viaAnswer);
            kaurl::ResolveReference(row.base, other.target, viaTarget);
            EXPECT_EQ(viaAnswer, viaTarget) << testing::PrintToString(other.target);
            EXPECT_LE(answer.size(), other.target.size());
        }
    }
    UTF16String reference = u"untouched";
    EXPECT_FALSE(kaurl::MakeRelative(u"/a", u"s:b", reference));
    EXPECT_FALSE(kaurl::MakeRelative(u"s:a", u"b", reference));
    EXPECT_EQ(reference, u"untouched");
}

TEST(ComponentCoding, EncodesAndDecodesStrictly) {
    const std::pair<UTF16String, UTF16String> encodings[] = {
        {u"rock & roll", u"rock%20%26%20roll"},
        {u"a/b+c", u"a%2Fb%2Bc"},
        {u"\u00e9~-._", u"%C3%A9~-._"},
        {u"", u""},
    };
    for (const auto& [text, expected] : encodings) {
        UTF16String encoded;
        UTF16String decoded;
        EXPECT_TRUE(kaurl::EncodeComponent(text, encoded));
        EXPECT_EQ(encoded, expected);
        EXPECT_TRUE(kaurl::DecodeComponent(encoded, decoded));
        EXPECT_EQ(decoded, text);
    }
    UTF16String path;
    EXPECT_TRUE(kaurl::EncodeComponent(u"/a b//c.mxf/", path, kaurl::ComponentEncoding::Path));
    EXPECT_EQ(path, u"/a%20b//c.mxf/");

    UTF16String decoded = u"untouched";
    EXPECT_TRUE(kaurl::DecodeComponent(u"a+b%c3%A9", decoded));
    EXPECT_EQ(decoded, u"a+b\u00e9");
    decoded = u"untouched";
    for (const UTF16String bad : {u"%G1", u"100%", u"%4", u"%FF", u"%C0%AF", u"%C3", u"\xD800"}) {
        EXPECT_FALSE(kaurl::DecodeComponent(bad, decoded)) << testing::PrintToString(bad);
        EXPECT_FALSE(kaurl::EncodeComponent(u"a\xDC00", decoded));
        EXPECT_EQ(decoded, u"untouched");
    }
}

}  // namespace
