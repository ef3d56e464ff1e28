// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "Diagnostics.h"

namespace kaurl::tool {

// What a command does with one line of input, named by its position.
using LineHandler = std::function<void(const std::string& line, const InputPosition& position)>;

// Hands each line of `in` to `handle` as "line N", without its line feed and
// without one carriage return before it. Streams: one line is held at a time.
void ForEachInputLine(std::istream& in, const LineHandler& handle);

}  // namespace kaurl::tool
