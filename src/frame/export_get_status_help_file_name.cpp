// PatGetStatusHelpFileName: the help file for the current status.
#include "export_gate.h"
#include "prninfo/record.h"
#include "status/help_file_name.h"

extern "C" PatBool PATAPI PatGetStatusHelpFileName(uint32_t dwSourceType, PrnInfoEx *pPrnInfoEx,
                                                   uint32_t dwIgnored, char *pszText, uint32_t *pcbText) {
    (void)dwIgnored;
    // An older record has a shorter layout; its fields cannot be read safely.
    if (pcbText == nullptr || pPrnInfoEx == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION || CheckItemChain(pPrnInfoEx->pEngineStatus) != PAT_OK) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = GetStatusHelpFileName(dwSourceType, pPrnInfoEx, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
