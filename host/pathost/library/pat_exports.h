// The library as the host reaches it: its sixteen exports by name, and the
// last-error value and global heap its memory and errors come from
// (kernel32 on Windows; the same names exported by libpatmodel.so on Linux).
#pragma once

#include <string>

#include "pat.h"

// GlobalAlloc's GPTR: a fixed block, zero-filled.
const uint32_t kZeroFilledFixedBlock = 0x40;

struct PatExports {
    void *(PATAPI *CreateBitmapInfo)(uint32_t, PatInfoNode *, uint32_t);
    PatBool(PATAPI *DisposeBitmapInfo)(void *);
    PatBool(PATAPI *GetStatusString)(uint32_t, PatInfoNode *, uint32_t, uint32_t, char *, uint32_t *);
    PatBool(PATAPI *GetDeviceName)(uint32_t, const void *, uint32_t, char *, uint32_t *);
    PatInfoNode *(PATAPI *CreateQueryInfo)(PrnInfoEx *, uint32_t, uint32_t);
    PatBool(PATAPI *SetCentroDataTo)(PatInfoNode *, uint32_t, PrnInfoEx *, uint32_t);
    PatBool(PATAPI *GetDllVersion)(PatVersionInfo *);
    PatBool(PATAPI *GetPeripheralProfile)(uint32_t, PatPeripheralProfile *, uint32_t *);
    PatBool(PATAPI *SetLocale)(const char *);
    const void *(PATAPI *LoadDIBitmap)(const char *);

    uint32_t(PATAPI *GetLastError)();
    void *(PATAPI *GlobalAlloc)(uint32_t flags, size_t bytes);
    void *(PATAPI *GlobalFree)(void *block);
};

// Loads the library from `path`, or, when it is empty, from the folder of
// this program.  Returns false with a message when the library or one of the
// names cannot be found.  The library stays loaded for the life of the process.
bool LoadPatExports(const std::string &path, PatExports *exports, std::string *error);

// The file name the host looks for by default.
const char *DefaultLibraryName();
