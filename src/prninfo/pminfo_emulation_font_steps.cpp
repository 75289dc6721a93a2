// Loaded emulations and fonts from peripheral information.
#include "common/family_codes.h"
#include "platform/platform.h"
#include "prninfo/fixed_text.h"
#include "prninfo/pminfo_input.h"
#include "prninfo/pminfo_steps.h"
#include "prninfo/pminfo_tables.h"
#include "prninfo/record.h"

namespace {


uint16_t LookupId(const char *name, const NameTableRow *table) {
    const char *text = PresentText(name);
    return text == nullptr ? 0 : static_cast<uint16_t>(LookupName(text, table));
}

// The versions of emulations 1 and 2 are also kept as the record's texts.
int KeepVersionText(PrnInfoEx *record, uint16_t emulationId, const char *version) {
    if (version == nullptr) return 1;
    if (emulationId == kEmulationMainProgram) return SetStringItem(record, "pMainProgVersion", version);
    if (emulationId == kEmulationKms) return SetStringItem(record, "pKMSVersion", version);
    return 1;
}

}  // namespace

uint32_t EmulationStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, "pLoadedEmul");
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMEmulationEntry>(list, i);
        if (entry == nullptr) continue;
        auto *item = reinterpret_cast<PatLoadedEmulItem *>(AllocItem(kLoadedEmulItemSize));
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        item->wId = LookupId(entry->pName, kEmulationNameTable);
        const char *version = PresentText(entry->pVersion);
        if (!KeepVersionText(record, item->wId, version)) {
            GlobalFree(item);  // not linked yet: the record does not own it
            return PAT_ERROR_NOT_ENOUGH_MEMORY;
        }
        CopyTextCut(item->szVersion, version != nullptr ? version : "");
        AppendItem(record, "pLoadedEmul", reinterpret_cast<PatItem *>(item));
    }
    record->dwEmulWord = 0;
    return PAT_OK;
}

uint32_t FontStep(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, "pLoadedFont");
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const auto *entry = ListEntry<PatPMFontEntry>(list, i);
        if (entry == nullptr) continue;
        PatItem *item = AllocItem(kLoadedFontItemSize);
        if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
        item->wId = LookupId(entry->pName, kFontNameTable);
        AppendItem(record, "pLoadedFont", item);
    }
    return PAT_OK;
}
