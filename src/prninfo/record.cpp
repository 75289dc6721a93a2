// The record operations: where each list and text lives in the record, item
// chains, texts, engine statuses, installed options and name tables.
#include "prninfo/record.h"

#include <stddef.h>
#include <string.h>

#include "common/family_codes.h"
#include "common/name_table.h"
#include "platform/platform.h"

namespace {

struct ListFieldRow {
    size_t headOffset;
    size_t countOffset;
};

#define PAT_LIST_ROW(head, count) {offsetof(PrnInfoEx, head), offsetof(PrnInfoEx, count)}

// In RecordList order.
const ListFieldRow kListFields[] = {
    PAT_LIST_ROW(pEngineStatus, nEngineStatus), PAT_LIST_ROW(pLoadedEmul, nLoadedEmul),
    PAT_LIST_ROW(pLoadedFont, nLoadedFont),     PAT_LIST_ROW(pTrayInfo, nTrayInfo),
    PAT_LIST_ROW(pOutBinInfo, nOutBinInfo),     PAT_LIST_ROW(pDeviceInfo, nDeviceInfo),
    PAT_LIST_ROW(pEmulUniqInfo, nEmulUniqInfo), PAT_LIST_ROW(pCounterInfo, nCounterInfo),
    PAT_LIST_ROW(pSupplyInfo, nSupplyInfo),     PAT_LIST_ROW(pColorCorrection, nColorCorrection),
};
static_assert(sizeof kListFields / sizeof kListFields[0] == sizeof kAllRecordLists / sizeof kAllRecordLists[0],
              "one row per list");

// In RecordText order.
const size_t kTextFields[] = {
    offsetof(PrnInfoEx, pModelName),  offsetof(PrnInfoEx, pMakerName),       offsetof(PrnInfoEx, pDescription),
    offsetof(PrnInfoEx, pSYSVersion), offsetof(PrnInfoEx, pMainProgVersion), offsetof(PrnInfoEx, pKMSVersion),
};
static_assert(sizeof kTextFields / sizeof kTextFields[0] == static_cast<size_t>(RecordText::kKMSVersion) + 1,
              "one row per text");

}  // namespace

// ---- Lists ----------------------------------------------------------------

ItemListHandle GetItemList(PrnInfoEx *record, RecordList list) {
    const ListFieldRow &row = kListFields[static_cast<uint32_t>(list)];
    auto *base = reinterpret_cast<uint8_t *>(record);
    ItemListHandle handle;
    handle.headField = reinterpret_cast<PatItem **>(base + row.headOffset);
    handle.countField = reinterpret_cast<uint32_t *>(base + row.countOffset);
    handle.head = *handle.headField;
    return handle;
}

