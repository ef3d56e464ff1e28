// SPDX-License-Identifier: BSL-1.0
#include "ReferenceDecomposition.h"

#include <algorithm>
#include <locale>

#include <boost/regex.hpp>

#include "core/DecompositionExpression.h"
#include "core/PartNames.h"

namespace kaurl::bench {
namespace {

using Expression = detail::DecompositionRegex;
using Iterator = UTF16String::const_iterator;

// Compiled once, as the library compiles its own.
const Expression& SharedExpression() {
    static const Expression expression = detail::CompileDecompositionExpression();
    return expression;
}

// Runs the decomposition of `text` with `expression` and hands every part
// that it stores, in storing order, to `store(name, first, last, lowercase)`.
// Returns whether the text has a scheme.
template <class Store>
bool Decompose(const UTF16String& text, const Expression& expression, Store store) {
    boost::match_results<Iterator> match;
    if (!boost::regex_search(text.cbegin(), text.cend(), match, expression,
                             boost::regex_constants::match_default)) {
        return false;
    }
    const auto storeIfNotEmpty = [&](const char* name, int group, bool lowercase) {
        if (match[group].first != match[group].second) {
            store(name, match[group].first, match[group].second, lowercase);
        }
    };
    storeIfNotEmpty(part::kScheme, detail::kSchemeGroup, true);
    storeIfNotEmpty(part::kAuthority, detail::kAuthorityGroup, false);
    storeIfNotEmpty(part::kPath, detail::kPathGroup, false);
    storeIfNotEmpty(part::kQuery, detail::kQueryGroup, false);
    storeIfNotEmpty(part::kFragment, detail::kFragmentGroup, false);
    const auto& authority = match[detail::kAuthorityGroup];
    Iterator hostBegin = authority.first;
    Iterator hostEnd = authority.second;
    const Iterator at = std::find(authority.first, authority.second, u'@');
    if (at != authority.second) {
        store(part::kUserInfo, authority.first, at, false);
        hostBegin = at + 1;
    }
    const Iterator colon = std::find(hostBegin, authority.second, u':');
    if (colon != authority.second) {
        store(part::kPort, colon + 1, authority.second, false);
        hostEnd = colon;
    }
    store(part::kHost, hostBegin, hostEnd, true);
    return match[detail::kSchemeGroup].first != match[detail::kSchemeGroup].second;
}

}  // namespace

bool DecomposeCompilingEachTime(const UTF16String& text, PartTable& parts) {
    try {
        // Under the global locale, at every call: the decomposition that
        // compiling once (under the classic locale) stands in for.
        const Expression expression(detail::kDecompositionExpression,
                                    boost::regex_constants::normal);
        return Decompose(
            text, expression,
            [&parts](const char* name, Iterator first, Iterator last, bool lowercase) {
                UTF16String value(first, last);
                if (lowercase) {
                    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(std::locale());
                    for (char16_t& unit : value) {
                        unit = static_cast<char16_t>(ctype.tolower(static_cast<wchar_t>(unit)));
                    }
                }
                parts.erase(name);
                parts.emplace(name, std::move(value));
            });
    } catch (const boost::regex_error&) {
        return false;
    }
}

bool SearchWithSharedExpression(const UTF16String& text) {
    boost::match_results<Iterator> match;
    return boost::regex_search(text.cbegin(), text.cend(), match, SharedExpression(),
                               boost::regex_constants::match_default);
}

std::vector<Slice> SlicesOf(const UTF16String& text) {
    std::vector<Slice> slices;
    Decompose(text, SharedExpression(), [&](const char* name, Iterator first, Iterator last, bool) {
        slices.push_back({name, static_cast<std::size_t>(first - text.cbegin()),
                          static_cast<std::size_t>(last - first)});
    });
    return slices;
}

FloorObject::FloorObject(const UTF16String& source, const std::vector<Slice>& slices)
    : valid(true), text(source) {
    for (const Slice& slice : slices) {
        const auto first = text.cbegin() + static_cast<std::ptrdiff_t>(slice.offset);
        parts.emplace(slice.name,
                      UTF16String(first, first + static_cast<std::ptrdiff_t>(slice.length)));
    }
}

}  // namespace kaurl::bench
