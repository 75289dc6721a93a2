#include "palette.h"

#include <string.h>

#include "pat.h"

const PaletteEntry kLibraryPalette[] = {
    {0, 0, 0, kPaletteEndFlags},
};

namespace {

const uint16_t kLogicalPaletteVersion = 0x300;
const uint32_t kLogicalPaletteHeaderSize = 4;

uint32_t CountEntries(const PaletteEntry *table) {
    uint32_t count = 0;
    while (table[count].flags != kPaletteEndFlags) ++count;
    return count;
}

}  // namespace

uint32_t WriteLogicalPalette(const PaletteEntry *table, void *buffer, uint32_t *size) {
    const uint32_t count = CountEntries(table);
    if (count == 0) return PAT_ERROR_NO_PALETTE;
    const uint32_t needed = kLogicalPaletteHeaderSize + count * sizeof(PaletteEntry);
    if (*size < needed) {
        *size = needed;
        return PAT_ERROR_INSUFFICIENT_BUFFER;
    }
    // The host's buffer need not be aligned.
    uint8_t *out = static_cast<uint8_t *>(buffer);
    const uint16_t header[2] = {kLogicalPaletteVersion, static_cast<uint16_t>(count)};
    memcpy(out, header, sizeof header);
    memcpy(out + kLogicalPaletteHeaderSize, table, count * sizeof(PaletteEntry));
    return 0;
}
