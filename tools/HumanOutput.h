// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>

#include "UriViews.h"

namespace kaurl::tool {

// Writes one block of aligned "label  value" lines: the input, the class, the
// validity and every non-empty value. Control characters in values are
// written as \xNN so that a value cannot break the layout or drive a terminal.
void WriteHumanBlock(std::ostream& out, const UriView& view);

}  // namespace kaurl::tool
