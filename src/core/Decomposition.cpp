// SPDX-License-Identifier: BSL-1.0
// The decomposition of URI text into the generic components of RFC 3986.
//
// A decomposition keeps nothing between calls: its match results, the locale
// that lowercases scheme and host, and every intermediate string belong to the
// call, and so does the matcher's stack, since the build turns Boost.Regex's
// block cache off (see the top-level CMakeLists.txt). So a decomposition that
// starts on a thread while another is running there (from a user's ctype
// facet that builds a URI itself) cannot disturb it, no thread holds anything
// of the library when it ends, and the library unloads cleanly after any use.
#include <algorithm>
#include <locale>
#include <utility>

#include <boost/regex.hpp>

#include "core/DecompositionExpression.h"
#include "core/PartNames.h"
#include "kaurl/URI.h"

namespace kaurl {
namespace {

using Iterator = UTF16String::const_iterator;

// Lowercases code unit by code unit with the single-unit tolower of the
// global locale's ctype facet as it is now: scheme and host each read it at
// their own step, since a facet may install another global locale. Nothing is
// remembered between calls: any facet may map any code unit, and only the
// code units of the text are shown to it.
UTF16String Lowercase(Iterator first, Iterator last) {
    const std::locale locale;
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(locale);
    UTF16String result(first, last);
    for (char16_t& unit : result) {
        unit = static_cast<char16_t>(ctype.tolower(static_cast<wchar_t>(unit)));
    }
    return result;
}

}  // namespace

namespace detail {

// Compiled once per process instead of at every call, and only read after
// that: compiling costs about ten times the rest of a decomposition, while
// matching a const expression from many threads at once is safe. Compiled
// under the global locale, the first call's locale would decide what every
// later call matches (a ctype facet that widens the syntax characters
// elsewhere makes another expression of the same text); under the classic
// locale no caller's locale decides it. Compiling asks no facet to lowercase,
// so a facet that builds a URI from its tolower cannot re-enter this
// initialisation.
const DecompositionRegex& CompiledDecompositionExpression() {
    static const DecompositionRegex expression = CompileDecompositionExpression();
    return expression;
}

}  // namespace detail

void URI::Parse() {
    bool completed = false;
    bool schemeStored = false;
    // The table is still empty here, so each value is built once and moved in.
    const auto store = [this](const char* name, UTF16String value) {
        parts.emplace(name, std::move(value));
    };
    // Everything that can raise boost::regex_error, the user's facet
    // included, runs inside this block.
    try {
        boost::match_results<Iterator> match;
        if (boost::regex_search(uriString.cbegin(), uriString.cend(), match,
                                detail::CompiledDecompositionExpression(),
                                boost::regex_constants::match_default)) {
            const auto& scheme = match[detail::kSchemeGroup];
            if (scheme.first != scheme.second) {
                store(part::kScheme, Lowercase(scheme.first, scheme.second));
                schemeStored = true;
            }
            const auto storeSlice = [&store, &match](const char* name, int group) {
                const auto& text = match[group];
                if (text.first != text.second) {
                    store(name, UTF16String(text.first, text.second));
                }
            };
            storeSlice(part::kAuthority, detail::kAuthorityGroup);
            storeSlice(part::kPath, detail::kPathGroup);
            storeSlice(part::kQuery, detail::kQueryGroup);
            storeSlice(part::kFragment, detail::kFragmentGroup);

            // Authority split: user information up to the first "@", then the
            // port after the first ":" that follows it, the rest is the host.
            // A separator that is present stores its part even when empty, and
            // the host is stored always; the other parts only when non-empty.
            const auto& authority = match[detail::kAuthorityGroup];
            Iterator hostBegin = authority.first;
            Iterator hostEnd = authority.second;
            const Iterator at = std::find(authority.first, authority.second, u'@');
            if (at != authority.second) {
                store(part::kUserInfo, UTF16String(authority.first, at));
                hostBegin = at + 1;
            }
            const Iterator colon = std::find(hostBegin, authority.second, u':');
            if (colon != authority.second) {
                store(part::kPort, UTF16String(colon + 1, authority.second));
                hostEnd = colon;
            }
            store(part::kHost, Lowercase(hostBegin, hostEnd));
            completed = true;
        }
    } catch (const boost::regex_error&) {
        // Compilation or matching limits exceeded, or a facet that gave up:
        // the parts stored so far stay, and the URI is invalid.
    }
    valid = completed && schemeStored;
}

}  // namespace kaurl
