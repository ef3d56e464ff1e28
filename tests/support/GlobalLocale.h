// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <locale>

namespace kaurl::test_support {

// Makes `locale` the global locale for the object's lifetime, and keeps its
// facets alive that long even when another global locale replaces it.
class GlobalLocale {
public:
    explicit GlobalLocale(const std::locale& locale)
        : installed_(locale), previous_(std::locale::global(locale)) {}
    ~GlobalLocale() { std::locale::global(previous_); }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;

private:
    std::locale installed_;
    std::locale previous_;
};

// The classic locale with `facet` (which the locale then owns) in it.
template <class Facet>
std::locale ClassicWith(Facet* facet) {
    return std::locale(std::locale::classic(), facet);
}

}  // namespace kaurl::test_support
