// PatGetPalette: the library palette in the logical-palette layout.
#include "export_gate.h"

extern "C" PatBool PATAPI PatGetPalette(void *pPalette, uint32_t *pcbPalette) {
    if (pcbPalette == nullptr || (*pcbPalette != 0 && pPalette == nullptr)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
