// SPDX-License-Identifier: BSL-1.0
#pragma once

// The operating system's dynamic-library loader, as far as the unload test
// needs it. One source per platform implements it.
namespace kaurl::loader {

// A library loaded by Load; null when loading failed.
using Library = void*;

Library Load(const char* path);
// The address of the exported `name`, or null.
void* FindSymbol(Library library, const char* name);
// Drops the reference that Load took; false when the loader refused.
bool Unload(Library library);
// Whether the library at `path` is loaded in this process, by anyone.
bool IsLoaded(const char* path);

}  // namespace kaurl::loader
