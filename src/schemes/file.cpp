// SPDX-License-Identifier: BSL-1.0
#include "kaurl/file.h"

#include "core/AsciiText.h"
#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "core/PartNames.h"
#include "schemes/PathText.h"
#include "schemes/SchemeStep.h"

namespace kaurl::file {
namespace {

// Built when the library loads and only read afterwards, so that no call
// initialises anything; only the HTTP host alphabet is built on first use.
const UTF16String kScheme = detail::AsciiText("file");

}  // namespace

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
    return URI::IsValid() && IsFileURI(*this) && !GetPath().empty();
}

UTF16String URL::GetFileName() const {
    return GetPart(part::kFileName);
}

UTF16String URL::GetFileExtension() const {
    return GetPart(part::kFileExtension);
}

void URL::ParseSchemeParts() {
    if (!detail::StillValidForScheme(*this, valid, kScheme)) {
        return;
    }
    UTF16String fileName;
    UTF16String extension;
    detail::SplitFileNameAndExtension(GetPath(), fileName, extension);
    SetPart(part::kFileName, fileName);
    SetPart(part::kFileExtension, extension);
}

bool Create(const UTF16String& text, URL& url) {
    return detail::CreateIfValid(text, url);
}

bool IsFileURI(const URI& uri) {
    return uri.GetScheme() == kScheme;
}

}  // namespace kaurl::file
