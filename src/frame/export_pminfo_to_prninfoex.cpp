// PatPMInfoToPrnInfoEx: the host peripheral information into a record.
#include "export_gate.h"

extern "C" PatBool PATAPI PatPMInfoToPrnInfoEx(uint32_t dwSourceType, const void *pPMInfo,
                                               uint32_t bStructLetter, uint32_t dwFlags,
                                               PrnInfoEx *pPrnInfoEx) {
    (void)bStructLetter;
    (void)dwFlags;
    if (pPMInfo == nullptr || pPrnInfoEx == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
