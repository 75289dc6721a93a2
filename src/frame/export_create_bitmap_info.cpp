// PatCreateBitmapInfo: the status picture description.
#include "export_gate.h"

extern "C" PatBitmapInfo *PATAPI PatCreateBitmapInfo(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                                     uint32_t dwInterfaceVersion) {
    if (pStatusRoot == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_STATUS_INTERFACE_VERSION)) {
        return FailWithNull<PatBitmapInfo>(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWithNull<PatBitmapInfo>(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
