// SPDX-License-Identifier: BSL-1.0
#include <string>

#include <gtest/gtest.h>

#include "ostracore/Utility.h"
#include "selftest/TestURL.h"

namespace {

using kaurl::UTF16String;
using kaurl::unittests::AssertMountedMediaPath;
using ostraunittesting::TestFailure;

TEST(PathAssertion, AcceptsEitherSeparatorBelowTheMountPath) {
    const UTF16String paths[] = {
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid\\media\\stories\\123\\ABA00.mxf",
        u"\\Volumes\\MountedGrid/media\\stories/123\\ABA00.mxf",
    };
    for (const UTF16String& path : paths) {
        SCOPED_TRACE(ostracore::utility::UTF16to8(path));
        EXPECT_NO_THROW(AssertMountedMediaPath(path));
    }
}

// What the failure call is given is pinned by the default test's trace test.
TEST(PathAssertion, RejectsEveryOtherPath) {
    const UTF16String paths[] = {
        u"/Volumes/MountedGrid//media/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid\\\\media\\stories\\123\\ABA00.mxf",
        u"/Volumes/MountedGridmedia/stories/123/ABA00.mxf",
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mxf/",
        u"/Volumes/MountedGrid/media/stories/123/aba00.mxf",
        u"/Volumes/MountedGrid/media/stories/123/ABA00.mx",
        u"",
    };
    for (const UTF16String& path : paths) {
        SCOPED_TRACE(ostracore::utility::UTF16to8(path));
        EXPECT_THROW(AssertMountedMediaPath(path), TestFailure);
    }
}

}  // namespace
