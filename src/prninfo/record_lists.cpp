// The record's lists addressed by item name.
#include "platform/platform.h"
#include "prninfo/item_names.h"
#include "prninfo/record.h"

int GetItemList(PrnInfoEx *record, const char *itemName, ItemListHandle *handle) {
    const ListFieldRow *row = FindListField(itemName);
    if (row == nullptr) return 0;
    auto *base = reinterpret_cast<uint8_t *>(record);
    handle->headField = reinterpret_cast<PatItem **>(base + row->headOffset);
    handle->countField = reinterpret_cast<uint32_t *>(base + row->countOffset);
    handle->head = *handle->headField;
    return 1;
}

int AppendItem(PrnInfoEx *record, const char *listName, PatItem *item) {
    ItemListHandle list;
    if (item == nullptr || !GetItemList(record, listName, &list)) return 0;
    *list.headField = AppendToChain(list.head, item);
    ++*list.countField;
    return 1;
}

int ClearItemList(PrnInfoEx *record, const char *listName) {
    ItemListHandle list;
    if (!GetItemList(record, listName, &list)) return 0;
    FreeItemChain(list.head);
    *list.headField = nullptr;
    *list.countField = 0;
    return 1;
}

uint32_t CheckRecordLists(const PrnInfoEx *record) {
    const auto *base = reinterpret_cast<const uint8_t *>(record);
    for (const ListFieldRow *row = AllListFields(); row->name != nullptr; ++row) {
        const PatItem *head = *reinterpret_cast<const PatItem *const *>(base + row->headOffset);
        if (CheckItemChain(head) != PAT_OK) return PAT_ERROR_INVALID_PARAMETER;
    }
    return PAT_OK;
}
