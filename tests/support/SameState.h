// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <gtest/gtest.h>

#include "support/UrlState.h"

namespace kaurl::test_support {

// Expects equal validity, text and generic components.
inline void ExpectSameState(const URI& actual, const URI& expected) {
    EXPECT_EQ(CaptureState(actual), CaptureState(expected));
}

}  // namespace kaurl::test_support
