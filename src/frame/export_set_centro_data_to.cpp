// PatSetCentroDataTo: a PJL reply and device ID into a printer record.
#include "export_gate.h"
#include "pjl/centro_data.h"

extern "C" PatBool PATAPI PatSetCentroDataTo(PatInfoNode *pReplyRoot, uint32_t dwUnused, PrnInfoEx *pPrnInfoEx,
                                             uint32_t dwInterfaceVersion) {
    (void)dwUnused;
    if (pReplyRoot == nullptr || pPrnInfoEx == nullptr ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = SetCentroData(pReplyRoot, pPrnInfoEx);
    return error == 0 ? SucceedWith(1) : FailWith(error);
}
