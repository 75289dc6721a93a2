#include "library_loader.h"

#if defined(_WIN32)
#include <windows.h>

void *OpenPatLibrary() { return LoadLibraryA("patmodel.dll"); }

void *PatLibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

const char *PatLibraryName() { return "patmodel.dll"; }

#else
#include <dlfcn.h>
#include <libgen.h>
#include <limits.h>
#include <string.h>
#include <unistd.h>

void *OpenPatLibrary() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 32);
    if (n <= 0) return nullptr;
    path[n] = '\0';
    char folder[PATH_MAX];
    strcpy(folder, dirname(path));
    strcat(folder, "/libpatmodel.so");
    return dlopen(folder, RTLD_NOW);
}

void *PatLibrarySymbol(void *library, const char *name) { return dlsym(library, name); }

const char *PatLibraryName() { return "libpatmodel.so"; }
#endif
