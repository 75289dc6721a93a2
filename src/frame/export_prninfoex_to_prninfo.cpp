// PatPrnInfoExToPrnInfo: a record flattened into the basic record.
#include "export_gate.h"

extern "C" PatBool PATAPI PatPrnInfoExToPrnInfo(const PrnInfoEx *pPrnInfoEx, void *pPrnInfo, uint32_t dwFlags) {
    (void)dwFlags;
    if (pPrnInfoEx == nullptr || pPrnInfo == nullptr || pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
