// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include "ostracore/Strings.h"

namespace kaurl::web {

// The code units that the caller passed as pointer and length.
ostracore::UTF16String Units(const char16_t* text, std::size_t length);

// `json` copied into memory from malloc, for the caller to free.
char* Answer(const std::string& json);

}  // namespace kaurl::web
