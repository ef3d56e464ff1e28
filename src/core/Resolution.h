// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "core/ReferenceText.h"
#include "kaurl/Relations.h"

// Reference resolution; internal to the library.
namespace kaurl::detail {

// The target of `reference` against `base`, which has a scheme, as RFC 3986,
// sections 5.2.2 to 5.2.4 and 5.3 give it (see WriteReference for the "/."
// that keeps a path starting with "//" a path).
UTF16String Resolve(const ReferenceText& base, const ReferenceText& reference, ResolutionMode mode);

// As above, into `text`; returns the components ReadReference would read from
// it (see WriteReference), which refer to `text`, `base` and `reference`.
ReferenceText Resolve(const ReferenceText& base, ReferenceText reference, ResolutionMode mode,
                      UTF16String& text);

}  // namespace kaurl::detail
