// Operations on the host's printer information record (PrnInfoEx): its ten
// item lists and six text items, addressed by their item names, plus the
// name-table lookup and status classification every record filler shares.
//
// Items and texts come from the global heap and belong to the record once
// hung into it.  A list's count field always equals the length of its chain:
// an item is counted only after it is linked.  None of these operations
// checks the record version; the exports that accept a record do.
#pragma once

#include <stdint.h>

#include "pat.h"

// A list of the record, by value: the head as it was when looked up, and
// where the record keeps the head and the count.
struct ItemListHandle {
    PatItem *head;
    PatItem **headField;
    uint32_t *countField;
};

// One row of a keyword vocabulary; the table ends with a row whose name is
// null and whose value is the table's default.
struct NameTableRow {
    const char *name;
    uint32_t value;
};

// Item names resolve exactly and case-sensitively ("pTrayInfo").
int GetItemList(PrnInfoEx *record, const char *itemName, ItemListHandle *handle);
// Both return 0 and change nothing for a name that is not a list name.
int AppendItem(PrnInfoEx *record, const char *listName, PatItem *item);
int ClearItemList(PrnInfoEx *record, const char *listName);
// 0 for an unknown text name or when memory runs out; the old text then stays.
int SetStringItem(PrnInfoEx *record, const char *textName, const char *text);

// Host chains are checked before they are followed: every walk below assumes
// a chain that ends, so an export checks the lists it reads or changes first.
// PAT_OK when the chain ends within PAT_MAX_CHAIN_ITEMS items, else PAT_ERROR_INVALID_PARAMETER.
uint32_t CheckItemChain(const PatItem *first);
template <typename Item>
inline uint32_t CheckItemChain(const Item *first) {
    return CheckItemChain(reinterpret_cast<const PatItem *>(first));
}
// The same for all ten lists of a record, for the exports that rebuild them.
uint32_t CheckRecordLists(const PrnInfoEx *record);

PatItem *FindItemById(PatItem *first, uint32_t id);
PatItem *FindOrAddItem(PatItem **headField, uint32_t itemSize, uint32_t id, uint32_t *countField);

int HasDeviceInfo(const PrnInfoEx *record, uint32_t optionId);
int HasAnyDeviceInfo(const PrnInfoEx *record, const uint16_t *optionIds, uint32_t idCount);
void AddEngineStatus(PrnInfoEx *record, uint32_t statusCode);

PatItem *AllocItem(uint32_t itemSize);
void FreeItemChain(PatItem *first);
PatItem *AppendToChain(PatItem *first, PatItem *item);

uint32_t LookupName(const char *text, const NameTableRow *table);
int IsErrorClassStatus(uint32_t statusCode);

// Item sizes as the host expects them.
constexpr uint32_t kEngineStatusItemSize = sizeof(PatEngineStatusItem);
constexpr uint32_t kLoadedEmulItemSize = sizeof(PatLoadedEmulItem);
constexpr uint32_t kLoadedFontItemSize = sizeof(PatLoadedFontItem);
constexpr uint32_t kTrayItemSize = sizeof(PatTrayItem);
constexpr uint32_t kOutBinItemSize = sizeof(PatOutBinItem);
constexpr uint32_t kDeviceItemSize = sizeof(PatDeviceItem);
constexpr uint32_t kEmulUniqItemSize = sizeof(PatEmulUniqItem);
constexpr uint32_t kCounterItemSize = sizeof(PatCounterItem);
constexpr uint32_t kSupplyItemSize = sizeof(PatSupplyItem);

// Typed access to a list's head field for FindOrAddItem and friends.
template <typename Item>
inline PatItem **HeadField(Item **field) {
    return reinterpret_cast<PatItem **>(field);
}
