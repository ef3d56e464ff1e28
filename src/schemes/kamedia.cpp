// SPDX-License-Identifier: BSL-1.0
#include "kaurl/kamedia.h"

#include "core/AsciiText.h"
#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "core/PartNames.h"
#include "schemes/PathText.h"
#include "schemes/PercentCoding.h"
#include "schemes/SchemeStep.h"

namespace kaurl::kamedia {
namespace {

using detail::AsciiText;

// Built when the library loads and only read afterwards, so that no call
// initialises anything; only the HTTP host alphabet is built on first use.
const UTF16String kScheme = AsciiText("kamedia");
const UTF16String kSlash = AsciiText("/");
const UTF16String kBackslash = AsciiText("\\");

bool IsSeparator(char16_t unit) {
    return unit == kSlash[0] || unit == kBackslash[0];
}

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
    return URI::IsValid() && IsKAMediaURI(*this) && !GetMountPoint().empty();
}

UTF16String URL::GetMountPoint() const {
    return GetPart(part::kMountPoint);
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
    // Removing the authority makes this step idempotent: run again on its own
    // result (copies, assignment) it keeps the mount point it finds.
    const UTF16String authority = GetAuthority();
    if (!authority.empty()) {
        ErasePart(part::kAuthority);
        SetPart(part::kMountPoint, authority);
    }
    UTF16String fileName;
    UTF16String extension;
    detail::SplitFileNameAndExtension(GetPath(), fileName, extension);
    if (!fileName.empty()) {
        SetPart(part::kFileName, fileName);
    }
    if (!extension.empty()) {
        SetPart(part::kFileExtension, extension);
    }
}

bool IsKAMediaURI(const URI& uri) {
    return uri.GetScheme() == kScheme;
}

bool Create(const UTF16String& text, URL& url) {
    UTF16String withSlashes(text);
    detail::ReplaceAll(withSlashes, kBackslash, kSlash);
    return detail::CreateIfValid(withSlashes, url);
}

bool CreateFromMountPointAndPath(const UTF16String& mountPoint, const UTF16String& path, URL& url) {
    UTF16String::size_type start = 0;
    while (start < path.size() && IsSeparator(path[start])) {
        ++start;
    }
    UTF16String text = kScheme;
    text += AsciiText("://");
    text += detail::PercentEncode(mountPoint);
    text += kSlash;
    text += detail::PercentEncode(path.substr(start));
    return Create(text, url);
}

UTF16String SubstituteMountPointAndReturnPath(const URL& url, const UTF16String& mountPointPath) {
    if (!url.IsValid()) {
        return UTF16String();
    }
    UTF16String localPath;
    if (!mountPointPath.empty()) {
        const bool endsInSeparator = IsSeparator(mountPointPath.back());
        localPath = detail::PercentDecode(
            mountPointPath.substr(0, mountPointPath.size() - (endsInSeparator ? 1 : 0)));
    }
    // Decoding comes first, so an encoded "%2F" becomes a separator as well.
    UTF16String belowMountPoint = detail::PercentDecode(url.GetPath());
    detail::ReplaceAll(belowMountPoint, kSlash, kBackslash);
    localPath += belowMountPoint;
    return localPath;
}

}  // namespace kaurl::kamedia
