// Operations on the host's printer information record (PrnInfoEx): its ten
// item lists and six text items, named by RecordList and RecordText, plus the
// status classification every record filler shares.
//
// Items and texts come from the global heap and belong to the record once
// hung into it.  A list's count field always equals the length of its chain:
// an item is counted only after it is linked.  None of these operations
// checks the record version; the exports that accept a record do.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "pat.h"

// A list of the record, by value: the head as it was when looked up, and
// where the record keeps the head and the count.
struct ItemListHandle {
    PatItem *head;
    PatItem **headField;
    uint32_t *countField;
};

// The record's item lists (the head field pName and its count nName), in
// the order the host interface documents them.
enum class RecordList : uint32_t {
    kEngineStatus,
    kLoadedEmul,
    kLoadedFont,
    kTrayInfo,
    kOutBinInfo,
    kDeviceInfo,
    kEmulUniqInfo,
    kCounterInfo,
    kSupplyInfo,
    kColorCorrection,
};
constexpr RecordList kAllRecordLists[] = {
    RecordList::kEngineStatus, RecordList::kLoadedEmul,    RecordList::kLoadedFont,   RecordList::kTrayInfo,
    RecordList::kOutBinInfo,   RecordList::kDeviceInfo,    RecordList::kEmulUniqInfo, RecordList::kCounterInfo,
    RecordList::kSupplyInfo,   RecordList::kColorCorrection,
};

// The record's text items (the field pName).
enum class RecordText : uint32_t {
    kModelName,
    kMakerName,
    kDescription,
    kSYSVersion,
    kMainProgVersion,
    kKMSVersion,
};

ItemListHandle GetItemList(PrnInfoEx *record, RecordList list);
// Links the item at the end of the list and counts it.  PAT_OK, or
// PAT_ERROR_INVALID_PARAMETER for a null item (nothing changes).
uint32_t AppendItem(PrnInfoEx *record, RecordList list, PatItem *item);
// Releases every item of the list; the list is then empty.
void ClearItemList(PrnInfoEx *record, RecordList list);
// Replaces the text with a copy of `text`.  PAT_OK; PAT_ERROR_INVALID_PARAMETER
// for a null text; PAT_ERROR_NOT_ENOUGH_MEMORY when the copy cannot be made.
// On failure the old text stays.
uint32_t SetStringItem(PrnInfoEx *record, RecordText field, const char *text);
// The same for the `length` characters at `text`, which hold no NUL.
uint32_t SetStringItem(PrnInfoEx *record, RecordText field, const char *text, size_t length);
// The firmware versions of the main program (emulation kEmulationMainProgram)
// and of the KMS (kEmulationKms) are also kept as the record's texts; other
// emulations and a null version leave the record alone.  As SetStringItem.
uint32_t KeepEmulationVersionText(PrnInfoEx *record, uint16_t emulationId, const char *version);
// The same for the `length` characters at `version`, which hold no NUL.
uint32_t KeepEmulationVersionText(PrnInfoEx *record, uint16_t emulationId, const char *version, size_t length);

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
// Appends an engine-status item for the code (its id the code's low 16 bits,
// its text empty) and returns it; null, with the record unchanged, when
// memory runs out.
PatEngineStatusItem *AddEngineStatus(PrnInfoEx *record, uint32_t statusCode);

PatItem *AllocItem(uint32_t itemSize);
void FreeItemChain(PatItem *first);
PatItem *AppendToChain(PatItem *first, PatItem *item);

// The record's model index for a model name: kUnknownModelIndex for any
// name, as this family has no model table a host could index.
constexpr uint8_t kUnknownModelIndex = 255;
uint8_t ModelIndex(const char *modelName);
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
