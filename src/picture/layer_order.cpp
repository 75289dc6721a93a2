#include "picture/layer_order.h"

#include <string.h>

#include "picture/layer_buffer.h"

namespace {

constexpr uint32_t kTopLayerNumber = 255;
constexpr char kMaskSuffix[] = "_B";
// A mask's name must still fit with the suffix and leave a NUL to spare.
constexpr size_t kLongestMaskedName = 29;

// The smallest layer number above `previous`, or the top number.
uint32_t NextLayerNumber(GrowableBuffer *layers, uint32_t previous) {
    uint32_t next = kTopLayerNumber;
    BufferSeek(layers, 0, kSeekFromStart);
    while (const PatBitmapLayer *layer = NextLayer(layers)) {
        if (layer->bLayer > previous && layer->bLayer < next) next = layer->bLayer;
    }
    return next;
}

bool Append(GrowableBuffer *ordered, const PatBitmapLayer &layer) {
    BufferSeek(ordered, 0, kSeekFromEnd);
    return BufferWrite(ordered, &layer, kLayerSize) != 0;
}

bool AppendMasked(GrowableBuffer *ordered, PatBitmapLayer layer) {
    const size_t nameLength = strnlen(layer.szBitmapName, sizeof layer.szBitmapName);
    if (nameLength > kLongestMaskedName) return false;
    PatBitmapLayer mask = layer;
    memcpy(mask.szBitmapName + nameLength, kMaskSuffix, sizeof kMaskSuffix);
    mask.dwRop = PAT_ROP_SRCAND;
    layer.dwRop = PAT_ROP_SRCPAINT;
    return Append(ordered, mask) && Append(ordered, layer);
}

bool AppendOpaque(GrowableBuffer *ordered, PatBitmapLayer layer) {
    layer.dwRop = PAT_ROP_SRCCOPY;
    return Append(ordered, layer);
}

bool AppendLayersNumbered(GrowableBuffer *layers, uint32_t number, GrowableBuffer *ordered) {
    BufferSeek(layers, 0, kSeekFromStart);
    while (const PatBitmapLayer *layer = NextLayer(layers)) {
        if (layer->bLayer != number) continue;
        const bool appended = number % 2 == 0 ? AppendMasked(ordered, *layer) : AppendOpaque(ordered, *layer);
        if (!appended) return false;
    }
    return true;
}

}  // namespace

bool OrderLayersInto(GrowableBuffer *layers, GrowableBuffer *ordered) {
    uint32_t number = 0;
    do {
        number = NextLayerNumber(layers, number);
        if (!AppendLayersNumbered(layers, number, ordered)) return false;
    } while (number < kTopLayerNumber);
    return true;
}
