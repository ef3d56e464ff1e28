// SPDX-License-Identifier: BSL-1.0
#include "schemes/LocalNames.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace kaurl::detail {
namespace {

constexpr std::u16string_view kForbiddenOnWindows = u":<>\"|?*";
constexpr std::u16string_view kDeviceNames[] = {u"CON", u"PRN",    u"AUX",
                                                u"NUL", u"CONIN$", u"CONOUT$"};
constexpr std::u16string_view kNumberedDevicePrefixes[] = {u"COM", u"LPT"};
constexpr std::u16string_view kDeviceDigits = u"0123456789\u00b9\u00b2\u00b3";
constexpr std::size_t kLongestDeviceName = 7;  // CONOUT$

char16_t ToUpperAscii(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

}  // namespace

bool IsControlCharacter(char16_t unit) {
    return unit <= 0x1F || (unit >= 0x7F && unit <= 0x9F);
}

// Windows reads a device name before any extension, and ignores the spaces
// between the two.
bool IsDeviceName(std::u16string_view name) {
    std::u16string_view base = name.substr(0, name.find(u'.'));
    base = base.substr(0, base.find_last_not_of(u' ') + 1);
    char16_t upper[kLongestDeviceName];
    if (base.size() > kLongestDeviceName) {
        return false;
    }
    std::transform(base.begin(), base.end(), upper, ToUpperAscii);
    const std::u16string_view view(upper, base.size());
    if (std::find(std::begin(kDeviceNames), std::end(kDeviceNames), view) !=
        std::end(kDeviceNames)) {
        return true;
    }
    const auto prefixLength = kNumberedDevicePrefixes[0].size();
    return view.size() == prefixLength + 1 &&
           std::find(std::begin(kNumberedDevicePrefixes), std::end(kNumberedDevicePrefixes),
                     view.substr(0, prefixLength)) != std::end(kNumberedDevicePrefixes) &&
           kDeviceDigits.find(view.back()) != std::u16string_view::npos;
}

bool IsSpecialToWindows(const UTF16String& name) {
    if (name.find_first_of(kForbiddenOnWindows.data(), 0, kForbiddenOnWindows.size()) !=
        UTF16String::npos) {
        return true;
    }
    if (!name.empty() && (name.back() == u'.' || name.back() == u' ')) {
        return true;
    }
    return IsDeviceName(name);
}

}  // namespace kaurl::detail
