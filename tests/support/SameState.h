// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <gtest/gtest.h>

#include "kaurl/URI.h"

namespace kaurl::test_support {

// Expects equal validity, text and generic components.
inline void ExpectSameState(const URI& actual, const URI& expected) {
    EXPECT_EQ(actual.IsValid(), expected.IsValid());
    EXPECT_EQ(actual.GetURIString(), expected.GetURIString());
    EXPECT_EQ(actual.GetScheme(), expected.GetScheme());
    EXPECT_EQ(actual.GetAuthority(), expected.GetAuthority());
    EXPECT_EQ(actual.GetUserInfo(), expected.GetUserInfo());
    EXPECT_EQ(actual.GetHost(), expected.GetHost());
    EXPECT_EQ(actual.GetPort(), expected.GetPort());
    EXPECT_EQ(actual.GetPath(), expected.GetPath());
    EXPECT_EQ(actual.GetQuery(), expected.GetQuery());
    EXPECT_EQ(actual.GetFragment(), expected.GetFragment());
}

}  // namespace kaurl::test_support
