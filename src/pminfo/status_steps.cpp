// Status and engine status from peripheral information.
#include "common/family_codes.h"
#include "common/fixed_text.h"
#include "pminfo/input.h"
#include "pminfo/steps.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"

namespace {

constexpr uint32_t kSeverityError = 3;

uint8_t Bit(uint32_t word, unsigned bit) { return static_cast<uint8_t>((word >> bit) & 1u); }

// A status source whose condition went unrecorded must not be reported as
// read, so a code the record cannot store is an error here.
uint32_t AddEngineStatusOrFail(PrnInfoEx *record, uint32_t code) {
    return AddEngineStatus(record, code) != nullptr ? PAT_OK : PAT_ERROR_NOT_ENOUGH_MEMORY;
}

}  // namespace

uint32_t StatusWordStep(PrnInfoEx *record, const PatPMStatusBlock *block, uint32_t source) {
    if (IsAbsentPointer(block) || IsAbsentNumber(block->dwStatus)) return PAT_OK;
    const uint32_t word = block->dwStatus;
    record->bState = Bit(word, 0);
    record->bStateNotOne = Bit(word, 0) ^ 1u;
    record->bNoResponse = Bit(word, 27);
    record->bStatusBit22 = Bit(word, 22);
    return StatusBitStep(record, block, source);
}

uint32_t StatusBitStep(PrnInfoEx *record, const PatPMStatusBlock *block, uint32_t source) {
    if (IsAbsentPointer(block) || IsAbsentNumber(block->dwStatus)) return PAT_OK;
    const uint32_t word = block->dwStatus;
    const uint32_t sourceType = source & 0xFFFFu;
    const bool reducedSet = (source & PAT_REDUCED_SET_BIT) != 0;
    for (const StatusBitRow *row = kStatusBitTable; row->sourceTypes != 0; ++row) {
        if ((row->sourceTypes & sourceType) == 0 || (row->bits & word) == 0) continue;
        if (reducedSet && row->skippedInReducedSet) continue;
        const uint32_t error = AddEngineStatusOrFail(record, row->code);
        if (error != PAT_OK) return error;
    }
    return PAT_OK;
}

uint32_t EngineStatusStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    record->bHasError = 0;
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMEngineStatusEntry>(list, i);
        if (entry == nullptr) continue;
        PatEngineStatusItem *item = AddEngineStatus(record, entry->dwCode);
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        if (const char *text = PresentText(entry->pText)) CopyTextCut(item->szText, text);
        if (IsAbsentNumber(entry->dwSeverity) || entry->dwSeverity == kSeverityError) record->bHasError = 1;
    }
    return PAT_OK;
}

uint32_t DefaultStatusStep(PrnInfoEx *record) {
    if (record->nEngineStatus != 0) return PAT_OK;
    return AddEngineStatusOrFail(record, kStatusReady);
}
