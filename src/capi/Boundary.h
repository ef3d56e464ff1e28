// SPDX-License-Identifier: BSL-1.0
#pragma once

// The edge between the C interface and the C++ library: every C function runs
// its body through Guarded, so that no exception crosses into C code.

#include <exception>
#include <new>

#include "kaurl/kaurl.h"

namespace kaurl::capi {

// What `body` answers, or the status of the exception it threw.
template <typename Body>
kaurl_status Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return KAURL_OUT_OF_MEMORY;
    } catch (...) {
        return KAURL_FAILED;
    }
}

}  // namespace kaurl::capi
