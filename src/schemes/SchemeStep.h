// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"

namespace kaurl::detail {

// How the scheme step of the media, synthetic-importer and file classes
// begins: an invalid object is left as it is, and one of another scheme is made
// invalid. Returns whether `url` is still valid, with `scheme` as its scheme,
// so that the class goes on to add its own parts. `valid` is the flag of `url`.
inline bool StillValidForScheme(const URI& url, bool& valid, const UTF16String& scheme) {
    if (!valid) {
        return false;
    }
    if (url.GetScheme() != scheme) {
        valid = false;
    }
    return valid;
}

}  // namespace kaurl::detail
