// SPDX-License-Identifier: BSL-1.0
#include <dlfcn.h>

#include "Loader.h"

namespace kaurl::loader {

Library Load(const char* path) {
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

void* FindSymbol(Library library, const char* name) {
    return dlsym(library, name);
}

bool Unload(Library library) {
    return dlclose(library) == 0;
}

bool IsLoaded(const char* path) {
    // RTLD_NOLOAD finds a loaded library without loading it, and counts a
    // reference when it does, which is given back at once.
    void* const library = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) {
        return false;
    }
    dlclose(library);
    return true;
}

}  // namespace kaurl::loader
