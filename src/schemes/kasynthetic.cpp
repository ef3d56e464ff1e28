// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kasynthetic.h"

#include "core/AsciiText.h"
#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "core/PartNames.h"
#include "schemes/SchemeStep.h"

namespace kaurl::kasynthetic {
namespace {

// Built when the library loads and only read afterwards, so that no call
// initialises anything; only the HTTP host alphabet is built on first use.
const UTF16String kScheme = detail::AsciiText("kasynthetic");

}  // namespace

URL::URL() = default;

URL::URL(const UTF16String& text) : URI(text) {
    ParseSchemeParts();
}

URL::URL(const URI& other) : URI(other) {
    ParseSchemeParts();
}

URL::URL(const URL& other) : URI(other) {
    ParseSchemeParts();
}

URL::~URL() = default;

URL& URL::operator=(const URL& other) {
    return detail::AssignByCopyAndSwap(*this, other);
}

bool URL::IsValid() const {
    return URI::IsValid() && IsKASyntheticURI(*this) && !GetSyntheticImporterID().empty();
}

UTF16String URL::GetSyntheticImporterID() const {
    return GetPart(part::kInstanceID);
}

void URL::ParseSchemeParts() {
    if (!detail::StillValidForScheme(*this, valid, kScheme)) {
        return;
    }
    // Once moved, the authority is gone, so running this again on a copy
    // keeps the identifier the copy brought along.
    const UTF16String authority = GetAuthority();
    if (authority.empty()) {
        return;
    }
    ErasePart(part::kAuthority);
    SetPart(part::kInstanceID, authority);
}

bool Create(const UTF16String& text, URL& url) {
    return detail::CreateIfValid(text, url);
}

bool CreateFromSyntheticImporterID(const UTF16String& identifier, URL& url) {
    UTF16String text = kScheme;
    text += detail::AsciiText("://");
    text += identifier;
    return Create(text, url);
}

bool IsKASyntheticURI(const URI& uri) {
    return uri.GetScheme() == kScheme;
}

}  // namespace kaurl::kasynthetic
