#include "picture/status_picture.h"

#include "common/array_of.h"
#include "picture/bitmap_info.h"
#include "picture/collect_layers.h"
#include "picture/layer_buffer.h"
#include "picture/layer_rules.h"
#include "status/status_input.h"
#include "status/status_selection.h"

namespace {

constexpr uint32_t kLayerBuffersPerStep = 10;

// The picture's layer buffers: one, though a bitmap info may hold several.
bool CreateLayerBufferList(ArrayOf<GrowableBuffer *> &list) {
    if (!list.Create(kLayerBuffersPerStep, 1)) return false;
    GrowableBuffer *layers = CreateLayerBuffer();
    if (layers != nullptr && list.Append(layers)) return true;
    if (layers != nullptr) BufferFree(layers);
    list.Free();
    return false;
}

void FreeLayerBufferList(ArrayOf<GrowableBuffer *> &list) {
    list.ForEach([](GrowableBuffer *layers) { BufferFree(layers); });
    list.Free();
}

// A source type without a priority table selects nothing; its picture is
// empty rather than failed.
uint32_t CollectPictureLayers(uint32_t sourceType, const PrnInfoEx *statusRecord, GrowableBuffer *layers) {
    ArrayOf<uint32_t> codes;
    if (!codes.Create(kSelectedCodesPerStep, 1)) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    const StatusCallContext context = {sourceType, statusRecord};
    if (SelectStatusCodes(&context, codes) == PAT_OK) {
        CollectLayers(statusRecord, codes, layers);
        const bool reducedSet = (sourceType & PAT_REDUCED_SET_BIT) != 0;
        RemoveLayerNumber(layers, reducedSet ? kFullSetSignLayer : kReducedSetSignLayer);
    }
    codes.Free();
    return PAT_OK;
}

}  // namespace

uint32_t CreateStatusPicture(uint32_t sourceType, PatInfoNode *statusRoot, PatBitmapInfo **picture) {
    PrnInfoEx statusRecord;
    uint32_t decoded = DecodeStatusInput(sourceType, statusRoot, &statusRecord);
    if (decoded == PAT_OK) decoded = CheckStatusLists(&statusRecord);
    if (decoded != PAT_OK) return decoded;
    ArrayOf<GrowableBuffer *> layerBuffers;
    if (!CreateLayerBufferList(layerBuffers)) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    GrowableBuffer *layers = *layerBuffers.At(0);
    uint32_t error = CollectPictureLayers(sourceType, &statusRecord, layers);
    if (error == PAT_OK) {
        *picture = BuildBitmapInfo(layerBuffers);
        if (*picture == nullptr) error = PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    FreeLayerBufferList(layerBuffers);
    return error;
}
