// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "ostracore/Strings.h"

namespace kaurl::tool {

// One key of a JSON result and its UTF-16 value.
using ResultField = std::pair<const char*, const ostracore::UTF16String*>;

// Writes one result on one line, in UTF-8: with `json` an object of every
// field in order, otherwise the value of the last field alone.
void WriteResultLine(std::ostream& out, bool json, std::initializer_list<ResultField> fields);

}  // namespace kaurl::tool
