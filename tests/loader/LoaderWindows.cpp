// SPDX-License-Identifier: BSL-1.0
#include <windows.h>

#include <filesystem>
#include <string>

#include "Loader.h"

namespace kaurl::loader {
namespace {

// Windows loads from paths with backslashes only.
std::wstring NativePath(const char* path) {
    return std::filesystem::path(path).make_preferred().wstring();
}

}  // namespace

Library Load(const char* path) {
    return LoadLibraryW(NativePath(path).c_str());
}

void* FindSymbol(Library library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

bool Unload(Library library) {
    return FreeLibrary(static_cast<HMODULE>(library)) != 0;
}

bool IsLoaded(const char* path) {
    // A loaded module is found by its file name, without taking a reference.
    const std::wstring name = std::filesystem::path(path).filename().wstring();
    return GetModuleHandleW(name.c_str()) != nullptr;
}

}  // namespace kaurl::loader
