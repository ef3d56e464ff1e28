// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <locale>

#include <boost/regex.hpp>

// The regular expression that decomposes URI text; internal to the library,
// and shared with the benchmarks' yardsticks so that they match exactly what
// the library matches.
namespace kaurl::detail {

// Wide characters, one per UTF-16 code unit, with the C++ locale's traits.
using DecompositionRegex =
    boost::basic_regex<wchar_t, boost::regex_traits<wchar_t, boost::cpp_regex_traits<wchar_t>>>;

// The expression of RFC 3986, Appendix B.
constexpr wchar_t kDecompositionExpression[] =
    L"^(([^:/?#]+):)?(//([^/?#]*))?([^?#]*)(\\?([^#]*))?(#(.*))?";

// The expression compiled under the classic locale, whatever locale is global.
// The traits read the syntax characters through the ctype facet's widen, so
// under a facet that widens "(" or "?" to something else the same text would
// mean another expression. Boost has no constructor that takes a locale: the
// default traits read the global one, and imbue replaces them before anything
// is compiled.
inline DecompositionRegex CompileDecompositionExpression() {
    DecompositionRegex expression;
    expression.imbue(std::locale::classic());
    expression.assign(kDecompositionExpression, boost::regex_constants::normal);
    return expression;
}

// The expression compiled once per process, under the classic locale, by the
// first call; every decomposition of the library matches with it.
const DecompositionRegex& CompiledDecompositionExpression();

// Groups of the expression that carry a component (numbered by their opening
// parentheses).
enum DecompositionGroup {
    kSchemeGroup = 2,
    kAuthorityGroup = 4,
    kPathGroup = 5,
    kQueryGroup = 7,
    kFragmentGroup = 9
};

}  // namespace kaurl::detail
