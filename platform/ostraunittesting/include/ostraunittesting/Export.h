// SPDX-License-Identifier: BSL-1.0
#pragma once

// OSTRAUNITTESTING_API marks what the unit-test framework exports: a
// visibility attribute on ELF, where the library is built with hidden
// visibility; on Windows an export while the DLL itself is built
// (OSTRAUNITTESTING_BUILDING) and an import for its users. With
// OSTRAUNITTESTING_STATIC the library is linked statically and nothing is
// exported or imported.
#if defined(OSTRAUNITTESTING_STATIC)
#define OSTRAUNITTESTING_API
#elif defined(_WIN32)
#if defined(OSTRAUNITTESTING_BUILDING)
#define OSTRAUNITTESTING_API __declspec(dllexport)
#else
#define OSTRAUNITTESTING_API __declspec(dllimport)
#endif
#else
#define OSTRAUNITTESTING_API __attribute__((visibility("default")))
#endif
