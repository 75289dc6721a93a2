// Identity, firmware version and memory from the general block.
#include "platform/platform.h"
#include "prninfo/pminfo_input.h"
#include "prninfo/pminfo_steps.h"
#include "prninfo/pminfo_tables.h"
#include "prninfo/record.h"

namespace {

constexpr uint8_t kUnknownModelIndex = 255;

// A text that cannot be stored is reported rather than passed over, so the
// host never takes a record with a stale or missing text for a complete one.
uint32_t SetTextIfPresent(PrnInfoEx *record, const char *name, const char *text) {
    const char *present = PresentText(text);
    if (present == nullptr || SetStringItem(record, name, present)) return PAT_OK;
    return PAT_ERROR_NOT_ENOUGH_MEMORY;
}

}  // namespace

uint32_t GeneralStep(PrnInfoEx *record, const PatPMGeneralBlock *block) {
    if (IsAbsentPointer(block)) return PAT_OK;
    if (const char *model = PresentText(block->pModelName)) {
        if (!SetStringItem(record, "pModelName", model)) {
            record->bModelIndex = kUnknownModelIndex;
            return PAT_ERROR_NOT_ENOUGH_MEMORY;
        }
        record->bModelIndex = static_cast<uint8_t>(LookupName(model, kModelNameTable));
    }
    uint32_t error = SetTextIfPresent(record, "pSYSVersion", block->pSYSVersion);
    if (error != PAT_OK) return error;
    if (!IsAbsentNumber(block->dwMemoryBytes)) record->dwMemoryKB = block->dwMemoryBytes / 1024;
    error = SetTextIfPresent(record, "pMakerName", block->pMakerName);
    if (error != PAT_OK) return error;
    if (record->pDescription != nullptr) GlobalFree(record->pDescription);
    record->pDescription = nullptr;
    return PAT_OK;
}
