// SPDX-License-Identifier: BSL-1.0
#include "schemes/CodePageNames.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "schemes/LocalNames.h"
#include "schemes/codepages/CodePageTables.h"

namespace kaurl::detail {
namespace {

using codepages::kSpecialFits;
using codepages::SpecialFit;

bool IsAscii(char16_t unit) {
    return unit < 0x80;
}

// The code pages that convert `unit` to a character of their own.
std::uint16_t PagesThatConvert(char16_t unit) {
    const auto next = std::upper_bound(
        std::begin(codepages::kPageRuns), std::end(codepages::kPageRuns), unit,
        [](char16_t value, const codepages::PageRun& run) { return value < run.first; });
    return std::prev(next)->pages;  // the first run starts at U+0000
}

std::pair<const SpecialFit*, const SpecialFit*> SpecialFitsOf(char16_t unit) {
    struct ByCodeUnit {
        bool operator()(const SpecialFit& fit, char16_t value) const {
            return fit.codeUnit < value;
        }
        bool operator()(char16_t value, const SpecialFit& fit) const {
            return value < fit.codeUnit;
        }
    };
    return std::equal_range(std::begin(kSpecialFits), std::end(kSpecialFits), unit, ByCodeUnit());
}

// `name` as the code page with bit `page` reads it back, into `converted`:
// each character that the page converts to a special character replaced by
// that character.
void Convert(const UTF16String& name, std::uint16_t page, UTF16String& converted) {
    converted.assign(name);
    for (char16_t& unit : converted) {
        if (IsAscii(unit)) {
            continue;
        }
        const auto fits = SpecialFitsOf(unit);
        const auto fit = std::find_if(
            fits.first, fits.second, [page](const SpecialFit& f) { return (f.pages & page) != 0; });
        if (fit != fits.second) {
            unit = fit->readAs;
        }
    }
}

bool IsReadAsAnotherName(std::u16string_view name) {
    return !name.empty() && (name.back() == u'.' || name.back() == u' ' ||
                             name.find(u':') != std::u16string_view::npos || IsDeviceName(name));
}

bool HasNameReadAsAnother(std::u16string_view path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of(u"/\\", start), path.size());
        if (IsReadAsAnotherName(path.substr(start, end - start))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

bool IsChangedByCodePage(const std::vector<UTF16String>& names) {
    std::uint16_t pages = codepages::kAllCodePages;
    std::uint16_t changing = 0;
    for (const UTF16String& name : names) {
        for (const char16_t unit : name) {
            if (IsAscii(unit)) {
                continue;
            }
            pages &= PagesThatConvert(unit);
            if (pages == 0) {
                return false;
            }
            const auto fits = SpecialFitsOf(unit);
            std::for_each(fits.first, fits.second,
                          [&changing](const SpecialFit& fit) { changing |= fit.pages; });
        }
    }
    changing &= pages;
    UTF16String converted;
    for (std::size_t bit = 0; bit < codepages::kCodePageCount; ++bit) {
        const auto page = static_cast<std::uint16_t>(1U << bit);
        if ((changing & page) == 0) {
            continue;
        }
        for (const UTF16String& name : names) {
            Convert(name, page, converted);
            if (HasNameReadAsAnother(converted)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace kaurl::detail
