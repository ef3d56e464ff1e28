// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <vector>

#include "ostracore/Strings.h"

namespace kaurl::bench {

using ostracore::UTF16String;

// The checked-in corpus (corpus.txt beside this file), one URI per line,
// read once and kept for the whole run.
const std::vector<UTF16String>& Corpus();

// The corpus entries whose text begins with `prefix` (a scheme and its colon,
// compared case-insensitively in ASCII).
std::vector<UTF16String> CorpusWithPrefix(const char* prefix);

}  // namespace kaurl::bench
