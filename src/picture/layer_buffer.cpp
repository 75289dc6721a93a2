#include "picture/layer_buffer.h"

#include <string.h>

namespace {

bool SameLayer(const PatBitmapLayer &a, const PatBitmapLayer &b) {
    return a.bLayer == b.bLayer && a.nX == b.nX && a.nY == b.nY &&
           strncmp(a.szBitmapName, b.szBitmapName, sizeof a.szBitmapName) == 0;
}

bool HoldsLayer(GrowableBuffer *layers, const PatBitmapLayer &wanted) {
    BufferSeek(layers, 0, kSeekFromStart);
    while (const PatBitmapLayer *layer = NextLayer(layers)) {
        if (SameLayer(*layer, wanted)) return true;
    }
    return false;
}

}  // namespace

GrowableBuffer *CreateLayerBuffer() { return BufferCreate(kLayerBufferGranule, 1); }

uint32_t LayerCount(const GrowableBuffer *layers) { return BufferLength(layers) / kLayerSize; }

PatBitmapLayer *NextLayer(GrowableBuffer *layers) {
    return static_cast<PatBitmapLayer *>(BufferRead(layers, kLayerSize));
}

void AddRuleLayers(GrowableBuffer *layers, const LayerRule *rule) {
    if (rule == nullptr) return;
    for (const RuleLayer &slot : rule->layers) {
        const PatBitmapLayer &layer = *slot;
        if (layer.szBitmapName[0] == '\0') return;
        if (HoldsLayer(layers, layer)) continue;
        BufferSeek(layers, 0, kSeekFromEnd);
        if (!BufferWrite(layers, &layer, kLayerSize)) return;
    }
}

void RemoveLayerNumber(GrowableBuffer *layers, uint8_t number) {
    BufferSeek(layers, 0, kSeekFromStart);
    while (const PatBitmapLayer *layer = NextLayer(layers)) {
        if (layer->bLayer != number) continue;
        BufferSeek(layers, -static_cast<int32_t>(kLayerSize), kSeekFromPosition);
        BufferRemove(layers, kLayerSize);
    }
}
