// SPDX-License-Identifier: BSL-1.0
// The decomposition of URI text into the generic components of RFC 3986.
#include <algorithm>
#include <array>
#include <locale>
#include <utility>

#include <boost/regex.hpp>

#include "kaurl/URI.h"

namespace kaurl {
namespace {

using Expression =
    boost::basic_regex<wchar_t, boost::regex_traits<wchar_t, boost::cpp_regex_traits<wchar_t>>>;
using Iterator = UTF16String::const_iterator;

// Groups of the expression that carry a component (numbered by their opening
// parentheses).
enum Group { kScheme = 2, kAuthority = 4, kPath = 5, kQuery = 7, kFragment = 9 };

// The expression of RFC 3986, Appendix B.
//
// Compiled once per process and shared read-only: compiling costs about ten
// times the rest of a decomposition and takes a process-wide lock inside
// Boost, while matching a const expression from many threads is safe. Each
// thread keeps its own match results, which every search overwrites whole, so
// no result differs from compiling anew.
const Expression& DecompositionExpression() {
    static const Expression expression(
        L"^(([^:/?#]+):)?(//([^/?#]*))?([^?#]*)(\\?([^#]*))?(#(.*))?",
        boost::regex_constants::normal);
    return expression;
}

using Ctype = std::ctype<wchar_t>;

// The facet's lowercase of every ASCII code unit, read once per thread and
// facet: asking the facet costs a virtual call per code unit, and scheme and
// host are mostly ASCII. A facet never changes once it is in a locale, and the
// table holds that locale, so no other facet can take the remembered address.
struct AsciiLowercase {
    std::locale locale;
    const Ctype* ctype = nullptr;
    std::array<char16_t, 128> units{};
};

const AsciiLowercase& AsciiLowercaseOf(const std::locale& locale) {
    thread_local AsciiLowercase table;
    const Ctype& ctype = std::use_facet<Ctype>(locale);
    if (table.ctype != &ctype) {
        for (std::size_t unit = 0; unit < table.units.size(); ++unit) {
            table.units[unit] = static_cast<char16_t>(ctype.tolower(static_cast<wchar_t>(unit)));
        }
        table.locale = locale;
        table.ctype = &ctype;
    }
    return table;
}

// Lowercases code unit by code unit as the facet of `table` does.
UTF16String Lowercase(const AsciiLowercase& table, Iterator first, Iterator last) {
    UTF16String result(first, last);
    for (char16_t& unit : result) {
        unit = unit < table.units.size()
                   ? table.units[unit]
                   : static_cast<char16_t>(table.ctype->tolower(static_cast<wchar_t>(unit)));
    }
    return result;
}

}  // namespace

void URI::Parse() {
    bool completed = false;
    bool schemeStored = false;
    // Every part but the host is stored only when non-empty; the table is
    // still empty here, so each value is built once and moved in.
    const auto store = [this](const char* name, UTF16String value) {
        parts.emplace(name, std::move(value));
    };
    // The global locale as it is now, held for the whole decomposition.
    const std::locale locale;
    const AsciiLowercase& lowercase = AsciiLowercaseOf(locale);
    try {
        // Reused by every decomposition on this thread: its storage is
        // allocated once, and each search overwrites all of it.
        thread_local boost::match_results<Iterator> match;
        if (boost::regex_search(uriString.cbegin(), uriString.cend(), match,
                                DecompositionExpression(), boost::regex_constants::match_default)) {
            const auto& scheme = match[kScheme];
            if (scheme.first != scheme.second) {
                store("scheme", Lowercase(lowercase, scheme.first, scheme.second));
                schemeStored = true;
            }
            const auto& authority = match[kAuthority];
            const auto storeSlice = [&store](const char* name, int group) {
                const auto& text = match[group];
                if (text.first != text.second) {
                    store(name, UTF16String(text.first, text.second));
                }
            };
            storeSlice("authority", kAuthority);
            storeSlice("path", kPath);
            storeSlice("query", kQuery);
            storeSlice("fragment", kFragment);

            // Authority split: user information up to the first "@", then the
            // port after the first ":" that follows it, the rest is the host.
            Iterator hostBegin = authority.first;
            Iterator hostEnd = authority.second;
            const Iterator at = std::find(authority.first, authority.second, u'@');
            if (at != authority.second) {
                store("userinfo", UTF16String(authority.first, at));
                hostBegin = at + 1;
            }
            const Iterator colon = std::find(hostBegin, authority.second, u':');
            if (colon != authority.second) {
                store("port", UTF16String(colon + 1, authority.second));
                hostEnd = colon;
            }
            store("host", Lowercase(lowercase, hostBegin, hostEnd));
            completed = true;
        }
    } catch (const boost::regex_error&) {
        // Compilation or matching limits exceeded: the parts stored so far
        // stay, and the URI is invalid.
    }
    valid = completed && schemeStored;
}

}  // namespace kaurl
