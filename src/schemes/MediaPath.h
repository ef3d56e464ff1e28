// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "core/ReferenceText.h"

// How relations read the path of a media URL; internal to the library.
namespace kaurl::detail {

// `path` with every "%2F", "%5C" (hex digits of either case) and backslash
// turned into "/"; other escapes stay as written. A media URL composed by
// CreateFromMountPointAndPath ("media%2Fa.mxf") and its plain form
// ("media/a.mxf") so read alike.
UTF16String ReadMediaPath(TextView path);

}  // namespace kaurl::detail
