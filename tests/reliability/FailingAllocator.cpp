// SPDX-License-Identifier: BSL-1.0
#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace kaurl::reliability {
namespace {

std::size_t allocationsUntilFailure = 0;  // 0: no failure pending
bool failureHappened = false;
std::size_t liveAllocations = 0;

void* Allocate(std::size_t size) {
    if (allocationsUntilFailure != 0 && --allocationsUntilFailure == 0) {
        failureHappened = true;
        return nullptr;
    }
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory != nullptr) {
        ++liveAllocations;
    }
    return memory;
}

void Release(void* memory) {
    if (memory != nullptr) {
        --liveAllocations;
        std::free(memory);
    }
}

void* AllocateOrThrow(std::size_t size) {
    void* memory = Allocate(size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

}  // namespace

void FailAllocationNumber(std::size_t n) {
    allocationsUntilFailure = n;
    failureHappened = false;
}

void StopFailingAllocations() {
    allocationsUntilFailure = 0;
}

bool AllocationFailed() {
    return failureHappened;
}

std::size_t LiveAllocations() {
    return liveAllocations;
}

}  // namespace kaurl::reliability

// The replaced forms. The aligned forms keep the library's own pair, which
// nothing here mixes with these.
void* operator new(std::size_t size) {
    return kaurl::reliability::AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return kaurl::reliability::AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return kaurl::reliability::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return kaurl::reliability::Allocate(size);
}
void operator delete(void* memory) noexcept {
    kaurl::reliability::Release(memory);
}
void operator delete[](void* memory) noexcept {
    kaurl::reliability::Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    kaurl::reliability::Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    kaurl::reliability::Release(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    kaurl::reliability::Release(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    kaurl::reliability::Release(memory);
}
