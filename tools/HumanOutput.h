// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>

#include "UriViews.h"

namespace kaurl::tool {

// Writes one block of aligned "label  value" lines: the input, the class, the
// validity, every non-empty value, for a media URI the name of its file for
// display or why there is none and, for a media URI that Create reads with
// other parts, a note that says so. Values are written by WriteEscaped, so that
// a value cannot break the layout, drive a terminal or show as other text.
void WriteHumanBlock(std::ostream& out, const UriView& view);

}  // namespace kaurl::tool
