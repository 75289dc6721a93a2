// Output bins and installed options from peripheral information.
#include "common/family_codes.h"
#include "prninfo/device_name_tables.h"
#include "pminfo/input.h"
#include "pminfo/steps.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"

namespace {

constexpr uint32_t kBinStatusFull = 0x1;

}  // namespace

uint32_t OutBinStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, RecordList::kOutBinInfo);
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMOutBinEntry>(list, i);
        if (entry == nullptr) continue;
        auto *item = reinterpret_cast<PatOutBinItem *>(AllocItem(kOutBinItemSize));
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        item->wId = static_cast<uint16_t>(DeviceNameId(kOutBinNameTable, PresentText(entry->pName)));
        const bool full = !IsAbsentNumber(entry->dwStatus) && (entry->dwStatus & kBinStatusFull) != 0;
        item->wState = full ? PAT_BIN_STATE_FULL : PAT_BIN_STATE_READY;
        AppendItem(record, RecordList::kOutBinInfo, reinterpret_cast<PatItem *>(item));
    }
    record->dwOutBinWord = kOutBinWordRebuilt;
    return PAT_OK;
}

uint32_t OptionStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, RecordList::kDeviceInfo);
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMOptionEntry>(list, i);
        if (entry == nullptr) continue;
        PatItem *item = AllocItem(kDeviceItemSize);
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        if (!IsAbsentNumber(entry->dwCode)) item->wId = static_cast<uint16_t>(LookupCode(entry->dwCode, kOptionCodeTable));
        AppendItem(record, RecordList::kDeviceInfo, item);
    }
    return PAT_OK;
}
