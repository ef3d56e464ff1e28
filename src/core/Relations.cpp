// SPDX-License-Identifier: BSL-1.0
#include "kaurl/Relations.h"

namespace kaurl {

bool ResolveReference(const UTF16String&, const UTF16String&, UTF16String&, ResolutionMode) {
    return false;
}

bool Normalize(const UTF16String&, UTF16String&, Normalization) {
    return false;
}

bool AreEquivalent(const UTF16String&, const UTF16String&, Normalization) {
    return false;
}

bool MakeRelative(const UTF16String&, const UTF16String&, UTF16String&) {
    return false;
}

bool EncodeComponent(const UTF16String&, UTF16String&, ComponentEncoding) {
    return false;
}

bool DecodeComponent(const UTF16String&, UTF16String&) {
    return false;
}

bool ResolveReference(const URI&, const UTF16String&, URI&, ResolutionMode) {
    return false;
}

bool Normalize(const URI&, URI&) {
    return false;
}

}  // namespace kaurl
