// SPDX-License-Identifier: BSL-1.0
// The failure call alone in its source, so that a test can link the rest of
// the framework with a failure call of its own.
#include "ostraunittesting/UnitTesting.h"

namespace ostraunittesting {

void ThrowTestFailure(const char* expression, LocationInfo location) {
    throw TestFailure(expression != nullptr ? expression : "", location);
}

}  // namespace ostraunittesting
