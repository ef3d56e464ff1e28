// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>

// A replacement of the global operator new (see FailingAllocator.cpp) that can
// be told to throw std::bad_alloc on one chosen allocation, and that counts
// the allocations still alive so a test can see whether anything leaked.
// Single-threaded use only.
namespace kaurl::reliability {

// From now on, the `n`-th allocation (1 = the next one) throws std::bad_alloc;
// the ones after it succeed again.
void FailAllocationNumber(std::size_t n);

// Cancels a pending failure.
void StopFailingAllocations();

// Whether the failure chosen with FailAllocationNumber has happened.
bool AllocationFailed();

// Allocations made through operator new and not yet deleted.
std::size_t LiveAllocations();

}  // namespace kaurl::reliability
