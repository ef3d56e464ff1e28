// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// Helpers shared by the fuzz targets.
namespace kaurl::fuzz {

// The input as UTF-16 code units, two bytes each, little end first; every
// value is possible (NUL and lone surrogates included). An odd last byte is
// dropped.
inline std::u16string CodeUnits(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

// Whether every surrogate in `text` is part of a high-low pair.
inline bool IsWellFormedUTF16(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

// A broken property is a finding: report it and abort, so that libFuzzer
// keeps the input and the corpus replay fails.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace kaurl::fuzz
