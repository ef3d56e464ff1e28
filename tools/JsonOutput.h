// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <ostream>

#include "UriViews.h"

namespace kaurl::tool {

// Writes the view as one JSON object on one line: "input", "class", "valid",
// every field under its key (empty ones included), for HTTP URLs
// "port_number" and for media URLs "create_differs".
void WriteJsonLine(std::ostream& out, const UriView& view);

}  // namespace kaurl::tool
