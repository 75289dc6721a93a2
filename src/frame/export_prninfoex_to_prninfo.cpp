// PatPrnInfoExToPrnInfo: a record flattened into the basic record.
#include "export_gate.h"
#include "prninfo/basic_record.h"
#include "prninfo/record.h"

extern "C" PatBool PATAPI PatPrnInfoExToPrnInfo(const PrnInfoEx *pPrnInfoEx, void *pPrnInfo, uint32_t dwFlags) {
    // The option lookups follow the whole option list; the other lists are read
    // no further than the basic record's arrays hold.
    if (pPrnInfoEx == nullptr || pPrnInfo == nullptr || pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION ||
        CheckItemChain(pPrnInfoEx->pDeviceInfo) != PAT_OK) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    FillBasicRecord(pPrnInfoEx, static_cast<PrnInfo *>(pPrnInfo), dwFlags);
    return SucceedWith(1);
}
