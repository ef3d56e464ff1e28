// SPDX-License-Identifier: BSL-1.0
#pragma once

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
