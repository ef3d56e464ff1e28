// SPDX-License-Identifier: BSL-1.0
#pragma once

// KAURL_API marks what the library exports; whole polymorphic classes are
// exported so that their type information has one identity across modules.
// KAURL_INTERNAL keeps a member of an exported class out of the exported
// interface where the object format allows it.
//
// - ELF: the library is built with hidden visibility, and these are
//   visibility attributes.
// - Windows: the DLL is built with KAURL_BUILDING and exports what KAURL_API
//   marks, which its users import. A DLL exports every member of an exported
//   class, so KAURL_INTERNAL is empty there.
// - KAURL_STATIC: the library's sources are linked into a program directly, as
//   the unit tests do; nothing is exported or imported.
//
// KAURL_NATIVE_PATH_SEPARATOR is the separator of local file paths on the
// platform that a program is compiled for: the backslash on Windows, "/"
// elsewhere.
#if defined(KAURL_STATIC)
#define KAURL_API
#define KAURL_INTERNAL
#elif defined(_WIN32)
#if defined(KAURL_BUILDING)
#define KAURL_API __declspec(dllexport)
#else
#define KAURL_API __declspec(dllimport)
#endif
#define KAURL_INTERNAL
#else
#define KAURL_API __attribute__((visibility("default")))
#define KAURL_INTERNAL __attribute__((visibility("hidden")))
#endif

#if defined(_WIN32)
#define KAURL_NATIVE_PATH_SEPARATOR u'\\'
#else
#define KAURL_NATIVE_PATH_SEPARATOR u'/'
#endif
