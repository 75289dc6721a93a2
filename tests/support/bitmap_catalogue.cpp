#include "support/bitmap_catalogue.h"

#include <sstream>

const CatalogueBitmap kBitmapCatalogue[] = {
    {"BM_BASE", 320, 200, false},     {"BM_BANK", 320, 200, true},      {"BM_LCT", 320, 200, true},
    {"BM_ADF", 320, 200, true},       {"BM_BRIDGE", 320, 200, true},    {"BM_FIN1", 320, 200, true},
    {"BM_FIN2", 320, 200, true},      {"BM_FIN3", 320, 200, true},      {"BM_1BIN", 320, 200, true},
    {"BM_TABLE", 320, 200, true},     {"BM_CAUTION", 320, 200, true},   {"BM_SERVICE", 320, 200, true},
    {"BM_POWEROFF", 320, 200, true},  {"BM_POINT_1", 68, 34, true},     {"BM_POINT_2", 93, 34, true},
    {"BM_POINT_3", 93, 52, true},     {"BM_POINT_4", 59, 40, true},     {"BM_POINT_5", 103, 37, true},
    {"BM_POINT_6", 95, 51, true},     {"BM_POINT_7", 79, 27, true},     {"BM_POINT_8", 43, 87, true},
    {"BM_POINT_9", 39, 28, true},     {"BM_POINT_10", 50, 31, true},    {"BM_POINT_11", 62, 120, true},
    {"BM_POINT_12", 36, 27, true},    {"BM_POINT_13", 72, 133, true},   {"BM_POINT_14", 39, 28, true},
    {"BM_POINT_15", 55, 28, true},    {"BM_POINT_16", 54, 53, true},    {"BM_POINT_17", 33, 39, true},
    {"BM_POINT_18", 44, 31, true},    {"BM_POINT_19", 50, 32, true},    {"BM_POINT_20", 69, 134, true},
    {"BM_POINT_21", 79, 148, true},   {"BM_POINT_22", 66, 136, true},   {"BM_POINT_23", 74, 156, true},
    {"BM_POINT_24", 33, 39, true},    {"BM_POINT_25", 34, 33, true},    {nullptr, 0, 0, false},
};

std::vector<std::string> CatalogueResourceNames() {
    std::vector<std::string> names;
    for (const CatalogueBitmap *row = kBitmapCatalogue; row->name != nullptr; ++row) {
        names.push_back(row->name);
        if (row->hasMask) names.push_back(std::string(row->name) + "_B");
    }
    return names;
}

std::string FormatProblems(int width, int height, const IndexedBitmap &bitmap) {
    std::ostringstream out;
    if (bitmap.width != width || bitmap.height != height) {
        out << "size " << bitmap.width << " x " << bitmap.height << ", expected " << width << " x " << height
            << "; ";
    }
    if (bitmap.bitCount != 8) out << bitmap.bitCount << " bits per pixel; ";
    if (bitmap.compression != kDibCompressionRle8) out << "compression " << bitmap.compression << "; ";
    if (bitmap.colourCount != 256) out << bitmap.colourCount << " colours; ";
    if (bitmap.colours[0] != 0x000000u) out << "index 0 is not black; ";
    if (bitmap.colours[255] != 0xFFFFFFu) out << "index 255 is not white; ";
    if (!bitmap.everyPixelWritten) out << "pixels left undrawn by the RLE8 data; ";
    return out.str();
}

std::string MaskRuleProblems(const CatalogueBitmap &row, const IndexedBitmap &bitmap, const IndexedBitmap &mask) {
    std::ostringstream out;
    if (mask.width != bitmap.width || mask.height != bitmap.height) return "mask size differs from the bitmap";
    size_t opaque = 0;
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
        const uint8_t m = mask.pixels[i], b = bitmap.pixels[i];
        const int x = static_cast<int>(i % bitmap.width), y = static_cast<int>(i / bitmap.width);
        if (m != 0 && m != 255) {
            out << "mask pixel (" << x << ", " << y << ") is " << int(m) << "; ";
            break;
        }
        if ((m == 0) != (b != 0)) {
            out << "at (" << x << ", " << y << ") mask " << int(m) << " and bitmap " << int(b) << "; ";
            break;
        }
        opaque += (b != 0);
    }
    if (opaque == 0) out << row.name << " draws nothing; ";
    return out.str();
}
