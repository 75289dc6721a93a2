// Bitmap layers written out as text, so whole pictures compare as lists of
// lines: "NAME x,y ROP #layer".
#pragma once

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "pat.h"

inline std::string RopName(uint32_t rop) {
    switch (rop) {
        case PAT_ROP_SRCCOPY: return "COPY";
        case PAT_ROP_SRCAND: return "AND";
        case PAT_ROP_SRCPAINT: return "PAINT";
        default: return std::to_string(rop);
    }
}

inline std::string LayerText(const PatBitmapLayer &layer) {
    return std::string(layer.szBitmapName, strnlen(layer.szBitmapName, sizeof layer.szBitmapName)) + " " +
           std::to_string(layer.nX) + "," + std::to_string(layer.nY) + " " + RopName(layer.dwRop) + " #" +
           std::to_string(layer.bLayer);
}

inline std::vector<std::string> LayersText(const PatBitmapLayer *layers, uint32_t count) {
    std::vector<std::string> out;
    for (uint32_t i = 0; i < count; ++i) out.push_back(LayerText(layers[i]));
    return out;
}
