// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// The UTF-8 string streams of the host's core library.

#include <sstream>

namespace ostracore {

/// Output stream of UTF-8 code units; str() yields a UTF8String.
using UTF8StringStream = std::ostringstream;

/// Input stream over a UTF8String, with the standard formatted input.
using iUTF8StringStream = std::istringstream;

}  // namespace ostracore
