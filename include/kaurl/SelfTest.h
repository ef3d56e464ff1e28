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
/// value that differs from the reference.
///
/// @snippet selftest.cpp example
///
/// @return The suite; delete it, or hold it in a std::unique_ptr.
/// @par Failure
/// Throws only std::bad_alloc; then nothing is left behind.
KAURL_API ostraunittesting::TestSuite* CreateTestSuite();

}  // namespace kaurl::unittests
