// SPDX-License-Identifier: BSL-1.0
#pragma once

// The library is built with hidden visibility; KAURL_API marks what it exports.
// Whole polymorphic classes are exported so that their type information has
// one identity across shared objects. KAURL_INTERNAL keeps a member of an
// exported class out of the exported interface.
#define KAURL_API __attribute__((visibility("default")))
#define KAURL_INTERNAL __attribute__((visibility("hidden")))
