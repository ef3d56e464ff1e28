// SPDX-License-Identifier: BSL-1.0
// The library's answer to the Windows loader. Its constants are built by
// static initialisers when the DLL is loaded and destroyed when it is
// unloaded; the library creates no threads and keeps nothing per thread, so
// process attach only switches off the per-thread attach and detach
// notifications.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}
