// Reading the library's bitmaps: packed device-independent bitmaps (header,
// colour table, pixels; no file header) with 8-bit RLE8 pixels, decoded the
// way the Windows bitmap loader reads them.
#pragma once

#include <stdint.h>

#include <vector>

const uint32_t kDibCompressionRgb = 0;
const uint32_t kDibCompressionRle8 = 1;

struct IndexedBitmap {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colourCount = 0;       // entries in the colour table
    uint32_t colours[256] = {};     // 0x00RRGGBB
    std::vector<uint8_t> pixels;    // width * height colour indices, top row first
    // False when the run-length stream skipped pixels (a delta or an early end
    // of line or of the bitmap); skipped pixels read as index 0.
    bool everyPixelWritten = false;
};

// Decodes an 8 bits-per-pixel RLE8 packed bitmap.  Returns null on success,
// otherwise a description of what is wrong with it.
const char *DecodePackedDib(const void *packed, IndexedBitmap *bitmap);
