// The bitmaps the library must hold, their sizes and whether each has a mask
// ("<name>_B"), and the rule that binds a bitmap to its mask.
#pragma once

#include <string>
#include <vector>

#include "packed_dib.h"

struct CatalogueBitmap {
    const char *name;
    int width;
    int height;
    bool hasMask;
};

// Ends with a row whose name is null.
extern const CatalogueBitmap kBitmapCatalogue[];

// Every resource name: each bitmap, then its mask when it has one.
std::vector<std::string> CatalogueResourceNames();

// Checks a decoded bitmap against its catalogue row and its decoded mask:
// same size, mask only black (0) and white (255), the mask black exactly
// where the bitmap is opaque (not index 0) and some pixel opaque.  Returns
// the problems found, empty when none.
std::string MaskRuleProblems(const CatalogueBitmap &row, const IndexedBitmap &bitmap, const IndexedBitmap &mask);

// Checks the header facts every bitmap shares: its size from the catalogue,
// 8 bits per pixel, RLE8, 256 colours with index 0 black and 255 white, and
// every pixel written by the run-length data.
std::string FormatProblems(int width, int height, const IndexedBitmap &bitmap);
