// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace kaurl::test_support {

// A stable test name made of a row's input text: ASCII letters and digits
// stay, any other ASCII character becomes "_", any other code unit its four
// hexadecimal digits. Cut to 30 characters, so that CTest names stay short.
inline std::string NameFromText(std::u16string_view text) {
    std::string name;
    for (const char16_t unit : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(unit));
        const bool alphanumeric = (unit >= u'a' && unit <= u'z') ||
                                  (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9');
        name += alphanumeric ? std::string(1, static_cast<char>(unit)) : unit < 0x80 ? "_" : hex;
    }
    return name.empty() ? "empty" : name.substr(0, 30);
}

// Names the instances of a table-driven test after the `text` of their row.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return NameFromText(info.param.text);
    }
};

}  // namespace kaurl::test_support
