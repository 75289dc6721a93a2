// PatSetCentroDataTo: a PJL reply and device ID into a printer record.
#include "export_gate.h"

extern "C" PatBool PATAPI PatSetCentroDataTo(PatInfoNode *pReplyRoot, uint32_t dwUnused, PrnInfoEx *pPrnInfoEx,
                                             uint32_t dwInterfaceVersion) {
    (void)dwUnused;
    if (pReplyRoot == nullptr || pPrnInfoEx == nullptr ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
