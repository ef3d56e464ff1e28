// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ostracore/Strings.h"

namespace kaurl::tool {

// The UTF-16 text of `utf8`, or nothing when `utf8` is not well-formed UTF-8.
std::optional<ostracore::UTF16String> DecodeUtf8(const std::string& utf8);

// DecodeUtf8 for argument `number` of `command`; reports the argument on
// standard error when it is not UTF-8.
std::optional<ostracore::UTF16String> DecodeArgument(std::string_view command,
                                                     const std::string& utf8, std::uint64_t number);

}  // namespace kaurl::tool
