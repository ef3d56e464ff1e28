// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "ostracore/Strings.h"

namespace kaurl::detail {

// The shape of every Create: build a temporary from the text, ask
// that class's own IsValid (not a subclass's), and only then assign it.
template <class Url>
bool CreateIfValid(const ostracore::UTF16String& text, Url& url) {
    const Url candidate(text);
    if (!candidate.Url::IsValid()) {
        return false;
    }
    url = candidate;
    return true;
}

}  // namespace kaurl::detail
