// SPDX-License-Identifier: BSL-1.0
#include "schemes/PathText.h"

namespace kaurl::detail {
namespace {

constexpr char16_t kExtensionSeparator = u'.';
constexpr char16_t kSegmentSeparator = u'/';

}  // namespace

void SplitFileNameAndExtension(const UTF16String& path, UTF16String& fileName,
                               UTF16String& extension) {
    // The last "." of the whole path, not of its last segment, on purpose:
    // hosts rely on u"/dir.old/clip" giving the extension u"old/clip".
    const auto dot = path.rfind(kExtensionSeparator);
    if (dot != UTF16String::npos) {
        extension.assign(path, dot + 1, UTF16String::npos);
    }
    const auto slash = path.rfind(kSegmentSeparator);
    if (slash != UTF16String::npos) {
        fileName.assign(path, slash + 1, UTF16String::npos);
    }
}

void ReplaceAll(UTF16String& text, const UTF16String& from, const UTF16String& to) {
    auto position = text.find(from);
    while (position != UTF16String::npos) {
        text.replace(position, from.size(), to);
        position = text.find(from, position + to.size());
    }
}

}  // namespace kaurl::detail
