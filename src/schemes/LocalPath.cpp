// SPDX-License-Identifier: BSL-1.0
// The checked local path of a media URL: kaurl::kamedia::ResolveLocalPath.
#include "schemes/LocalPath.h"

#include <algorithm>

#include "core/AsciiText.h"
#include "schemes/CodePageNames.h"
#include "schemes/InvisibleCharacters.h"
#include "schemes/LocalNames.h"
#include "schemes/StrictPercentDecoding.h"

namespace kaurl::detail {
namespace {

using kamedia::LocalPathRefusal;

// Built when the library loads and only read afterwards, as the media unit's
// other constants are.
const UTF16String kCurrentDirectory = AsciiText(".");
const UTF16String kParentDirectory = AsciiText("..");

// The longest name that NTFS and HFS+ store, in UTF-16 code units.
constexpr std::size_t kLongestName = 255;

bool IsSeparator(char16_t unit) {
    return unit == u'/' || unit == u'\\';
}

bool HasControlCharacter(const UTF16String& text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

// `text` is well-formed UTF-16: the strict decoding refuses lone surrogates.
bool HasInvisibleCharacter(const UTF16String& text) {
    for (auto unit = text.begin(); unit != text.end(); ++unit) {
        char32_t codePoint = *unit;
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (*++unit - 0xDC00);
        }
        if (IsInvisibleOrReordering(codePoint)) {
            return true;
        }
    }
    return false;
}

bool IsTooLong(const UTF16String& name) {
    return name.size() > kLongestName;
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

bool CheckNames(const UTF16String& path, std::vector<UTF16String>& names,
                LocalPathRefusal& refusal) {
    UTF16String decoded;
    const StrictDecoding decoding = DecodePercentStrictly(path, decoded);
    if (decoding == StrictDecoding::MalformedEscape) {
        return Refuse(LocalPathRefusal::MalformedEscape, &refusal);
    }
    if (decoding == StrictDecoding::NotUTF8) {
        return Refuse(LocalPathRefusal::NotUTF8, &refusal);
    }
    if (HasControlCharacter(decoded)) {
        return Refuse(LocalPathRefusal::ControlCharacter, &refusal);
    }
    if (HasInvisibleCharacter(decoded)) {
        return Refuse(LocalPathRefusal::InvisibleCharacter, &refusal);
    }
    std::vector<UTF16String> split = SplitNames(decoded);
    if (std::find(split.begin(), split.end(), kParentDirectory) != split.end()) {
        return Refuse(LocalPathRefusal::LeavesMountPoint, &refusal);
    }
    if (std::any_of(split.begin(), split.end(), IsSpecialToWindows)) {
        return Refuse(LocalPathRefusal::WindowsName, &refusal);
    }
    if (IsChangedByCodePage(split)) {
        return Refuse(LocalPathRefusal::ChangedByCodePage, &refusal);
    }
    if (std::any_of(split.begin(), split.end(), IsTooLong)) {
        return Refuse(LocalPathRefusal::NameTooLong, &refusal);
    }
    if (split.empty()) {
        return Refuse(LocalPathRefusal::NamesNoFile, &refusal);
    }
    names.swap(split);
    return true;
}

}  // namespace kaurl::detail

namespace kaurl::kamedia {

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
        case LocalPathRefusal::EmptyMountPath:
            return "the mount path is empty";
        case LocalPathRefusal::InvisibleCharacter:
            return "the decoded path holds an invisible or reordering character, which "
                   "would make a name look like another";
        case LocalPathRefusal::NameTooLong:
            return "the path has a name longer than 255 UTF-16 code units";
        case LocalPathRefusal::ChangedByCodePage:
            return "a Windows ANSI code page turns a name of the path into '..', a device name, "
                   "a name holding ':' or one ending in '.' or a space";
    }
    return "unknown reason";
}

bool ResolveLocalPath(const URL& url, const UTF16String& mountPointPath, UTF16String& localPath,
                      PathSeparator separator, LocalPathRefusal* refusal) {
    if (!url.IsValid()) {
        return detail::Refuse(LocalPathRefusal::InvalidURL, refusal);
    }
    if (mountPointPath.empty()) {
        return detail::Refuse(LocalPathRefusal::EmptyMountPath, refusal);
    }
    if (detail::HasControlCharacter(mountPointPath)) {
        return detail::Refuse(LocalPathRefusal::ControlCharacterInMountPath, refusal);
    }
    std::vector<UTF16String> names;
    LocalPathRefusal reason{};
    if (!detail::CheckNames(url.GetPath(), names, reason)) {
        return detail::Refuse(reason, refusal);
    }
    const bool endsInSeparator = detail::IsSeparator(mountPointPath.back());
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
