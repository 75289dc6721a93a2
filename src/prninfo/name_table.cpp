// Keyword vocabularies: name tables ended by a row carrying the default.
#include <string.h>

#include "prninfo/record.h"

uint32_t LookupName(const char *text, const NameTableRow *table) {
    if (text == nullptr || table == nullptr) return 0xFFFFFFFFu;
    const NameTableRow *row = table;
    for (; row->name != nullptr; ++row) {
        if (strcmp(row->name, text) == 0) return row->value;
    }
    return row->value;
}
