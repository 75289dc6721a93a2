#include "name_table.h"

#include "short_text.h"

uint32_t LookupName(const char *text, const NameTableRow *table) {
    if (text == nullptr) return 0xFFFFFFFFu;
    return LookupName(text, TextLength(text), table);
}

uint32_t LookupName(const char *text, uint32_t length, const NameTableRow *table) {
    if (text == nullptr || table == nullptr) return 0xFFFFFFFFu;
    // Most rows differ in their first character: one comparison, no loop.
    const char first = length != 0 ? text[0] : '\0';
    const NameTableRow *row = table;
    for (; row->name != nullptr; ++row) {
        if (row->name[0] == first && TextIs(text, length, row->name)) return row->value;
    }
    return row->value;
}
