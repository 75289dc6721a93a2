#include <string.h>

#include "localized_string.h"
#include "status_text.h"

namespace {

struct PartListItem {
    uint32_t detailIndex;
    uint32_t rowPosition;  // in the part-name map, counted from 1
    uint32_t stringNumber;
};

static_assert(sizeof(PartListItem) == 12, "part list item");

constexpr uint32_t kPartItemsPerStep = 10;
constexpr uint32_t kPartItemsInitialSteps = 10;
constexpr uint32_t kSeparatorNumber = 3500;
constexpr uint32_t kSeparatorSize = 16;
constexpr uint32_t kPartNameSize = 256;

bool HasDetail(ArrayOf<PartListItem> &items, uint32_t detailIndex) {
    for (uint32_t i = 0; i < items.Count(); ++i) {
        if (items.At(i)->detailIndex == detailIndex) return true;
    }
    return false;
}

// Keeps the items in row order.
bool InsertInRowOrder(ArrayOf<PartListItem> &items, const PartListItem &item) {
    const uint32_t count = items.Count();
    for (uint32_t i = 0; i < count; ++i) {
        if (items.At(i)->rowPosition > item.rowPosition) return items.Insert(item, i);
    }
    return items.Append(item);
}

uint32_t CollectParts(ArrayOf<MessageEntry> &messages, const StringMapRow *partNames, ArrayOf<PartListItem> &items) {
    for (uint32_t i = 0; i < messages.Count(); ++i) {
        const MessageEntry *entry = messages.At(i);
        if (entry->detailIndex == 0 || HasDetail(items, entry->detailIndex)) continue;
        const StringMapRow *row = FindStringMapRow(partNames, entry->detailIndex);
        if (row == nullptr) return PAT_ERROR_MISSING_TABLE;
        const PartListItem item = {entry->detailIndex, static_cast<uint32_t>(row - partNames) + 1, row->stringNumber};
        if (!InsertInRowOrder(items, item)) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    return PAT_OK;
}

// A name that does not fit is left out whole, and so is every later one.
// A name that cannot be loaded fails the whole list rather than leave a
// list that silently lacks it.
uint32_t JoinNames(ArrayOf<PartListItem> &items, const char *separator, char *list, uint32_t size) {
    for (uint32_t i = 0; i < items.Count(); ++i) {
        const PartListItem item = *items.At(i);
        char name[kPartNameSize];
        const uint32_t error = LoadLocalizedString(item.stringNumber, name, sizeof name);
        if (error != PAT_OK) {
            list[0] = '\0';
            return error;
        }
        const char *joint = list[0] == '\0' ? "" : separator;
        const size_t used = strlen(list);
        if (used + strlen(joint) + strlen(name) >= size) break;
        strcat(strcat(list + used, joint), name);
    }
    return PAT_OK;
}

}  // namespace

uint32_t BuildPartList(ArrayOf<MessageEntry> &messages, char *list, uint32_t size) {
    list[0] = '\0';
    ArrayOf<PartListItem> items;
    if (!items.Create(kPartItemsPerStep, kPartItemsInitialSteps)) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    const StringMapRow *partNames = FindStringMap(kPartNameMaps, PAT_TEXT_FORM_SHORT);
    char separator[kSeparatorSize];
    uint32_t error = PAT_ERROR_MISSING_TABLE;
    if (partNames != nullptr && LoadLocalizedString(kSeparatorNumber, separator, sizeof separator) == PAT_OK) {
        error = CollectParts(messages, partNames, items);
    }
    if (error == PAT_OK) error = JoinNames(items, separator, list, size);
    items.Free();
    return error;
}
