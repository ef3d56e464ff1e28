// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <string_view>

namespace kaurl::tool {

// The size of the longest label of the human output, "port number"; its
// values are aligned two spaces after it.
constexpr std::size_t kLongestLabelSize = 11;

// A label of the human output, made from a string literal only, so that a
// label too long for the column fails to compile rather than lose its padding.
class Label {
public:
    template <std::size_t Size>
    constexpr Label(const char (&text)[Size]) : text_(text, Size - 1) {
        static_assert(Size - 1 <= kLongestLabelSize,
                      "a label longer than kLongestLabelSize: raise it to the new label's size");
    }

    constexpr std::string_view Text() const { return text_; }

private:
    std::string_view text_;
};

}  // namespace kaurl::tool
