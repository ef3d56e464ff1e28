// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "ostracore/Strings.h"

// Yardsticks for the library's decomposition, for the benchmarks only.
namespace kaurl::bench {

using ostracore::UTF16String;
using PartTable = std::map<std::string, UTF16String>;

// The decomposition as the library defines it, with the expression compiled
// anew for every text. Fills `parts` and returns the validity.
bool DecomposeCompilingEachTime(const UTF16String& text, PartTable& parts);

// Only the search of a once-compiled expression over `text`, with fresh match
// results as every decomposition has: the part that is Boost.Regex's alone.
bool SearchWithSharedExpression(const UTF16String& text);

// Where one stored part lies in its text.
struct Slice {
    const char* name;
    std::size_t offset;
    std::size_t length;
};

// The slices that the decomposition stores for `text`, in storing order.
std::vector<Slice> SlicesOf(const UTF16String& text);

// The least any decomposition has to do: copy the text and fill the part
// table from slices known in advance (no matching, no lowercasing).
struct FloorObject {
    FloorObject(const UTF16String& text, const std::vector<Slice>& slices);

    bool valid;
    UTF16String text;
    PartTable parts;
};

}  // namespace kaurl::bench
