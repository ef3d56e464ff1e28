// SPDX-License-Identifier: BSL-1.0
// Replaces the global operator new and delete of the benchmark binary (and so
// of the library it loads) to count allocations per thread; plain
// thread-local counters keep the cost out of the timings.
#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace kaurl::bench {
namespace {

thread_local HeapUse heapUse;

void* Allocate(std::size_t size) {
    ++heapUse.allocations;
    heapUse.bytes += size;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

}  // namespace

HeapUse CurrentHeapUse() {
    return heapUse;
}

}  // namespace kaurl::bench

void* operator new(std::size_t size) {
    return kaurl::bench::Allocate(size);
}

void* operator new[](std::size_t size) {
    return kaurl::bench::Allocate(size);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
