// Loads patmodel.dll from the test program's folder, as a host does.
#pragma once

#include <windows.h>

#include "pat.h"

HMODULE PatDll();

template <typename F>
F PatExport(const char *name) {
    return reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(PatDll(), name)));
}
