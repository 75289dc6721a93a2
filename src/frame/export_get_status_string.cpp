// PatGetStatusString: the localized status text.
#include "export_gate.h"
#include "status/status_text.h"

extern "C" PatBool PATAPI PatGetStatusString(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                             uint32_t dwInterfaceVersion, uint32_t dwTextForm,
                                             char *pszText, uint32_t *pcbText) {
    if (pStatusRoot == nullptr || pcbText == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_STATUS_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = GetStatusString(dwSourceType, pStatusRoot, dwTextForm, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
