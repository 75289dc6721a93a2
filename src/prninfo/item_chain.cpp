// Chains of list items: allocation, release, appending and search by id.
#include "platform/platform.h"
#include "prninfo/record.h"

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

PatItem *FindOrAddItem(PatItem **headField, uint32_t itemSize, uint32_t id, uint32_t *countField) {
    const uint16_t key = static_cast<uint16_t>(id);
    PatItem *found = FindItemById(*headField, key);
    if (found != nullptr) return found;
    PatItem *item = AllocItem(itemSize);
    if (item == nullptr) return nullptr;
    item->wId = key;
    *headField = AppendToChain(*headField, item);
    ++*countField;
    return item;
}
