// The library's colour palette, handed out in the logical-palette layout
// (16-bit version 0x300, 16-bit count, then the entries).
#pragma once

#include <stdint.h>

// One entry in the PALETTEENTRY byte order.
struct PaletteEntry {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

// A palette table ends with the entry whose flags are this value.
const uint8_t kPaletteEndFlags = 0xFF;

// The pictures carry their colours in every bitmap's own colour table, so the
// library's palette table is empty: it holds only its end entry.
extern const PaletteEntry kLibraryPalette[];

// Writes `table` into `buffer` as a logical palette.  Returns PAT_OK; or
// PAT_ERROR_NO_PALETTE for an empty table; or PAT_ERROR_INSUFFICIENT_BUFFER
// with the needed size stored in *size.  *size is left alone on success.
uint32_t WriteLogicalPalette(const PaletteEntry *table, void *buffer, uint32_t *size);
