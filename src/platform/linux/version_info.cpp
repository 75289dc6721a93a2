// Version information of this module, read from its version resource.
#include <string.h>

#include "module.h"

namespace {

constexpr DWORD kFixedFileInfoSignature = 0xFEEF04BDu;

HRSRC VersionResourceOf(LPCSTR filename) {
    char ownPath[4096];
    if (filename == nullptr ||
        GetModuleFileNameA(PlatformThisModule(), ownPath, sizeof ownPath) == 0 ||
        strcmp(filename, ownPath) != 0) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return FindResourceA(PlatformThisModule(), MAKEINTRESOURCE(1), RT_VERSION);
}

}  // namespace

extern "C" DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle) {
    if (lpdwHandle != nullptr) *lpdwHandle = 0;
    HRSRC found = VersionResourceOf(lptstrFilename);
    return found == nullptr ? 0 : SizeofResource(PlatformThisModule(), found);
}

extern "C" BOOL WINAPI GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD, DWORD dwLen, LPVOID lpData) {
    HRSRC found = VersionResourceOf(lptstrFilename);
    if (found == nullptr) return FALSE;
    if (lpData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD size = SizeofResource(PlatformThisModule(), found);
    memcpy(lpData, LoadResource(PlatformThisModule(), found), dwLen < size ? dwLen : size);
    return TRUE;
}

// Only the root block ("\\") is served: it holds the fixed file information,
// which follows the 16-bit header and the "VS_VERSION_INFO" key, 32-bit aligned.
extern "C" BOOL WINAPI VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID *lplpBuffer, PUINT puLen) {
    if (pBlock == nullptr || lpSubBlock == nullptr || lplpBuffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (strcmp(lpSubBlock, "\\") != 0) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    const auto *bytes = static_cast<const uint8_t *>(pBlock);
    WORD valueLength;
    memcpy(&valueLength, bytes + 2, sizeof valueLength);
    const size_t keyEnd = 6 + sizeof(u"VS_VERSION_INFO");
    const size_t valueOffset = (keyEnd + 3) & ~static_cast<size_t>(3);
    DWORD signature;
    memcpy(&signature, bytes + valueOffset, sizeof signature);
    if (valueLength < sizeof(VS_FIXEDFILEINFO) || signature != kFixedFileInfoSignature) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return FALSE;
    }
    *lplpBuffer = const_cast<uint8_t *>(bytes + valueOffset);
    if (puLen != nullptr) *puLen = valueLength;
    return TRUE;
}
