// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/Export.h"
#include "ostraunittesting/UnitTesting.h"

namespace kaurl::unittests {

// A new suite "kaurl" holding the test case "default", which checks the
// generic, media and HTTP URL classes against the library's reference
// examples. The caller owns the suite. Nothing is registered anywhere.
KAURL_API ostraunittesting::TestSuite* CreateTestSuite();

}  // namespace kaurl::unittests
