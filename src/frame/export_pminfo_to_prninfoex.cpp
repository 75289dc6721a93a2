// PatPMInfoToPrnInfoEx: the host peripheral information into a record.
#include "export_gate.h"
#include "pminfo/conversion.h"
#include "pminfo/input.h"

extern "C" PatBool PATAPI PatPMInfoToPrnInfoEx(uint32_t dwSourceType, const void *pPMInfo,
                                               uint32_t bStructLetter, uint32_t dwFlags,
                                               PrnInfoEx *pPrnInfoEx) {
    if (IsAbsentPointer(pPMInfo) || pPrnInfoEx == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION ||
        static_cast<uint8_t>(bStructLetter) != StructureLetterFor(dwSourceType)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = ConvertPMInfo(dwSourceType, pPMInfo, dwFlags, pPrnInfoEx);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
