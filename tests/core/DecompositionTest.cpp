// SPDX-License-Identifier: BSL-1.0
#include "kaurl/URI.h"

#include <locale>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>
#include <boost/regex/pattern_except.hpp>

#include "support/RowName.h"

namespace {

struct Components {
    // Components left out of a row are expected empty.
    Components(std::u16string scheme = {}, std::u16string authority = {},
               std::u16string userinfo = {}, std::u16string host = {}, std::u16string port = {},
               std::u16string path = {}, std::u16string query = {}, std::u16string fragment = {})
        : scheme(std::move(scheme)),
          authority(std::move(authority)),
          userinfo(std::move(userinfo)),
          host(std::move(host)),
          port(std::move(port)),
          path(std::move(path)),
          query(std::move(query)),
          fragment(std::move(fragment)) {}
    std::u16string scheme, authority, userinfo, host, port, path, query, fragment;
};

struct Case {
    std::u16string text;
    bool valid;
    Components expected;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

Components Read(const kaurl::URI& uri) {
    return {uri.GetScheme(), uri.GetAuthority(), uri.GetUserInfo(), uri.GetHost(),
            uri.GetPort(),   uri.GetPath(),      uri.GetQuery(),    uri.GetFragment()};
}

void ExpectComponents(const Components& actual, const Components& expected) {
    EXPECT_EQ(actual.scheme, expected.scheme);
    EXPECT_EQ(actual.authority, expected.authority);
    EXPECT_EQ(actual.userinfo, expected.userinfo);
    EXPECT_EQ(actual.host, expected.host);
    EXPECT_EQ(actual.port, expected.port);
    EXPECT_EQ(actual.path, expected.path);
    EXPECT_EQ(actual.query, expected.query);
    EXPECT_EQ(actual.fragment, expected.fragment);
}

// Each row: text, validity, then scheme, authority, userinfo, host, port,
// path, query, fragment.
const Case kCases[] = {
    {u"", false, {}},
    {u"http://joe@MyHost:8080/a/b?x=1#top",
     true,
     {u"http", u"joe@MyHost:8080", u"joe", u"myhost", u"8080", u"/a/b", u"x=1", u"top"}},
    {u"http://joe:secret@h:1/",
     true,
     {u"http", u"joe:secret@h:1", u"joe:secret", u"h", u"1", u"/"}},
    {u"HTTP://Host", true, {u"http", u"Host", u"", u"host"}},
    {u"mailto:someone", true, {u"mailto", u"", u"", u"", u"", u"someone"}},
    {u"urn:isbn:123", true, {u"urn", u"", u"", u"", u"", u"isbn:123"}},
    {u"//server/share", false, {u"", u"server", u"", u"server", u"", u"/share"}},
    {u"/local/file", false, {u"", u"", u"", u"", u"", u"/local/file"}},
    {u"relative/path", false, {u"", u"", u"", u"", u"", u"relative/path"}},
    {u"c:\\dir\\file", true, {u"c", u"", u"", u"", u"", u"\\dir\\file"}},
    {u":abc", false, {u"", u"", u"", u"", u"", u":abc"}},
    {u"a:", true, {u"a"}},
    {u"s://@h", true, {u"s", u"@h", u"", u"h"}},
    {u"s://h:", true, {u"s", u"h:", u"", u"h", u""}},
    {u"s://u@v@h:1:2", true, {u"s", u"u@v@h:1:2", u"u", u"v@h", u"1:2"}},
    {u"s://[::1]:80/", true, {u"s", u"[::1]:80", u"", u"[", u":1]:80", u"/"}},
    {u"s:////x", true, {u"s", u"", u"", u"", u"", u"//x"}},
    {u"s://h?q#f", true, {u"s", u"h", u"", u"h", u"", u"", u"q", u"f"}},
    {u"s:p?#", true, {u"s", u"", u"", u"", u"", u"p"}},
    {u"s:p#a?b#c", true, {u"s", u"", u"", u"", u"", u"p", u"", u"a?b#c"}},
    {u"s:p?a%20b", true, {u"s", u"", u"", u"", u"", u"p", u"a%20b"}},
    {u"s:/\u00e9?\u00e9#\u00e9",
     true,
     {u"s", u"", u"", u"", u"", u"/\u00e9", u"\u00e9", u"\u00e9"}},
    {u"s:a\nb", true, {u"s", u"", u"", u"", u"", u"a\nb"}},
    {std::u16string(u"s:a\0b#\0", 7),
     true,
     {u"s", u"", u"", u"", u"", std::u16string(u"a\0b", 3), u"", std::u16string(u"\0", 1)}},
    // A lone surrogate and a pair are ordinary code units.
    {u"s://\xD800\xDC00/\xDC00",
     true,
     {u"s", u"\xD800\xDC00", u"", u"\xD800\xDC00", u"", u"/\xDC00"}},
    {u"S1+.-://H%41:x", true, {u"s1+.-", u"H%41:x", u"", u"h%41", u"x"}},
};

class Decomposition : public testing::TestWithParam<Case> {};

TEST_P(Decomposition, YieldsComponentsAndValidity) {
    const Case& c = GetParam();
    const kaurl::URI uri(c.text);
    EXPECT_EQ(uri.IsValid(), c.valid);
    EXPECT_EQ(uri.GetURIString(), c.text);
    ExpectComponents(Read(uri), c.expected);
    EXPECT_EQ(kaurl::IsValid(c.text), c.valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, Decomposition, testing::ValuesIn(kCases),
                         kaurl::test_support::RowName());

TEST(Decomposition, EveryCodeUnitLandsInOneComponent) {
    // Rebuilding the text from the components gives it back whenever the
    // delimiters are present, so nothing is dropped or duplicated.
    const std::u16string text = u"Ab://u@h:9/p/q.r?k=v&w#frag?#x";
    const kaurl::URI uri(text);
    const std::u16string rebuilt = uri.GetURIString().substr(0, 2) + u"://" + uri.GetAuthority() +
                                   uri.GetPath() + u"?" + uri.GetQuery() + u"#" + uri.GetFragment();
    EXPECT_EQ(rebuilt, text);
}

TEST(Decomposition, LongTextsAreDecomposedWhole) {
    const std::u16string longPath(1 << 20, u'a');
    const kaurl::URI uri(u"s://h/" + longPath + u"?" + longPath + u"#" + longPath);
    EXPECT_TRUE(uri.IsValid());
    EXPECT_EQ(uri.GetPath().size(), longPath.size() + 1);
    EXPECT_EQ(uri.GetQuery(), longPath);
    EXPECT_EQ(uri.GetFragment(), longPath);
}

// A ctype facet that lowercases "A" to "Z" and U+00C9 (to U+00E9), and
// leaves every other code unit as it is. It throws boost::regex_error for
// `failing`, and with `reenters` its first lowercasing of U+00C9 builds a URI
// of its own and keeps what it read.
class TestCtype : public std::ctype<wchar_t> {
public:
    explicit TestCtype(std::optional<wchar_t> failing = {}, bool reenters = false)
        : failing_(failing), reenters_(reenters) {}
    mutable Components inner;

protected:
    wchar_t do_tolower(wchar_t unit) const override {
        if (unit == failing_) {
            throw boost::regex_error(boost::regex_constants::error_unknown);
        }
        if (unit == L'\u00C9' && reenters_) {
            reenters_ = false;
            inner = Read(kaurl::URI(u"Inner://In.Host:2/in?i#i"));
        }
        if (unit == L'\u00C9' || (unit >= L'A' && unit <= L'Z')) {
            return unit + 0x20;
        }
        return unit;
    }

private:
    std::optional<wchar_t> failing_;
    mutable bool reenters_;
};

// Makes `facet` the global locale's ctype facet for the object's lifetime.
class GlobalCtype {
public:
    explicit GlobalCtype(std::ctype<wchar_t>* facet)
        : previous_(std::locale::global(std::locale(std::locale::classic(), facet))) {}
    ~GlobalCtype() { std::locale::global(previous_); }

private:
    std::locale previous_;
};

struct FacetCase {
    std::optional<wchar_t> failing;
    std::u16string text;
    bool valid;
    Components expected;
};

void PrintTo(const FacetCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

// Rows: the code unit the facet fails on, if any, text, validity, then
// the components as above.
const FacetCase kFacetCases[] = {
    // The facet fails in the host: what was stored before the host stays.
    {L'O', u"s://u@hOst:1/p?q#f", false, {u"s", u"u@hOst:1", u"u", u"", u"1", u"/p", u"q", u"f"}},
    // Only the code units of scheme and host are lowercased.
    {L'Z',
     u"HTTP://Host/Zeta?Z#Z",
     true,
     {u"http", u"Host", u"", u"host", u"", u"/Zeta", u"Z", u"Z"}},
    {L'!', u"s://h", true, {u"s", u"h", u"", u"h"}},
    {std::nullopt,
     u"\u00C9X://\u00C9H/\u00C9?\u00C9#\u00C9",
     true,
     {u"\u00e9x", u"\u00C9H", u"", u"\u00e9h", u"", u"/\u00C9", u"\u00C9", u"\u00C9"}},
};

class DecompositionWithFacet : public testing::TestWithParam<FacetCase> {};

TEST_P(DecompositionWithFacet, LowercasesOnlySchemeAndHost) {
    const FacetCase& c = GetParam();
    const GlobalCtype installed(new TestCtype(c.failing));
    const kaurl::URI uri(c.text);
    EXPECT_EQ(uri.IsValid(), c.valid);
    ExpectComponents(Read(uri), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecompositionWithFacet, testing::ValuesIn(kFacetCases),
                         kaurl::test_support::RowName());

TEST(Decomposition, FacetThatDecomposesLeavesTheOuterURIAlone) {
    auto* facet = new TestCtype(std::nullopt, true);
    const GlobalCtype installed(facet);
    const kaurl::URI outer(u"\u00C9S://u@Outer.HOST:1/p?q#f");
    EXPECT_TRUE(outer.IsValid());
    ExpectComponents(Read(outer),
                     {u"\u00e9s", u"u@Outer.HOST:1", u"u", u"outer.host", u"1", u"/p", u"q", u"f"});
    ExpectComponents(facet->inner,
                     {u"inner", u"In.Host:2", u"", u"in.host", u"2", u"/in", u"i", u"i"});
}

}  // namespace

// Scheme and host are lowercased by the global locale of the moment.
class KeepsCase : public std::ctype<wchar_t> {
protected:
    wchar_t do_tolower(wchar_t unit) const override { return unit; }
    const wchar_t* do_tolower(wchar_t*, const wchar_t* end) const override { return end; }
};

TEST(Decomposition, LowercasesWithTheGlobalLocaleOfTheMoment) {
    const kaurl::URI keptCase = [] {
        const GlobalCtype installed(new KeepsCase);
        return kaurl::URI(u"HTTP://HOST");
    }();
    const kaurl::URI lowered(u"HTTP://HOST");
    EXPECT_EQ(keptCase.GetScheme(), u"HTTP");
    EXPECT_EQ(keptCase.GetHost(), u"HOST");
    EXPECT_EQ(lowered.GetScheme(), u"http");
    EXPECT_EQ(lowered.GetHost(), u"host");
}
