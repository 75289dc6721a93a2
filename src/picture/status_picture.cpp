#include "picture/status_picture.h"

#include "common/growable_array.h"
#include "picture/bitmap_info.h"
#include "picture/collect_layers.h"
#include "picture/layer_buffer.h"
#include "picture/layer_rules.h"
#include "status/status_input.h"
#include "status/status_selection.h"

namespace {

constexpr uint32_t kLayerBuffersPerStep = 10;

// The picture's layer buffers: one, though a bitmap info may hold several.
GrowableArray *CreateLayerBufferList() {
    GrowableArray *list = ArrayCreate(sizeof(GrowableBuffer *), kLayerBuffersPerStep, 1);
    if (list == nullptr) return nullptr;
    GrowableBuffer *layers = CreateLayerBuffer();
    if (layers != nullptr && ArrayAppend(list, &layers)) return list;
    if (layers != nullptr) BufferFree(layers);
    ArrayFree(list);
    return nullptr;
}

void FreeLayerBufferList(GrowableArray *list) {
    ArrayCursor cursor;
    CursorBegin(list, &cursor);
    GrowableBuffer *layers = nullptr;
    while (CursorNext(&cursor, &layers)) BufferFree(layers);
    ArrayFree(list);
}

// A source type without a priority table selects nothing; its picture is
// empty rather than failed.
uint32_t CollectPictureLayers(uint32_t sourceType, const PrnInfoEx *statusRecord, GrowableBuffer *layers) {
    GrowableArray *codes = ArrayCreate(sizeof(uint32_t), kSelectedCodesPerStep, 1);
    if (codes == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    const StatusCallContext context = {sourceType, statusRecord};
    if (SelectStatusCodes(&context, codes) == PAT_OK) {
        CollectLayers(statusRecord, codes, layers);
        const bool reducedSet = (sourceType & PAT_REDUCED_SET_BIT) != 0;
        RemoveLayerNumber(layers, reducedSet ? kFullSetSignLayer : kReducedSetSignLayer);
    }
    ArrayFree(codes);
    return PAT_OK;
}

}  // namespace

uint32_t CreateStatusPicture(uint32_t sourceType, PatInfoNode *statusRoot, PatBitmapInfo **picture) {
    PrnInfoEx statusRecord;
    uint32_t decoded = DecodeStatusInput(sourceType, statusRoot, &statusRecord);
    if (decoded == PAT_OK) decoded = CheckStatusLists(&statusRecord);
    if (decoded != PAT_OK) return decoded;
    GrowableArray *layerBuffers = CreateLayerBufferList();
    if (layerBuffers == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    GrowableBuffer *layers = nullptr;
    ArrayGet(layerBuffers, 1, &layers);
    uint32_t error = CollectPictureLayers(sourceType, &statusRecord, layers);
    if (error == PAT_OK) {
        *picture = BuildBitmapInfo(layerBuffers);
        if (*picture == nullptr) error = PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    FreeLayerBufferList(layerBuffers);
    return error;
}
