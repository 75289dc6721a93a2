// PatGetDeviceName: display names of trays, output bins and options.
#include "export_gate.h"

extern "C" PatBool PATAPI PatGetDeviceName(uint32_t dwKind, const void *pName, uint32_t bCheck,
                                           char *pszText, uint32_t *pcbText) {
    (void)dwKind;
    (void)pName;
    (void)bCheck;
    (void)pszText;
    if (pcbText == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
