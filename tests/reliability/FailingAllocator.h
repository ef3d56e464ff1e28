// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>

namespace kaurl::reliability {

// The state of the replaced global operator new (FailingAllocator.cpp).
// Single-threaded use only.
struct Allocations {
    std::size_t untilFailure = 0;  // this many allocations on, one throws; 0: none
    bool failed = false;           // whether that allocation has thrown
    std::size_t live = 0;          // made and not yet deleted
};

extern Allocations allocations;

}  // namespace kaurl::reliability
