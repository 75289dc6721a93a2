// PatLoadDIBitmap: the packed device-independent bitmap of a bitmap resource.
#include "export_gate.h"
#include "picture/bitmap_resources.h"

extern "C" const void *PATAPI PatLoadDIBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<const void>(PAT_ERROR_INVALID_PARAMETER);
    const void *packed = FindPackedBitmap(pszName);
    if (packed == nullptr) return FailWithNull<const void>(GetLastError());
    SetLastError(PAT_OK);
    return packed;
}
