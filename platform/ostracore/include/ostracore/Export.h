// SPDX-License-Identifier: BSL-1.0
#pragma once

// OSTRACORE_API marks what the core library exports: a visibility attribute on
// ELF, where the library is built with hidden visibility; on Windows an export
// while the DLL itself is built (OSTRACORE_BUILDING) and an import for its
// users. With OSTRACORE_STATIC the library is linked statically and nothing
// is exported or imported.
#if defined(OSTRACORE_STATIC)
#define OSTRACORE_API
#elif defined(_WIN32)
#if defined(OSTRACORE_BUILDING)
#define OSTRACORE_API __declspec(dllexport)
#else
#define OSTRACORE_API __declspec(dllimport)
#endif
#else
#define OSTRACORE_API __attribute__((visibility("default")))
#endif
