// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

namespace ostracore {

// A string of UTF-16 code units. Comparison is by code unit, case-sensitive.
using UTF16String = std::u16string;

// A string of UTF-8 code units.
using UTF8String = std::string;

}  // namespace ostracore
