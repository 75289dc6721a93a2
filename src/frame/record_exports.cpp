// The record exports: peripheral information into a record, a record into the
// basic record, and the display names of a record's trays, bins and options.
#include "export_gate.h"
#include "pminfo/conversion.h"
#include "pminfo/input.h"
#include "prninfo/basic_record.h"
#include "prninfo/device_name.h"
#include "prninfo/record.h"

// PatPMInfoToPrnInfoEx: the host peripheral information into a record.
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

// PatPrnInfoExToPrnInfo: a record flattened into the basic record.
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

// PatGetDeviceName: display names of trays, output bins and options.
extern "C" PatBool PATAPI PatGetDeviceName(uint32_t dwKind, const void *pName, uint32_t bCheck,
                                           char *pszText, uint32_t *pcbText) {
    if (pcbText == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const uint32_t error = GetDeviceName(dwKind, pName, bCheck, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
