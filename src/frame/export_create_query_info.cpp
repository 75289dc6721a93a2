// PatCreateQueryInfo: the PJL query tree for a printer.
#include "export_gate.h"

extern "C" PatInfoNode *PATAPI PatCreateQueryInfo(PrnInfoEx *pPrnInfoEx, uint32_t dwInterfaceVersion,
                                                  uint32_t dwItemFlags) {
    (void)dwItemFlags;
    if (pPrnInfoEx == nullptr || !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWithNull<PatInfoNode>(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWithNull<PatInfoNode>(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
