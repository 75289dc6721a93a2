// Identity, firmware version and memory from the general block.
#include "platform/platform.h"
#include "pminfo/input.h"
#include "pminfo/steps.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"

namespace {

// A text that cannot be stored is reported rather than passed over, so the
// host never takes a record with a stale or missing text for a complete one.
uint32_t SetTextIfPresent(PrnInfoEx *record, RecordText field, const char *text) {
    const char *present = PresentText(text);
    return present == nullptr ? PAT_OK : SetStringItem(record, field, present);
}

}  // namespace

uint32_t GeneralStep(PrnInfoEx *record, const PatPMGeneralBlock *block) {
    if (IsAbsentPointer(block)) return PAT_OK;
    if (const char *model = PresentText(block->pModelName)) {
        const uint32_t error = SetStringItem(record, RecordText::kModelName, model);
        if (error != PAT_OK) {
            record->bModelIndex = kUnknownModelIndex;
            return error;
        }
        record->bModelIndex = ModelIndex(model);
    }
    uint32_t error = SetTextIfPresent(record, RecordText::kSYSVersion, block->pSYSVersion);
    if (error != PAT_OK) return error;
    if (!IsAbsentNumber(block->dwMemoryBytes)) record->dwMemoryKB = block->dwMemoryBytes / 1024;
    error = SetTextIfPresent(record, RecordText::kMakerName, block->pMakerName);
    if (error != PAT_OK) return error;
    if (record->pDescription != nullptr) GlobalFree(record->pDescription);
    record->pDescription = nullptr;
    return PAT_OK;
}
