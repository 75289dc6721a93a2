#include "picture/status_picture.h"

#include "common/array_of.h"
#include "picture/bitmap_info.h"
#include "picture/collect_layers.h"
#include "picture/layer_buffer.h"
#include "picture/layer_rules.h"
#include "status/status_input.h"
#include "status/status_selection.h"

namespace {

// A source type without a priority table selects nothing; its picture is
// empty rather than failed.
uint32_t CollectPictureLayers(uint32_t sourceType, const PrnInfoEx *statusRecord, GrowableBuffer *layers) {
    LocalArrayOf<uint32_t, kSelectedCodesPerStep> codes(kSelectedCodesPerStep);
    const StatusCallContext context = {sourceType, statusRecord};
    if (SelectStatusCodes(&context, codes) == PAT_OK) {
        CollectLayers(statusRecord, codes, layers);
        const bool reducedSet = (sourceType & PAT_REDUCED_SET_BIT) != 0;
        RemoveLayerNumber(layers, reducedSet ? kFullSetSignLayer : kReducedSetSignLayer);
    }
    return PAT_OK;
}

}  // namespace

uint32_t CreateStatusPicture(uint32_t sourceType, PatInfoNode *statusRoot, PatBitmapInfo **picture) {
    PrnInfoEx statusRecord;
    uint32_t decoded = DecodeStatusInput(sourceType, statusRoot, &statusRecord);
    if (decoded == PAT_OK) decoded = CheckStatusLists(&statusRecord);
    if (decoded != PAT_OK) return decoded;
    // The one layer buffer's header lives on the stack; its block is the heap's.
    GrowableBuffer layers;
    if (!BufferInit(&layers, kLayerBufferGranule, 1)) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    uint32_t error = CollectPictureLayers(sourceType, &statusRecord, &layers);
    if (error == PAT_OK) {
        *picture = BuildBitmapInfo(&layers);
        if (*picture == nullptr) error = PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    BufferRelease(&layers);
    return error;
}
