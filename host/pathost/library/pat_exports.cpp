#include "library/pat_exports.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <libgen.h>
#include <limits.h>
#include <string.h>
#include <unistd.h>
#endif

namespace {

#if defined(_WIN32)

void *OpenLibrary(const std::string &path) {
    return LoadLibraryA(path.empty() ? DefaultLibraryName() : path.c_str());
}

void *LibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

// The heap and the last error belong to the system, not to the library.
void *SystemSymbol(void *, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name));
}

std::string LoadFailure() { return "error " + std::to_string(::GetLastError()); }

#else

std::string ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    path[n] = '\0';
    return dirname(path);
}

// The library beside the program (a build tree), else the installed one.
void *OpenLibrary(const std::string &path) {
    if (!path.empty()) return dlopen(path.c_str(), RTLD_NOW);
    void *library = dlopen((ProgramFolder() + "/" + DefaultLibraryName()).c_str(), RTLD_NOW);
    return library != nullptr ? library : dlopen(PAT_INSTALLED_LIBRARY_NAME, RTLD_NOW);
}

void *LibrarySymbol(void *library, const char *name) { return dlsym(library, name); }

void *SystemSymbol(void *library, const char *name) { return dlsym(library, name); }

std::string LoadFailure() {
    const char *why = dlerror();
    return why != nullptr ? why : "unknown reason";
}

#endif

template <typename Function>
bool Resolve(void *(*lookup)(void *, const char *), void *library, const std::string &name, Function *function,
             std::string *error) {
    *function = reinterpret_cast<Function>(lookup(library, name.c_str()));
    if (*function == nullptr) *error = "the library has no export " + name;
    return *function != nullptr;
}

}  // namespace

const char *DefaultLibraryName() {
#if defined(_WIN32)
    return "patmodel.dll";
#else
    return "libpatmodel.so";
#endif
}

bool LoadPatExports(const std::string &path, PatExports *exports, std::string *error) {
    void *library = OpenLibrary(path);
    if (library == nullptr) {
        *error = "cannot load " + (path.empty() ? std::string(DefaultLibraryName()) : path) + ": " + LoadFailure();
        return false;
    }
    PatExports &e = *exports;
#define PAT_RESOLVE_EXPORT(name) &&Resolve(LibrarySymbol, library, "Pat" #name, &e.name, error)
#define PAT_RESOLVE_SYSTEM_CALL(name) &&Resolve(SystemSymbol, library, #name, &e.name, error)
    return true PAT_HOST_EXPORTS(PAT_RESOLVE_EXPORT) PAT_HOST_SYSTEM_CALLS(PAT_RESOLVE_SYSTEM_CALL);
#undef PAT_RESOLVE_EXPORT
#undef PAT_RESOLVE_SYSTEM_CALL
}
