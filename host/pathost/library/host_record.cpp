#include "library/host_record.h"

#include <string.h>

namespace {

template <typename Item>
void ReleaseList(const PatExports &exports, uint32_t *count, Item **head) {
    Item *item = *head;
    while (item != nullptr) {
        Item *next = item->pNext;
        exports.GlobalFree(item);
        item = next;
    }
    *head = nullptr;
    *count = 0;
}

void ReleaseText(const PatExports &exports, char **text) {
    if (*text != nullptr) exports.GlobalFree(*text);
    *text = nullptr;
}

template <typename Item>
Item *NewItem(const PatExports &exports, uint16_t id) {
    auto *item = static_cast<Item *>(exports.GlobalAlloc(kZeroFilledFixedBlock, sizeof(Item)));
    if (item == nullptr) return nullptr;
    item->dwSize = sizeof(Item);
    item->wId = id;
    return item;
}

template <typename Item>
void AppendItem(uint32_t *count, Item **head, Item *item) {
    Item **link = head;
    while (*link != nullptr) link = &(*link)->pNext;
    *link = item;
    ++*count;
}

}  // namespace

PrnInfoEx EmptyRecord() {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    return record;
}

void ReleaseRecord(const PatExports &exports, PrnInfoEx *r) {
    ReleaseList(exports, &r->nEngineStatus, &r->pEngineStatus);
    ReleaseList(exports, &r->nLoadedEmul, &r->pLoadedEmul);
    ReleaseList(exports, &r->nLoadedFont, &r->pLoadedFont);
    ReleaseList(exports, &r->nTrayInfo, &r->pTrayInfo);
    ReleaseList(exports, &r->nOutBinInfo, &r->pOutBinInfo);
    ReleaseList(exports, &r->nDeviceInfo, &r->pDeviceInfo);
    ReleaseList(exports, &r->nEmulUniqInfo, &r->pEmulUniqInfo);
    ReleaseList(exports, &r->nCounterInfo, &r->pCounterInfo);
    ReleaseList(exports, &r->nSupplyInfo, &r->pSupplyInfo);
    ReleaseList(exports, &r->nColorCorrection, &r->pColorCorrection);
    char **texts[] = {&r->pModelName, &r->pMakerName, &r->pDescription,
                      &r->pSYSVersion, &r->pMainProgVersion, &r->pKMSVersion};
    for (char **text : texts) ReleaseText(exports, text);
}

bool AddEngineStatus(const PatExports &exports, PrnInfoEx *record, uint32_t code, const char *text) {
    auto *item = NewItem<PatEngineStatusItem>(exports, static_cast<uint16_t>(code));
    if (item == nullptr) return false;
    item->dwStatusCode = code;
    strncpy(item->szText, text, sizeof item->szText - 1);
    AppendItem(&record->nEngineStatus, &record->pEngineStatus, item);
    return true;
}

bool AddDeviceInfo(const PatExports &exports, PrnInfoEx *record, uint16_t optionId) {
    auto *item = NewItem<PatDeviceItem>(exports, optionId);
    if (item == nullptr) return false;
    AppendItem(&record->nDeviceInfo, &record->pDeviceInfo, item);
    return true;
}
