// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <vector>

#include "kaurl/kamedia.h"

// The checks that ResolveLocalPath and GetDisplayName share; internal to the
// library.
namespace kaurl::detail {

// Decodes a media URL's `path` strictly, splits it into names at "/" and the
// backslash (empty names and "." dropped) and checks them as ResolveLocalPath
// does. Returns true and assigns the names (at least one) to `names`, or
// returns false and assigns the first reason that applies to `refusal`.
bool CheckNames(const UTF16String& path, std::vector<UTF16String>& names,
                kamedia::LocalPathRefusal& refusal);

}  // namespace kaurl::detail
