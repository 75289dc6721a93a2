// PatCreateBitmapInfo: the status picture description.
#include "export_gate.h"
#include "picture/status_picture.h"

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
