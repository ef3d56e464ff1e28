// SPDX-License-Identifier: BSL-1.0
#pragma once

namespace kaurl::detail {

// The assignment of every URI class: a complete copy of `source`, made by the
// class's own copy constructor (its scheme step included), is swapped into
// `target`. A failure while copying leaves `target` unchanged, and the swap
// cannot fail.
template <class Object>
Object& AssignByCopyAndSwap(Object& target, const Object& source) {
    Object copy(source);
    target.swap(copy);
    return target;
}

}  // namespace kaurl::detail
