#include "picture/bitmap_info.h"

#include "picture/layer_buffer.h"
#include "picture/layer_order.h"
#include "platform/platform.h"

namespace {

void FreeLayerLists(PatBitmapInfo *lists, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) GlobalFree(lists[i].pElems);
    GlobalFree(lists);
}

// The ordered layers' header stays on the stack; only their block, handed
// over as the list's elements, comes from the heap.
bool FillLayerList(GrowableBuffer *layers, PatBitmapInfo *list) {
    GrowableBuffer ordered;
    if (!BufferInit(&ordered, kLayerBufferGranule, 1)) return false;
    if (!OrderLayersInto(layers, &ordered)) {
        BufferRelease(&ordered);
        return false;
    }
    list->bTag = PAT_BITMAP_INFO_LAYERS;
    list->dwCount = LayerCount(&ordered);
    list->dwElemSize = sizeof(PatBitmapLayer);
    list->pElems = BufferDetach(&ordered);
    return true;
}

bool HoldsOnlyLayerLists(const PatBitmapInfo *info) {
    const auto *lists = static_cast<const PatBitmapInfo *>(info->pElems);
    if (lists == nullptr) return info->dwCount == 0;
    for (uint32_t i = 0; i < info->dwCount; ++i) {
        if (lists[i].bTag != PAT_BITMAP_INFO_LAYERS) return false;
    }
    return true;
}

}  // namespace

// Every block is zero-filled, so the bytes the layout leaves undefined are 0.
PatBitmapInfo *BuildBitmapInfo(GrowableBuffer *layers) {
    const uint32_t count = 1;
    auto *lists = static_cast<PatBitmapInfo *>(GlobalAlloc(GPTR, count * sizeof(PatBitmapInfo)));
    if (lists == nullptr) return nullptr;
    if (!FillLayerList(layers, &lists[0])) {
        FreeLayerLists(lists, 0);
        return nullptr;
    }
    auto *info = static_cast<PatBitmapInfo *>(GlobalAlloc(GPTR, sizeof(PatBitmapInfo)));
    if (info == nullptr) {
        FreeLayerLists(lists, count);
        return nullptr;
    }
    info->bTag = PAT_BITMAP_INFO_LAYER_LISTS;
    info->dwCount = count;
    info->dwElemSize = sizeof(PatBitmapInfo);
    info->pElems = lists;
    return info;
}

uint32_t DisposeBitmapInfo(PatBitmapInfo *info) {
    if (info == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    if (info->bTag == PAT_BITMAP_INFO_LAYER_LISTS) {
        // Every element is checked before anything is released: a refused
        // info stays whole, so a retry can never free a block twice.
        if (!HoldsOnlyLayerLists(info)) return PAT_ERROR_INVALID_PARAMETER;
        FreeLayerLists(static_cast<PatBitmapInfo *>(info->pElems), info->dwCount);
    } else if (info->bTag == PAT_BITMAP_INFO_LAYERS) {
        GlobalFree(info->pElems);
    } else {
        return PAT_ERROR_INVALID_PARAMETER;
    }
    GlobalFree(info);
    return PAT_OK;
}
