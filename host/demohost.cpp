// A small host: loads the library through its exports only and prints what
// it says about itself.
#include <stdio.h>

#include "pat.h"

#if defined(_WIN32)
#include <windows.h>
static void *OpenLibrary() { return LoadLibraryA("patmodel.dll"); }
static void *Symbol(void *library, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}
static const char *kLibraryName = "patmodel.dll";
#else
#include <dlfcn.h>
#include <libgen.h>
#include <limits.h>
#include <string.h>
#include <unistd.h>
static void *OpenLibrary() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 32);
    if (n <= 0) return nullptr;
    path[n] = '\0';
    strcat(dirname(path), "/libpatmodel.so");
    return dlopen(path, RTLD_NOW);
}
static void *Symbol(void *library, const char *name) { return dlsym(library, name); }
static const char *kLibraryName = "libpatmodel.so";
#endif

typedef PatBool(PATAPI *GetDllVersionFn)(PatVersionInfo *);
typedef PatBool(PATAPI *GetPeripheralProfileFn)(uint32_t, PatPeripheralProfile *, uint32_t *);

int main() {
    void *library = OpenLibrary();
    if (library == nullptr) {
        fprintf(stderr, "demohost: cannot load %s\n", kLibraryName);
        return 1;
    }
    auto getVersion = reinterpret_cast<GetDllVersionFn>(Symbol(library, "PatGetDllVersion"));
    auto getProfile = reinterpret_cast<GetPeripheralProfileFn>(Symbol(library, "PatGetPeripheralProfile"));
    PatVersionInfo version = {};
    version.dwSize = sizeof version;
    if (getVersion == nullptr || getProfile == nullptr || !getVersion(&version)) {
        fprintf(stderr, "demohost: version query failed\n");
        return 1;
    }
    const uint32_t v = version.dwFileVersion;
    printf("%s version %u.%u.%u.%u (0x%08X), words 0x%08X 0x%08X\n", kLibraryName, v >> 24, (v >> 16) & 0xFF,
           (v >> 8) & 0xFF, v & 0xFF, v, version.dwFixed1, version.dwFixed2);
    const uint32_t sources[] = {PAT_SOURCE_1, PAT_SOURCE_2, PAT_SOURCE_4, PAT_SOURCE_8, PAT_SOURCE_8000};
    for (uint32_t source : sources) {
        PatPeripheralProfile profile;
        uint32_t length = sizeof profile;
        if (!getProfile(source, &profile, &length)) {
            fprintf(stderr, "demohost: profile of source type 0x%X failed\n", source);
            return 1;
        }
        printf("source type 0x%04X profile: 0x%08X %u %u %u %u\n", source, profile.dwWord[0], profile.dwWord[1],
               profile.dwWord[2], profile.dwWord[3], profile.dwWord[4]);
    }
    return 0;
}
