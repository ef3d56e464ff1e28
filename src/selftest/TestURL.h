// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"
#include "ostraunittesting/UnitTesting.h"

namespace kaurl::unittests {

// The self-test fixture. It has no state; the framework makes a fresh one for
// every run.
class TestURL {
public:
    // Checks the generic, media and HTTP URL classes against the library's
    // reference examples. Mismatches are written to the trace stream; only a
    // wrong mount-point substitution fails the test.
    void DefaultTest(const ostraunittesting::TestContext& context);
};

// The assertion on the mount-point substitution of the reference media URL:
// with every backslash turned into "/", `path` must read
// "/Volumes/MountedGrid/media/stories/123/ABA00.mxf". Otherwise calls
// ostraunittesting::ThrowTestFailure, and returns if that call returns.
void AssertMountedMediaPath(UTF16String path);

}  // namespace kaurl::unittests
