// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "core/ReferenceText.h"

// Removal of "." and ".." segments; internal to the library.
namespace kaurl::detail {

// remove_dot_segments of RFC 3986, section 5.2.4, step for step, in time
// linear in the path's length: "/a/b/c/./../../g" gives "/a/g", "a/../c"
// gives "/c" (the algorithm as written, for a path without "/" in front).
// Only the literal "." and ".." are dot segments; "%2E" is data.
UTF16String RemoveDotSegments(TextView path);

// The dot segments of a relative-path reference (one that does not start
// with "/") removed so that the result still points where it pointed against
// any base: inner "." and "x/.." go, leading ".." stay, "abc/.." gives "./"
// and "." gives "./". A result whose first segment is empty or holds ":"
// gets "./" in front, so that it reads back as the same relative path.
UTF16String RemoveRelativeDotSegments(TextView path);

}  // namespace kaurl::detail
