// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string_view>

#include "ostracore/Strings.h"

// URI text as the relations between URIs read it; internal to the library.
// Unlike the part table, it tells an empty component from a missing one
// ("s:p?#" has an empty query and fragment), slices the text as written, and
// splits an IP literal's colons from the port.
namespace kaurl::detail {

using ostracore::UTF16String;
using TextView = std::u16string_view;

// The five components of RFC 3986, each a slice of the text it was read
// from (which must outlive it), with whether the component is there.
struct ReferenceText {
    bool hasScheme = false;
    bool hasAuthority = false;
    bool hasQuery = false;
    bool hasFragment = false;
    TextView scheme;
    TextView authority;
    TextView path;
    TextView query;
    TextView fragment;
};

// Reads `text` with the library's decomposition expression. Returns false
// only when the matcher gives up (its limits on very unusual text); then
// `parts` is unspecified.
bool ReadReference(const UTF16String& text, ReferenceText& parts);

// The text of `parts` as RFC 3986, section 5.3 recomposes it, with one
// addition: a path that starts with "//" without an authority gets "/."
// before it, which keeps it from reading back as an authority.
UTF16String WriteReference(const ReferenceText& parts);

// As WriteReference, into `text`; returns the components ReadReference would
// read from it, so that the text need not be searched again: `parts` with its
// path replaced by the path as written in `text` (its "/." included).
ReferenceText WriteReference(const ReferenceText& parts, UTF16String& text);

// An authority split as RFC 3986, section 3.2 reads it: user information up
// to the first "@", then the host, a bracketed IP literal whole, then the
// port after the next ":".
struct AuthorityText {
    bool hasUserInfo = false;
    bool hasPort = false;
    TextView userInfo;
    TextView host;
    TextView port;
};

AuthorityText SplitAuthority(TextView authority);

// Whether two texts are equal when ASCII letters are compared without case.
bool EqualIgnoringAsciiCase(TextView first, TextView second);

// Lowercases the ASCII letters A to Z and nothing else.
char16_t LowercaseAscii(char16_t unit);

}  // namespace kaurl::detail
