// The library as the host reaches it: the exports it calls, and the
// last-error value and global heap its memory and errors come from
// (kernel32 on Windows; the same names exported by libpatmodel.so on Linux).
// Each is named once, below, with its type taken from pat.h, whether the
// library is loaded at run time (LoadPatExports) or linked (LinkedExports).
#pragma once

#include <string>
#include <type_traits>

#include "pat.h"

// The exports the host calls, by their names in pat.h without "Pat".
#define PAT_HOST_EXPORTS(X)                                                                                  \
    X(CreateBitmapInfo) X(DisposeBitmapInfo) X(GetStatusString) X(GetDeviceName) X(CreateQueryInfo)          \
    X(SetCentroDataTo) X(GetDllVersion) X(GetPeripheralProfile) X(SetLocale) X(LoadDIBitmap)

// The system's calls beside them.
#define PAT_HOST_SYSTEM_CALLS(X) X(GetLastError) X(GlobalAlloc) X(GlobalFree)

// pat.h declares the system's calls for Linux; <windows.h> has them for
// Windows, in its own type names for the same types.
using PatGetLastErrorCall = uint32_t(PATAPI *)(void);
using PatGlobalAllocCall = void *(PATAPI *)(uint32_t flags, size_t bytes);
using PatGlobalFreeCall = void *(PATAPI *)(void *block);
#if !defined(_WIN32)
static_assert(std::is_same<PatGetLastErrorCall, decltype(&::GetLastError)>::value &&
                  std::is_same<PatGlobalAllocCall, decltype(&::GlobalAlloc)>::value &&
                  std::is_same<PatGlobalFreeCall, decltype(&::GlobalFree)>::value,
              "the system's calls as pat.h declares them");
#endif

// GlobalAlloc's GPTR: a fixed block, zero-filled.
const uint32_t kZeroFilledFixedBlock = 0x40;

struct PatExports {
#define PAT_EXPORT_MEMBER(name) decltype(&::Pat##name) name = nullptr;
    PAT_HOST_EXPORTS(PAT_EXPORT_MEMBER)
#undef PAT_EXPORT_MEMBER
#define PAT_SYSTEM_CALL_MEMBER(name) Pat##name##Call name = nullptr;
    PAT_HOST_SYSTEM_CALLS(PAT_SYSTEM_CALL_MEMBER)
#undef PAT_SYSTEM_CALL_MEMBER
};

// Loads the library from `path`, or, when it is empty, from the folder of
// this program (on Linux then the installed one).  Returns false with a
// message when the library or one of the names cannot be found.  The
// library stays loaded for the life of the process.
bool LoadPatExports(const std::string &path, PatExports *exports, std::string *error);

// The file name the host looks for by default.
const char *DefaultLibraryName();
