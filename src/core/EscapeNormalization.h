// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "core/ReferenceText.h"

// Percent-encoding normalization of one component; internal to the library.
namespace kaurl::detail {

enum class Escapes {
    Uppercase,        // only the hex digits of each escape in upper case
    DecodeUnreserved  // also escapes of unreserved characters decoded ("%7e" gives "~")
};

// `text` with the hex digits of every escape in upper case; with
// Escapes::DecodeUnreserved, escapes of letters, digits, "-", ".", "_" and
// "~" decoded; with `lowercase`, ASCII letters outside escapes (decoded ones
// included) in lower case. A "%" without two hex digits stays as it is, and
// so does an escape whose decoded hex digit would complete such a "%" into an
// escape ("%%341" stays), so that normalizing again changes nothing.
UTF16String NormalizeEscapes(TextView text, Escapes escapes, bool lowercase);

}  // namespace kaurl::detail
