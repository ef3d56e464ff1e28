// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// The library's self-test suite for the host's unit-test framework.

#include "kaurl/Export.h"
#include "ostraunittesting/UnitTesting.h"

/// The library's self-test.
namespace kaurl::unittests {

/// A new suite "kaurl" holding the test case "default", which checks the
/// generic, media and HTTP URL classes against the library's reference
/// examples. The caller owns the suite. Nothing is registered anywhere.
///
/// A run writes "kaurl: Begin default test" and "kaurl: End default test" to
/// the trace stream, each ended by CR LF, and between them one line for every
/// value that differs from the reference. Such a mismatch line is the only
/// report of the mismatch: the test case still passes. An adapter for any
/// test framework therefore fails the test when the trace holds the text
/// "Test failed!", which every mismatch line holds after three spaces and no
/// other line holds, as the GoogleTest adapter googletest.cpp does. The line
/// is, in UTF-8:
///
/// @code{.unparsed}
///    Test failed! CLASS::GETTER did not match expected "EXPECTED" for url: URI
/// @endcode
///
/// three spaces first, ended by CR LF, where CLASS is `kaurl::URI`,
/// `kaurl::kamedia::URL` or `kaurl::http::URL`, GETTER the getter checked
/// (`GetMountPoint`), EXPECTED the reference value (a string as it is, `true`
/// or `false`, or a decimal number such as `443`; nothing between the quotes
/// for an empty string) and URI the text of the object checked. The value that
/// the getter returned is not part of the line. A wrong mount point gives
/// the line with CLASS `kaurl::kamedia::URL`, GETTER `GetMountPoint`, EXPECTED
/// `wendelgrid` and URI `kamedia://wendelgrid/media/stories/123/ABA00.mxf`.
///
/// A local path that differs from the reference fails the test case itself,
/// through the framework's failure call, and the trace then ends without the
/// end line.
///
/// @snippet selftest.cpp example
///
/// @return The suite; delete it, or hold it in a std::unique_ptr.
/// @par Failure
/// Throws only std::bad_alloc; then nothing is left behind.
KAURL_API ostraunittesting::TestSuite* CreateTestSuite();

}  // namespace kaurl::unittests
