// Process attach: remember which module we are, so resources are found in it.
// (The Linux build attaches from library_state.cpp when its code is loaded.)
#if defined(_WIN32)
#include "common/library_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) LibraryAttach(instance);
    return TRUE;
}
#endif
