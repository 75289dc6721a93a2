// PatGetDeviceName: display names of trays, output bins and options.
#include "export_gate.h"
#include "prninfo/device_name.h"

extern "C" PatBool PATAPI PatGetDeviceName(uint32_t dwKind, const void *pName, uint32_t bCheck,
                                           char *pszText, uint32_t *pcbText) {
    if (pcbText == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const uint32_t error = GetDeviceName(dwKind, pName, bCheck, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
