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
#include <locale>
#include <utility>

#include <boost/regex.hpp>

#include "core/DecompositionExpression.h"
#include "core/PartNames.h"
#include "core/ReferenceText.h"
#include "core/URIBuilder.h"
#include "kaurl/URI.h"

namespace kaurl {
namespace {

// Lowercases code unit by code unit with the single-unit tolower of the
// global locale's ctype facet as it is now: scheme and host each read it at
// their own step, since a facet may install another global locale. Nothing is
// remembered between calls: any facet may map any code unit, and only the
// code units of the text are shown to it.
UTF16String Lowercase(detail::TextView text) {
    const std::locale locale;
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(locale);
    UTF16String result(text);
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
    detail::ReferenceText components;
    if (detail::ReadReference(uriString, components)) {
        detail::URIBuilder::Decompose(*this, components);
    } else {
        // Matching limits exceeded: no parts, and the URI is invalid.
        valid = false;
    }
}

void detail::URIBuilder::Decompose(URI& uri, const ReferenceText& components) {
    bool completed = false;
    bool schemeStored = false;
    // The table is still empty here, so each value is built once and moved in.
    const auto store = [&uri](const char* name, UTF16String value) {
        uri.parts.emplace(name, std::move(value));
    };
    const auto storeSlice = [&store](const char* name, detail::TextView text) {
        if (!text.empty()) {
            store(name, UTF16String(text));
        }
    };
    // The user's facet may raise boost::regex_error while lowercasing.
    try {
        if (!components.scheme.empty()) {
            store(part::kScheme, Lowercase(components.scheme));
            schemeStored = true;
        }
        storeSlice(part::kAuthority, components.authority);
        storeSlice(part::kPath, components.path);
        storeSlice(part::kQuery, components.query);
        storeSlice(part::kFragment, components.fragment);

        // Authority split: user information up to the first "@", then the
        // port after the first ":" that follows it, the rest is the host.
        // A separator that is present stores its part even when empty, and
        // the host is stored always; the other parts only when non-empty.
        detail::TextView host = components.authority;
        const std::size_t at = host.find(u'@');
        if (at != detail::TextView::npos) {
            store(part::kUserInfo, UTF16String(host.substr(0, at)));
            host.remove_prefix(at + 1);
        }
        const std::size_t colon = host.find(u':');
        if (colon != detail::TextView::npos) {
            store(part::kPort, UTF16String(host.substr(colon + 1)));
            host = host.substr(0, colon);
        }
        store(part::kHost, Lowercase(host));
        completed = true;
    } catch (const boost::regex_error&) {
        // A facet that gave up: the parts stored so far stay, and the URI is
        // invalid.
    }
    uri.valid = completed && schemeStored;
}

}  // namespace kaurl
