// PatGetStatusString: the localized status text.
#include "export_gate.h"

extern "C" PatBool PATAPI PatGetStatusString(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                             uint32_t dwInterfaceVersion, uint32_t dwTextForm,
                                             char *pszText, uint32_t *pcbText) {
    (void)dwTextForm;
    (void)pszText;
    if (pStatusRoot == nullptr || pcbText == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_STATUS_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
