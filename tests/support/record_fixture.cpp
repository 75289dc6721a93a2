#include "support/record_fixture.h"

#include <gtest/gtest.h>
#include <string.h>

#include "platform/platform.h"

namespace {

struct ListPair {
    const char *name;
    size_t head;
    size_t count;
};

#define LIST(head, count) {#head, offsetof(PrnInfoEx, head), offsetof(PrnInfoEx, count)}
const ListPair kLists[] = {
    LIST(pEngineStatus, nEngineStatus), LIST(pLoadedEmul, nLoadedEmul),
    LIST(pLoadedFont, nLoadedFont),     LIST(pTrayInfo, nTrayInfo),
    LIST(pOutBinInfo, nOutBinInfo),     LIST(pDeviceInfo, nDeviceInfo),
    LIST(pEmulUniqInfo, nEmulUniqInfo), LIST(pCounterInfo, nCounterInfo),
    LIST(pSupplyInfo, nSupplyInfo),     LIST(pColorCorrection, nColorCorrection),
};
#undef LIST

void **HeadOf(PrnInfoEx *record, const ListPair &list) {
    return reinterpret_cast<void **>(reinterpret_cast<uint8_t *>(record) + list.head);
}

uint32_t *CountOf(PrnInfoEx *record, const ListPair &list) {
    return reinterpret_cast<uint32_t *>(reinterpret_cast<uint8_t *>(record) + list.count);
}

}  // namespace

PrnInfoEx MakeRecord(uint32_t version) {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = version;
    return record;
}

uint32_t ChainLength(const void *first) {
    uint32_t length = 0;
    for (auto *item = static_cast<const PatItem *>(first); item != nullptr; item = item->pNext) ++length;
    return length;
}

void ReleaseRecord(PrnInfoEx *record) {
    for (const ListPair &list : kLists) {
        void **head = HeadOf(record, list);
        auto *item = static_cast<PatItem *>(*head);
        while (item != nullptr) {
            PatItem *next = item->pNext;
            GlobalFree(item);
            item = next;
        }
        *head = nullptr;
        *CountOf(record, list) = 0;
    }
    char **texts[] = {&record->pModelName,  &record->pMakerName,       &record->pDescription,
                      &record->pSYSVersion, &record->pMainProgVersion, &record->pKMSVersion};
    for (char **text : texts) {
        if (*text != nullptr) GlobalFree(*text);
        *text = nullptr;
    }
}

void ExpectCountsMatchChains(const PrnInfoEx &record) {
    auto *writable = const_cast<PrnInfoEx *>(&record);
    for (const ListPair &list : kLists) {
        EXPECT_EQ(*CountOf(writable, list), ChainLength(*HeadOf(writable, list))) << list.name;
    }
}

void *AddTestItem(void **headField, uint32_t *countField, uint32_t itemSize, uint16_t id) {
    auto *item = static_cast<PatItem *>(GlobalAlloc(GPTR, itemSize));
    if (item == nullptr) return nullptr;
    item->dwSize = itemSize;
    item->wId = id;
    PatItem **link = reinterpret_cast<PatItem **>(headField);
    while (*link != nullptr) link = &(*link)->pNext;
    *link = item;
    ++*countField;
    return item;
}
