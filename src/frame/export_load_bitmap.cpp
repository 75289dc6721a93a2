// PatLoadBitmap: a bitmap handle for a bitmap resource of this library.
#include "export_gate.h"
#include "picture/bitmap_resources.h"

extern "C" void *PATAPI PatLoadBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<void>(PAT_ERROR_INVALID_PARAMETER);
    HBITMAP bitmap = LoadPictureBitmap(pszName);
    // A bitmap that is not there keeps the loader's own error for the host.
    if (bitmap == nullptr) return nullptr;
    SetLastError(PAT_OK);
    return bitmap;
}
