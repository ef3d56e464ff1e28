// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>

#include "UriViews.h"

namespace kaurl::tool {

// Writes one block of aligned "label  value" lines: the input, the class, the
// validity, every non-empty value and, for a media URI that Create reads with
// other parts, a note that says so. Control characters in values are written
// as \xNN so that a value cannot break the layout or drive a terminal.
void WriteHumanBlock(std::ostream& out, const UriView& view);

}  // namespace kaurl::tool
