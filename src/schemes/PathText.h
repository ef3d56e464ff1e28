// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "ostracore/Strings.h"

// Text operations shared by the scheme classes; internal to the library.
namespace kaurl::detail {

using ostracore::UTF16String;

// Assigns to `extension` the text after the last "." of the whole path and to
// `fileName` the text after the last "/"; an output whose separator is missing
// is left unchanged. Only "/" separates segments, so for u"/dir.old/clip" the
// file name is u"clip" and the extension u"old/clip".
void SplitFileNameAndExtension(const UTF16String& path, UTF16String& fileName,
                               UTF16String& extension);

// Replaces every occurrence of `from` (never empty) by `to`, left to right;
// inserted text is not searched again.
void ReplaceAll(UTF16String& text, const UTF16String& from, const UTF16String& to);

}  // namespace kaurl::detail
