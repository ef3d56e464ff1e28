// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstddef>

namespace kaurl::bench {

// Heap use of the calling thread, counted by the benchmark binary's own global
// operator new (requested bytes, not the allocator's overhead).
struct HeapUse {
    std::size_t allocations = 0;
    std::size_t bytes = 0;
};

HeapUse CurrentHeapUse();

// Counts what `work` allocates on the calling thread.
template <class Work>
HeapUse HeapUseOf(Work&& work) {
    const HeapUse before = CurrentHeapUse();
    work();
    const HeapUse after = CurrentHeapUse();
    return {after.allocations - before.allocations, after.bytes - before.bytes};
}

}  // namespace kaurl::bench
