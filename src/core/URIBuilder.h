// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "core/ReferenceText.h"
#include "kaurl/Relations.h"

// Filling URI objects from components already read; internal to the library
// and a friend of kaurl::URI.
namespace kaurl::detail {

struct URIBuilder {
    // Fills the part table of `uri` from the components a reading of its
    // text finds (slices of that text or of the texts it was written from)
    // and sets whether it is valid: the one step after the search of every
    // construction.
    static void Decompose(URI& uri, const ReferenceText& components);

    // ResolveReference of an object: the target object is filled from the
    // components the resolution wrote instead of decomposing its text again.
    static bool ResolveObject(const URI& base, const UTF16String& reference, URI& result,
                              ResolutionMode mode);
};

}  // namespace kaurl::detail
