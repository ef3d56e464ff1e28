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

// As CreateIfValid, but the temporary is swapped into `url` instead of
// copied: the same result without a second copy of the part table and a
// second scheme step. The relations between URIs deliver their results so:
// a result is read as it is written, backslashes included.
template <class Url>
bool SwapInIfValid(const ostracore::UTF16String& text, Url& url) {
    Url candidate(text);
    if (!candidate.Url::IsValid()) {
        return false;
    }
    url.swap(candidate);
    return true;
}

}  // namespace kaurl::detail