uint32_t AppendItem(PrnInfoEx *record, RecordList list, PatItem *item) {
    if (item == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    const ItemListHandle handle = GetItemList(record, list);
    *handle.headField = AppendToChain(handle.head, item);
    ++*handle.countField;
    return PAT_OK;
}

void ClearItemList(PrnInfoEx *record, RecordList list) {
    const ItemListHandle handle = GetItemList(record, list);
    FreeItemChain(handle.head);
    *handle.headField = nullptr;
    *handle.countField = 0;
}

uint32_t CheckRecordLists(const PrnInfoEx *record) {
    for (RecordList list : kAllRecordLists) {
        if (CheckItemChain(GetItemList(const_cast<PrnInfoEx *>(record), list).head) != PAT_OK) {
            return PAT_ERROR_INVALID_PARAMETER;
        }
    }
    return PAT_OK;
}

// ---- Texts ----------------------------------------------------------------

uint32_t SetStringItem(PrnInfoEx *record, RecordText field, const char *text) {
    if (text == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    return SetStringItem(record, field, text, strlen(text));
}

uint32_t SetStringItem(PrnInfoEx *record, RecordText field, const char *text, size_t length) {
    if (text == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    // The copy is made before the old text is released, so a record whose
    // update failed for lack of memory still holds its previous text.
    auto *copy = static_cast<char *>(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(length + 1)));
    if (copy == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    memcpy(copy, text, length);
    copy[length] = '\0';
    auto **slot = reinterpret_cast<char **>(reinterpret_cast<uint8_t *>(record) +
                                            kTextFields[static_cast<uint32_t>(field)]);
    if (*slot != nullptr) GlobalFree(*slot);
    *slot = copy;
    return PAT_OK;
}

uint32_t KeepEmulationVersionText(PrnInfoEx *record, uint16_t emulationId, const char *version) {
    if (version == nullptr) return PAT_OK;
    return KeepEmulationVersionText(record, emulationId, version, strlen(version));
}

uint32_t KeepEmulationVersionText(PrnInfoEx *record, uint16_t emulationId, const char *version, size_t length) {
    if (version == nullptr) return PAT_OK;
    if (emulationId == kEmulationMainProgram) return SetStringItem(record, RecordText::kMainProgVersion, version, length);
    if (emulationId == kEmulationKms) return SetStringItem(record, RecordText::kKMSVersion, version, length);
    return PAT_OK;
}

// ---- Item chains ----------------------------------------------------------

PatItem *AllocItem(uint32_t itemSize) {
    // Anything smaller could not hold the common header written below.
    if (itemSize < offsetof(PatItem, wId) + sizeof(uint16_t)) return nullptr;
    auto *item = static_cast<PatItem *>(GlobalAlloc(GPTR, itemSize));
    if (item == nullptr) return nullptr;
    item->pNext = nullptr;
    item->dwSize = itemSize;
    return item;
}

void FreeItemChain(PatItem *first) {
    while (first != nullptr) {
        PatItem *next = first->pNext;
        GlobalFree(first);
        first = next;
    }
}

PatItem *AppendToChain(PatItem *first, PatItem *item) {
    if (first == nullptr) return item;
    PatItem *last = first;
    while (last->pNext != nullptr) last = last->pNext;
    last->pNext = item;
    return first;
}

uint32_t CheckItemChain(const PatItem *first) {
    uint32_t items = 0;
    for (const PatItem *item = first; item != nullptr; item = item->pNext) {
        if (++items > PAT_MAX_CHAIN_ITEMS) return PAT_ERROR_INVALID_PARAMETER;
    }
    return PAT_OK;
}

PatItem *FindItemById(PatItem *first, uint32_t id) {
    for (PatItem *item = first; item != nullptr; item = item->pNext) {
        if (static_cast<uint32_t>(item->wId) == id) return item;
    }
    return nullptr;
}

// One walk both looks for the item and finds the link a new one goes into.
PatItem *FindOrAddItem(PatItem **headField, uint32_t itemSize, uint32_t id, uint32_t *countField) {
    const uint16_t key = static_cast<uint16_t>(id);
    PatItem **link = headField;
    for (PatItem *item = *headField; item != nullptr; item = item->pNext) {
        if (item->wId == key) return item;
        link = &item->pNext;
    }
    PatItem *item = AllocItem(itemSize);
    if (item == nullptr) return nullptr;
    item->wId = key;
    *link = item;
    ++*countField;
    return item;
}

// ---- Engine statuses --------------------------------------------------------

PatEngineStatusItem *AddEngineStatus(PrnInfoEx *record, uint32_t statusCode) {
    auto *item = reinterpret_cast<PatEngineStatusItem *>(AllocItem(kEngineStatusItemSize));
    if (item == nullptr) return nullptr;
    item->wId = static_cast<uint16_t>(statusCode);
    item->dwStatusCode = statusCode;
    AppendItem(record, RecordList::kEngineStatus, reinterpret_cast<PatItem *>(item));
    return item;
}

int IsErrorClassStatus(uint32_t statusCode) {
    if (statusCode == kStatusOffline) return 1;
    if (statusCode < kFirstErrorStatus || statusCode > kLastErrorStatus) return 0;
    if (statusCode == kStatusPunchReceptacleFull) return 0;
    if (statusCode >= kFirstStaplerLowStatus && statusCode <= kLastStaplerLowStatus) return 0;
    return 1;
}

// ---- Installed options: the pDeviceInfo list keyed by option id -------------

int HasDeviceInfo(const PrnInfoEx *record, uint32_t optionId) {
    PatItem *devices = reinterpret_cast<PatItem *>(record->pDeviceInfo);
    return FindItemById(devices, static_cast<uint16_t>(optionId)) != nullptr ? 1 : 0;
}

int HasAnyDeviceInfo(const PrnInfoEx *record, const uint16_t *optionIds, uint32_t idCount) {
    if (optionIds == nullptr) return 0;
    for (uint32_t i = 0; i < idCount; ++i) {
        if (HasDeviceInfo(record, optionIds[i])) return 1;
    }
    return 0;
}

// ---- Model names ------------------------------------------------------------

namespace {

// This family names no models, so every name gets the default.
const NameTableRow kModelNames[] = {{nullptr, kUnknownModelIndex}};

}  // namespace

uint8_t ModelIndex(const char *modelName) { return static_cast<uint8_t>(LookupName(modelName, kModelNames)); }
