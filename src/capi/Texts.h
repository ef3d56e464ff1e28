// SPDX-License-Identifier: BSL-1.0
#pragma once

// Texts across the C interface: a pointer and a length in, a caller's buffer
// with its capacity out.

#include <cstddef>
#include <string>

#include "kaurl/kaurl.h"
#include "ostracore/Strings.h"

namespace kaurl::capi {

// The `length` code units at `units` into `text`; a null pointer is the empty
// text when `length` is 0 and KAURL_BAD_ARGUMENT otherwise.
kaurl_status ReadUnits(const kaurl_char16* units, std::size_t length, ostracore::UTF16String& text);

// As ReadUnits, from UTF-8 bytes; KAURL_ILL_FORMED_UTF8 when they are not UTF-8.
kaurl_status ReadUtf8(const char* bytes, std::size_t length, ostracore::UTF16String& text);

// Copies `text` into the buffer when it fits; `*length` receives its length
// in either case.
kaurl_status WriteUnits(const ostracore::UTF16String& text, kaurl_char16* buffer,
                        std::size_t capacity, std::size_t* length);

// As WriteUnits, converted to UTF-8; KAURL_LONE_SURROGATE when `text` holds one.
kaurl_status WriteUtf8(const ostracore::UTF16String& text, char* buffer, std::size_t capacity,
                       std::size_t* length);

// As WriteUnits, for bytes.
kaurl_status WriteBytes(const std::string& bytes, char* buffer, std::size_t capacity,
                        std::size_t* length);

// Whether the buffer arguments are usable: a length to report to, and a
// buffer unless the capacity is 0.
bool IsOutput(const void* buffer, std::size_t capacity, const std::size_t* length);

}  // namespace kaurl::capi
