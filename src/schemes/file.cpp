// SPDX-License-Identifier: BSL-1.0
#include "kaurl/file.h"

#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "ostracore/Utility.h"
#include "schemes/PathText.h"

namespace kaurl::file {
namespace {

const UTF16String& FileScheme() {
    static const UTF16String scheme = ostracore::utility::AsciiToUTF16("file", 4);
    return scheme;
}

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
    return GetPart("filename");
}

UTF16String URL::GetFileExtension() const {
    return GetPart("fileextension");
}

void URL::ParseSchemeParts() {
    if (!valid) {
        return;
    }
    if (GetScheme() != FileScheme()) {
        valid = false;
        return;
    }
    UTF16String fileName;
    UTF16String extension;
    detail::SplitFileNameAndExtension(GetPath(), fileName, extension);
    SetPart("filename", fileName);
    SetPart("fileextension", extension);
}

bool Create(const UTF16String& text, URL& url) {
    return detail::CreateIfValid(text, url);
}

bool IsFileURI(const URI& uri) {
    return uri.GetScheme() == FileScheme();
}

}  // namespace kaurl::file
