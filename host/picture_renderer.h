// Draws a status picture the way a host does with GDI: the layers of a bitmap
// info in order, each bitmap blitted at its position with its raster
// operation, onto a 320 x 200 true-colour canvas.
#pragma once

#include <stdint.h>

#include <vector>

#include "pat.h"
#include "packed_dib.h"

const int kPictureWidth = 320;
const int kPictureHeight = 200;

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

inline bool operator==(const Rgb &a, const Rgb &b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

struct Picture {
    int width = kPictureWidth;
    int height = kPictureHeight;
    std::vector<Rgb> pixels;  // top row first
};

// The colour a picture starts from before its first layer.
const Rgb kPictureBackground = {255, 255, 255};

// PatLoadDIBitmap, or any function that finds a packed bitmap by name.
typedef const void *(PATAPI *PackedBitmapSource)(const char *name);

Picture BlankPicture();

// Blits `bitmap` with its top-left corner at (x, y), clipped to the picture.
// The raster operations act on the colours, as GDI's do on a true-colour
// surface: SRCCOPY copies, SRCAND and SRCPAINT combine by bitwise AND and OR.
// Returns null, or what is wrong (an unknown raster operation).
const char *DrawBitmap(Picture *picture, const IndexedBitmap &bitmap, int x, int y, uint32_t rop);

// Draws every layer of every layer list of `info` (tag 201 or a single tag-200
// list) onto a blank picture.  Returns null, or what went wrong, naming the
// layer through *failedLayer when a layer caused it.
const char *RenderBitmapInfo(const PatBitmapInfo *info, PackedBitmapSource source, Picture *picture,
                             const PatBitmapLayer **failedLayer = nullptr);
