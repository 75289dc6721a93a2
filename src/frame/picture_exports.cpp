// The status picture exports: its description and the bitmaps and palette it is drawn with.
#include "export_gate.h"
#include "picture/bitmap_info.h"
#include "picture/bitmap_resources.h"
#include "picture/palette.h"
#include "picture/status_picture.h"

// PatCreateBitmapInfo: the status picture description.
extern "C" PatBitmapInfo *PATAPI PatCreateBitmapInfo(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                                     uint32_t dwInterfaceVersion) {
    if (pStatusRoot == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_STATUS_INTERFACE_VERSION)) {
        return FailWithNull<PatBitmapInfo>(PAT_ERROR_INVALID_PARAMETER);
    }
    PatBitmapInfo *picture = nullptr;
    const uint32_t error = CreateStatusPicture(dwSourceType, pStatusRoot, &picture);
    if (error != PAT_OK) return FailWithNull<PatBitmapInfo>(error);
    SetLastError(PAT_OK);
    return picture;
}

// PatDisposeBitmapInfo: releases a picture description.
extern "C" PatBool PATAPI PatDisposeBitmapInfo(PatBitmapInfo *pBitmapInfo) {
    const uint32_t error = DisposeBitmapInfo(pBitmapInfo);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}

// PatLoadBitmap: a bitmap handle for a bitmap resource of this library.
extern "C" void *PATAPI PatLoadBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<void>(PAT_ERROR_INVALID_PARAMETER);
    HBITMAP bitmap = LoadPictureBitmap(pszName);
    // A bitmap that is not there keeps the loader's own error for the host.
    if (bitmap == nullptr) return nullptr;
    SetLastError(PAT_OK);
    return bitmap;
}

// PatLoadDIBitmap: the packed device-independent bitmap of a bitmap resource.
extern "C" const void *PATAPI PatLoadDIBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<const void>(PAT_ERROR_INVALID_PARAMETER);
    const void *packed = FindPackedBitmap(pszName);
    if (packed == nullptr) return FailWithNull<const void>(GetLastError());
    SetLastError(PAT_OK);
    return packed;
}

// PatGetPalette: the library palette in the logical-palette layout.
extern "C" PatBool PATAPI PatGetPalette(void *pPalette, uint32_t *pcbPalette) {
    // A size of 0 with no buffer asks for the size.
    if (pcbPalette == nullptr || (*pcbPalette != 0 && pPalette == nullptr)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t result = WriteLogicalPalette(kLibraryPalette, pPalette, pcbPalette);
    if (result != 0) return FailWith(result);
    return SucceedWith(1);
}
