// Vocabularies that translate the host's peripheral information into the ids
// and codes of this printer family.
#pragma once

#include <stdint.h>

#include "common/name_table.h"
#include "prninfo/record.h"

// Rows keyed by a number; the row with key kCodeTableEnd ends the table and
// carries the default.
struct CodeTableRow {
    uint32_t key;
    uint32_t value;
};

constexpr uint32_t kCodeTableEnd = 0xFFFFFFFFu;

uint32_t LookupCode(uint32_t key, const CodeTableRow *table);

extern const CodeTableRow *const kOptionCodeTable;  // from the family's vocabulary
extern const CodeTableRow kMainMediaTable[];
extern const CodeTableRow kExtendedMediaTable[];

extern const NameTableRow kEmulationNameTable[];
extern const NameTableRow kFontNameTable[];
extern const NameTableRow kMediaNameTable[];

// A status-word test: when any of `bits` is set for one of `sourceTypes`,
// the engine status `code` is reported.
struct StatusBitRow {
    uint32_t sourceTypes;
    uint32_t bits;
    uint32_t code;
    bool skippedInReducedSet;
};

// Ends with a row whose source types are 0.
extern const StatusBitRow kStatusBitTable[];

// The paper-size code of a tray from its two dimensions in millimetres,
// either of which may be absent (0xFFFFFFFF).
uint32_t PaperSizeCode(uint32_t firstDimension, uint32_t secondDimension);
