// SPDX-License-Identifier: BSL-1.0
// The checked local path of a media URL: kaurl::kamedia::ResolveLocalPath.
#include <algorithm>
#include <vector>

#include "core/AsciiText.h"
#include "kaurl/kamedia.h"
#include "schemes/CodePageNames.h"
#include "schemes/LocalNames.h"
#include "schemes/StrictPercentDecoding.h"

namespace kaurl::kamedia {
namespace {

// Built when the library loads and only read afterwards, as the media unit's
// other constants are.
const UTF16String kCurrentDirectory = detail::AsciiText(".");
const UTF16String kParentDirectory = detail::AsciiText("..");

bool IsSeparator(char16_t unit) {
    return unit == u'/' || unit == u'\\';
}

bool HasControlCharacter(const UTF16String& text) {
    return std::any_of(text.begin(), text.end(), detail::IsControlCharacter);
}

// The names of `path` between its separators, without empty ones and ".".
std::vector<UTF16String> SplitNames(const UTF16String& path) {
    std::vector<UTF16String> names;
    auto start = path.begin();
    while (start != path.end()) {
        const auto end = std::find_if(start, path.end(), IsSeparator);
        UTF16String name(start, end);
        if (!name.empty() && name != kCurrentDirectory) {
            names.push_back(std::move(name));
        }
        start = end == path.end() ? end : end + 1;
    }
    return names;
}

bool Refuse(LocalPathRefusal reason, LocalPathRefusal* refusal) {
    if (refusal != nullptr) {
        *refusal = reason;
    }
    return false;
}

}  // namespace

const char* DescribeLocalPathRefusal(LocalPathRefusal refusal) noexcept {
    switch (refusal) {
        case LocalPathRefusal::InvalidURL:
            return "not a valid media URL";
        case LocalPathRefusal::NamesNoFile:
            return "the path names no file";
        case LocalPathRefusal::MalformedEscape:
            return "the path has a '%' that is not followed by two hexadecimal digits";
        case LocalPathRefusal::NotUTF8:
            return "the decoded path is not valid UTF-8";
        case LocalPathRefusal::ControlCharacter:
            return "the decoded path holds a control character";
        case LocalPathRefusal::LeavesMountPoint:
            return "the path has a '..' segment, which would leave the mount path";
        case LocalPathRefusal::WindowsName:
            return "the path has a name that Windows reads as something else: a reserved "
                   "character or device name, or a final '.' or space";
        case LocalPathRefusal::ControlCharacterInMountPath:
            return "the mount path holds a control character";
        case LocalPathRefusal::ChangedByCodePage:
            return "a Windows ANSI code page turns a name of the path into '..', a device name, "
                   "a name holding ':' or one ending in '.' or a space";
    }
    return "unknown reason";
}

bool ResolveLocalPath(const URL& url, const UTF16String& mountPointPath, UTF16String& localPath,
                      PathSeparator separator, LocalPathRefusal* refusal) {
    if (!url.IsValid()) {
        return Refuse(LocalPathRefusal::InvalidURL, refusal);
    }
    if (HasControlCharacter(mountPointPath)) {
        return Refuse(LocalPathRefusal::ControlCharacterInMountPath, refusal);
    }
    UTF16String decoded;
    const detail::StrictDecoding decoding = detail::DecodePercentStrictly(url.GetPath(), decoded);
    if (decoding == detail::StrictDecoding::MalformedEscape) {
        return Refuse(LocalPathRefusal::MalformedEscape, refusal);
    }
    if (decoding == detail::StrictDecoding::NotUTF8) {
        return Refuse(LocalPathRefusal::NotUTF8, refusal);
    }
    if (HasControlCharacter(decoded)) {
        return Refuse(LocalPathRefusal::ControlCharacter, refusal);
    }
    const std::vector<UTF16String> names = SplitNames(decoded);
    if (std::find(names.begin(), names.end(), kParentDirectory) != names.end()) {
        return Refuse(LocalPathRefusal::LeavesMountPoint, refusal);
    }
    if (std::any_of(names.begin(), names.end(), detail::IsSpecialToWindows)) {
        return Refuse(LocalPathRefusal::WindowsName, refusal);
    }
    if (detail::IsChangedByCodePage(names)) {
        return Refuse(LocalPathRefusal::ChangedByCodePage, refusal);
    }
    if (names.empty()) {
        return Refuse(LocalPathRefusal::NamesNoFile, refusal);
    }
    const bool endsInSeparator = !mountPointPath.empty() && IsSeparator(mountPointPath.back());
    UTF16String result =
        mountPointPath.substr(0, mountPointPath.size() - (endsInSeparator ? 1 : 0));
    for (const UTF16String& name : names) {
        result += static_cast<char16_t>(separator);
        result += name;
    }
    localPath.swap(result);
    return true;
}

}  // namespace kaurl::kamedia
