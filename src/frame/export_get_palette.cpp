// PatGetPalette: the library palette in the logical-palette layout.
#include "export_gate.h"
#include "picture/palette.h"

extern "C" PatBool PATAPI PatGetPalette(void *pPalette, uint32_t *pcbPalette) {
    // A size of 0 with no buffer asks for the size.
    if (pcbPalette == nullptr || (*pcbPalette != 0 && pPalette == nullptr)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t result = WriteLogicalPalette(kLibraryPalette, pPalette, pcbPalette);
    if (result != 0) return FailWith(result);
    return SucceedWith(1);
}
