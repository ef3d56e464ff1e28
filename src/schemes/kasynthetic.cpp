// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kasynthetic.h"

#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "ostracore/Utility.h"

namespace kaurl::kasynthetic {
namespace {

const UTF16String kScheme = ostracore::utility::AsciiToUTF16("kasynthetic", 11);

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
    return URI::IsValid() && GetScheme() == kScheme && !GetPart("instanceID").empty();
}

UTF16String URL::GetSyntheticImporterID() const {
    return GetPart("instanceID");
}

void URL::ParseSchemeParts() {
    if (!valid) {
        return;
    }
    if (GetScheme() != kScheme) {
        valid = false;
        return;
    }
    // Once moved, the authority is gone, so running this again on a copy
    // keeps the identifier the copy brought along.
    const UTF16String authority = GetAuthority();
    if (authority.empty()) {
        return;
    }
    ErasePart("authority");
    SetPart("instanceID", authority);
}

bool Create(const UTF16String& text, URL& url) {
    return detail::CreateIfValid(text, url);
}

bool CreateFromSyntheticImporterID(const UTF16String& identifier, URL& url) {
    UTF16String text = kScheme;
    text += ostracore::utility::AsciiToUTF16("://", 3);
    text += identifier;
    return Create(text, url);
}

bool IsKASyntheticURI(const URI& uri) {
    return uri.GetScheme() == kScheme;
}

}  // namespace kaurl::kasynthetic
