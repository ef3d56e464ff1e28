// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// The string types of the host's core library, in which every URI text and
/// component travels.

#include <string>

/// Stand-in for the host's core library: its string types, the conversions
/// between UTF-8 and UTF-16, and its UTF-8 string streams.
namespace ostracore {

/// A string of UTF-16 code units. Comparison is by code unit, case-sensitive.
/// Every URI text and every component value is one.
using UTF16String = std::u16string;

/// A string of UTF-8 code units.
using UTF8String = std::string;

}  // namespace ostracore
