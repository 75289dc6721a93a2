// Module handle and file name.  The handle is an opaque token; the file name
// is that of the shared object (or program) that holds this code.
#include <dlfcn.h>
#include <string.h>
#include <unistd.h>

#include "module.h"

struct PlatformModule {
    int token;
};

namespace {
PlatformModule g_thisModule = {0};
}

HMODULE PlatformThisModule() { return &g_thisModule; }

LANGID PlatformUserDefaultLanguage() { return MAKELANGID(0x09, SUBLANG_DEFAULT); }

namespace {

bool ThisModulePath(char *path, size_t size) {
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&PlatformThisModule), &info) != 0 &&
        info.dli_fname != nullptr && info.dli_fname[0] == '/') {
        strncpy(path, info.dli_fname, size - 1);
        path[size - 1] = '\0';
        return true;
    }
    ssize_t n = readlink("/proc/self/exe", path, size - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    return true;
}

}  // namespace

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    char path[4096];
    if (hModule != PlatformThisModule() || !ThisModulePath(path, sizeof path)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (lpFilename == nullptr || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const size_t length = strlen(path);
    if (length >= nSize) {
        // Win32 truncates, terminates and reports the buffer size.
        memcpy(lpFilename, path, nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    memcpy(lpFilename, path, length + 1);
    return static_cast<DWORD>(length);
}
