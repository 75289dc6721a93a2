// Keyword vocabularies: rows {name, value} ended by a row whose name is null
// and whose value is the table's default.  Names are compared exactly and
// case-sensitively; the first row of a name wins.
#pragma once

#include <stdint.h>

struct NameTableRow {
    const char *name;
    uint32_t value;
};

// The value of the first row in table order whose name is `text`, or the
// table's default; 0xFFFFFFFF for a null text or table.
uint32_t LookupName(const char *text, const NameTableRow *table);
// The same for the `length` characters at `text`, which hold no NUL.
uint32_t LookupName(const char *text, uint32_t length, const NameTableRow *table);
