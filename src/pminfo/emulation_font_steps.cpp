// Loaded emulations and fonts from peripheral information.
#include "common/fixed_text.h"
#include "platform/platform.h"
#include "pminfo/input.h"
#include "pminfo/steps.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"

namespace {

uint16_t LookupId(const char *name, const NameTableRow *table) {
    const char *text = PresentText(name);
    return text == nullptr ? 0 : static_cast<uint16_t>(LookupName(text, table));
}

}  // namespace

uint32_t EmulationStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, RecordList::kLoadedEmul);
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMEmulationEntry>(list, i);
        if (entry == nullptr) continue;
        auto *item = reinterpret_cast<PatLoadedEmulItem *>(AllocItem(kLoadedEmulItemSize));
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        item->wId = LookupId(entry->pName, kEmulationNameTable);
        const char *version = PresentText(entry->pVersion);
        const uint32_t error = KeepEmulationVersionText(record, item->wId, version);
        if (error != PAT_OK) {
            GlobalFree(item);  // not linked yet: the record does not own it
            return error;
        }
        CopyTextCut(item->szVersion, version != nullptr ? version : "");
        AppendItem(record, RecordList::kLoadedEmul, reinterpret_cast<PatItem *>(item));
    }
    record->dwEmulWord = 0;
    return PAT_OK;
}

uint32_t FontStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, RecordList::kLoadedFont);
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMFontEntry>(list, i);
        if (entry == nullptr) continue;
        PatItem *item = AllocItem(kLoadedFontItemSize);
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        item->wId = LookupId(entry->pName, kFontNameTable);
        AppendItem(record, RecordList::kLoadedFont, item);
    }
    return PAT_OK;
}
