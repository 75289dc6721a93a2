// PatGetStatusHelpFileName: the help file for the current status.
#include "export_gate.h"

extern "C" PatBool PATAPI PatGetStatusHelpFileName(uint32_t dwSourceType, PrnInfoEx *pPrnInfoEx,
                                                   uint32_t dwIgnored, char *pszText, uint32_t *pcbText) {
    (void)dwIgnored;
    (void)pszText;
    if (pcbText == nullptr || pPrnInfoEx == nullptr || !IsAcceptedSourceType(dwSourceType)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
