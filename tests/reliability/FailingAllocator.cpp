// SPDX-License-Identifier: BSL-1.0
#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

kaurl::reliability::Allocations kaurl::reliability::allocations;

// The other forms of new and delete (arrays, nothrow) call these by default.
// The aligned forms keep the library's own pair, which nothing here mixes with
// these.
void* operator new(std::size_t size) {
    auto& allocations = kaurl::reliability::allocations;
    if (allocations.untilFailure != 0 && --allocations.untilFailure == 0) {
        allocations.failed = true;
        throw std::bad_alloc();
    }
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    ++allocations.live;
    return memory;
}

void operator delete(void* memory) noexcept {
    if (memory != nullptr) {
        --kaurl::reliability::allocations.live;
        std::free(memory);
    }
}

void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}
