#include <string.h>

#include "common/localized_string.h"
#include "status_text.h"

namespace {

struct PartListItem {
    uint32_t detailIndex;
    uint32_t rowPosition;  // in the part-name map, counted from 1
    uint32_t stringNumber;
};

static_assert(sizeof(PartListItem) == 12, "part list item");

// Each part at most once, and every part a row of the part-name map: the
// list never holds more items than the map has rows, so it needs no heap.
struct PartListItems {
    PartListItem items[kPartCount];
    uint32_t count = 0;
};

constexpr uint32_t kSeparatorNumber = 3500;
constexpr uint32_t kSeparatorSize = 16;
constexpr uint32_t kPartNameSize = 256;

bool HasDetail(const PartListItems &list, uint32_t detailIndex) {
    for (uint32_t i = 0; i < list.count; ++i) {
        if (list.items[i].detailIndex == detailIndex) return true;
    }
    return false;
}

// Keeps the items in row order.
void InsertInRowOrder(PartListItems &list, const PartListItem &item) {
    uint32_t at = list.count++;
    for (; at > 0 && list.items[at - 1].rowPosition > item.rowPosition; --at) list.items[at] = list.items[at - 1];
    list.items[at] = item;
}

uint32_t CollectParts(ArrayOf<MessageEntry> &messages, const StringMapRow *partNames, PartListItems &list) {
    for (uint32_t i = 0; i < messages.Count(); ++i) {
        const MessageEntry *entry = messages.At(i);
        if (entry->detailIndex == 0 || HasDetail(list, entry->detailIndex)) continue;
        const StringMapRow *row = FindStringMapRow(partNames, entry->detailIndex);
        if (row == nullptr) return PAT_ERROR_MISSING_TABLE;
        InsertInRowOrder(list, {entry->detailIndex, static_cast<uint32_t>(row - partNames) + 1, row->stringNumber});
    }
    return PAT_OK;
}

// A name that does not fit is left out whole, and so is every later one.
// A name that cannot be loaded fails the whole list rather than leave a
// list that silently lacks it.
uint32_t JoinNames(const PartListItems &parts, const char *separator, char *list, uint32_t size) {
    for (uint32_t i = 0; i < parts.count; ++i) {
        const PartListItem &item = parts.items[i];
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
    PartListItems parts;
    const StringMapRow *partNames = FindStringMap(kPartNameMaps, PAT_TEXT_FORM_SHORT);
    char separator[kSeparatorSize];
    uint32_t error = PAT_ERROR_MISSING_TABLE;
    if (partNames != nullptr && LoadLocalizedString(kSeparatorNumber, separator, sizeof separator) == PAT_OK) {
        error = CollectParts(messages, partNames, parts);
    }
    if (error == PAT_OK) error = JoinNames(parts, separator, list, size);
    return error;
}
