// The library's own exports: its version and the peripheral profiles; and, in
// the Windows build, its entry point.
#include <string.h>

#include "export_gate.h"
#include "common/library_state.h"

namespace {

constexpr uint32_t kFixedWord2 = 0x02000100u;
constexpr uint32_t kFixedWord3 = 0x03060000u;

// The four version parts packed a byte each, major on top; parts are OR-ed
// unmasked, so a part above 255 overlaps the byte above it.
uint32_t PackFileVersion(const VS_FIXEDFILEINFO &info) {
    const uint32_t parts[4] = {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                               HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS)};
    uint32_t packed = 0;
    for (uint32_t part : parts) packed = (packed << 8) | part;
    return packed;
}

// Reads the version block into word 1; returns 0 or the system's error.
DWORD ReadFileVersion(PatVersionInfo *record) {
    char path[MAX_PATH];
    if (GetModuleFileNameA(LibraryModule(), path, MAX_PATH) == 0) return GetLastError();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return GetLastError();
    void *block = GlobalAlloc(GMEM_FIXED, size);
    if (block == nullptr) return GetLastError();
    DWORD error = 0;
    VS_FIXEDFILEINFO *info = nullptr;
    UINT infoLength = 0;
    if (!GetFileVersionInfoA(path, handle, size, block)) {
        error = GetLastError();
    } else if (!VerQueryValueA(block, "\\", reinterpret_cast<LPVOID *>(&info), &infoLength)) {
        error = GetLastError();
    } else {
        record->dwFileVersion = PackFileVersion(*info);
    }
    GlobalFree(block);
    return error;
}

}  // namespace

// PatGetDllVersion: the file version from this library's version block.
extern "C" PatBool PATAPI PatGetDllVersion(PatVersionInfo *pVersion) {
    if (pVersion == nullptr || pVersion->dwSize < sizeof(PatVersionInfo)) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const uint32_t size = pVersion->dwSize;
    memset(pVersion, 0, sizeof(PatVersionInfo));
    pVersion->dwSize = size;
    const DWORD error = ReadFileVersion(pVersion);
    if (error != 0) return FailWith(error);
    pVersion->dwFixed1 = kFixedWord2;
    pVersion->dwFixed2 = kFixedWord3;
    return SucceedWith(1);
}

namespace {

struct ProfileRow {
    uint32_t sourceType;
    uint32_t words[5];
};

const ProfileRow kProfiles[] = {
    {PAT_SOURCE_1, {0x00020000u, 3, 3, 2, 0}},
    {PAT_SOURCE_2, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_4, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_8, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_8000, {0x00020000u, 3, 66, 0, 0}},
    {0xFFFFu, {0, 0, 0, 0, 0}},
};

const ProfileRow *FindProfile(uint32_t sourceType) {
    for (const ProfileRow *row = kProfiles; row->sourceType != 0xFFFFu; ++row) {
        if (row->sourceType == (sourceType & 0xFFFFu)) return row;
    }
    return nullptr;
}

}  // namespace

// PatGetPeripheralProfile: fixed capability words per source type.
extern "C" PatBool PATAPI PatGetPeripheralProfile(uint32_t dwSourceType, PatPeripheralProfile *pProfile,
                                                  uint32_t *pcbProfile) {
    if (pcbProfile == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const ProfileRow *row = FindProfile(dwSourceType);
    const uint32_t capacity = *pcbProfile;
    if (row == nullptr) {
        *pcbProfile = sizeof(PatPeripheralProfile);
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    if (capacity < sizeof(PatPeripheralProfile)) {
        *pcbProfile = sizeof(PatPeripheralProfile);
        return FailWith(PAT_ERROR_INSUFFICIENT_BUFFER);
    }
    if (pProfile == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    memcpy(pProfile->dwWord, row->words, sizeof row->words);
    *pcbProfile = sizeof(PatPeripheralProfile);
    return SucceedWith(1);
}

// Process attach: remember which module we are, so resources are found in it.
// (The Linux build attaches from library_state.cpp when its code is loaded.)
#if defined(_WIN32)
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) LibraryAttach(instance);
    return TRUE;
}
#endif
