// SPDX-License-Identifier: BSL-1.0
// The name of a media URL's file for display: kaurl::kamedia::GetDisplayName.
#include "schemes/LocalPath.h"

namespace kaurl::kamedia {

bool GetDisplayName(const URL& url, UTF16String& name, LocalPathRefusal* refusal) {
    std::vector<UTF16String> names;
    LocalPathRefusal reason = LocalPathRefusal::InvalidURL;
    if (url.IsValid() && detail::CheckNames(url.GetPath(), names, reason)) {
        name.swap(names.back());
        return true;
    }
    if (refusal != nullptr) {
        *refusal = reason;
    }
    return false;
}

}  // namespace kaurl::kamedia
