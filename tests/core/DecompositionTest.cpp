// SPDX-License-Identifier: BSL-1.0
#include "kaurl/URI.h"

#include <array>
#include <locale>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <boost/regex/pattern_except.hpp>

#include "support/GlobalLocale.h"

namespace {

using kaurl::test_support::ClassicWith;
using kaurl::test_support::GlobalLocale;

// Scheme, authority, userinfo, host, port, path, query, fragment; those left
// out of a row are expected empty.
using Components = std::array<std::u16string, 8>;

Components Read(const kaurl::URI& uri) {
    return {uri.GetScheme(), uri.GetAuthority(), uri.GetUserInfo(), uri.GetHost(),
            uri.GetPort(),   uri.GetPath(),      uri.GetQuery(),    uri.GetFragment()};
}

struct Row {
    std::u16string text;
    bool valid;
    Components expected;
};

// The generic decomposition of the self-test's reference texts is checked by
// the self-test suite's own run.
TEST(Decomposition, YieldsComponentsAndValidity) {
    const Row rows[] = {
        {u"", false, {}},
        {u"http://joe@MyHost:8080/a/b?x=1#top",
         true,
         {u"http", u"joe@MyHost:8080", u"joe", u"myhost", u"8080", u"/a/b", u"x=1", u"top"}},
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
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        const kaurl::URI uri(row.text);
        EXPECT_EQ(uri.IsValid(), row.valid);
        EXPECT_EQ(uri.GetURIString(), row.text);
        EXPECT_EQ(Read(uri), row.expected);
        EXPECT_EQ(kaurl::IsValid(row.text), row.valid);
    }
}

// A ctype facet that lowercases "A" to "Z" and U+00C9 (to U+00E9), and
// leaves every other code unit as it is. It throws boost::regex_error for
// `failing`, each lowercasing of U+00C9 decomposes a URI of its own, and each
// of U+00D0 installs a global locale whose facet fails for U+00D0.
class TestCtype : public std::ctype<wchar_t> {
public:
    explicit TestCtype(std::optional<wchar_t> failing) : failing_(failing) {}
    mutable Components inner;  // what the facet's own decomposition read

protected:
    wchar_t do_tolower(wchar_t unit) const override {
        if (unit == failing_) {
            throw boost::regex_error(boost::regex_constants::error_unknown);
        }
        if (unit == L'\u00C9') {
            inner = Read(kaurl::URI(u"Inner://In.Host:2/in?i#i"));
        }
        if (unit == L'\u00D0') {
            std::locale::global(ClassicWith(new TestCtype(L'\u00D0')));
        }
        if (unit == L'\u00C9' || (unit >= L'A' && unit <= L'Z')) {
            return unit + 0x20;
        }
        return unit;
    }

private:
    std::optional<wchar_t> failing_;
};

// Scheme and host are each lowercased with the global locale of their moment;
// a decomposition started from inside the facet leaves the outer one alone.
TEST(Decomposition, LowercasesOnlySchemeAndHostWithTheGlobalFacet) {
    struct FacetRow {
        std::optional<wchar_t> failing;
        Row row;
    };
    const FacetRow rows[] = {
        // The facet fails in the host: what was stored before the host stays.
        {L'O',
         {u"s://u@hOst:1/p?q#f", false, {u"s", u"u@hOst:1", u"u", u"", u"1", u"/p", u"q", u"f"}}},
        // Only the code units of scheme and host are lowercased.
        {L'Z',
         {u"HTTP://Host/Zeta?Z#Z",
          true,
          {u"http", u"Host", u"", u"host", u"", u"/Zeta", u"Z", u"Z"}}},
        {L'!', {u"s://h", true, {u"s", u"h", u"", u"h"}}},
        // The scheme's facet installs one that fails for the host.
        {std::nullopt, {u"\u00D0://\u00D0", false, {u"\u00D0", u"\u00D0"}}},
        {std::nullopt,
         {u"\u00C9X://u@\u00C9.HOST:1/\u00C9?\u00C9#\u00C9",
          true,
          {u"\u00e9x", u"u@\u00C9.HOST:1", u"u", u"\u00e9.host", u"1", u"/\u00C9", u"\u00C9",
           u"\u00C9"}}},
    };
    const Components inner = {u"inner", u"In.Host:2", u"", u"in.host", u"2", u"/in", u"i", u"i"};
    for (const FacetRow& facetRow : rows) {
        SCOPED_TRACE(testing::PrintToString(facetRow.row.text));
        auto* facet = new TestCtype(facetRow.failing);
        const GlobalLocale installed(ClassicWith(facet));
        const kaurl::URI uri(facetRow.row.text);
        EXPECT_EQ(uri.IsValid(), facetRow.row.valid);
        EXPECT_EQ(Read(uri), facetRow.row.expected);
        const bool reentered = facetRow.row.text.find(u'\u00C9') != std::u16string::npos;
        EXPECT_EQ(facet->inner, reentered ? inner : Components{});
    }
    // The first row's facet is gone again.
    EXPECT_EQ(kaurl::URI(u"s://hOst").GetHost(), u"host");
}

}  // namespace
