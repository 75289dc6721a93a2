// The record's text items addressed by item name.
#include <string.h>

#include "platform/platform.h"
#include "prninfo/item_names.h"
#include "prninfo/record.h"

int SetStringItem(PrnInfoEx *record, const char *textName, const char *text) {
    const TextFieldRow *row = FindTextField(textName);
    if (row == nullptr || text == nullptr) return 0;
    const size_t size = strlen(text) + 1;
    // The copy is made before the old text is released, so a record whose
    // update failed for lack of memory still holds its previous text.
    auto *copy = static_cast<char *>(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(size)));
    if (copy == nullptr) return 0;
    memcpy(copy, text, size);
    auto **field = reinterpret_cast<char **>(reinterpret_cast<uint8_t *>(record) + row->pointerOffset);
    if (*field != nullptr) GlobalFree(*field);
    *field = copy;
    return 1;
}
