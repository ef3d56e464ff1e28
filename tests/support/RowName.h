// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <string>

#include <gtest/gtest.h>

namespace kaurl::test_support {

// Names the instances of a table-driven test after their row: Row0, Row1, ...
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return "Row" + std::to_string(info.index);
    }
};

}  // namespace kaurl::test_support
