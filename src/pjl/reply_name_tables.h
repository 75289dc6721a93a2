// The PJL vocabulary of this printer family: keywords of the printer's
// answers and the codes the record stores for them.
#pragma once

#include <stdint.h>

#include "common/family_vocabulary.h"
#include "prninfo/record.h"

extern const NameTableRow kPaperSizeNames[];
extern const NameTableRow kMediaTypeNames[];
extern const NameTableRow kPaperLevelNames[];   // value: percent
// Derived from the family's vocabulary (common/family_vocabulary.h).
extern const NameTableRow *const kPrintTrayNames;  // value: tray id, kTrayNone for none
extern const NameTableRow *const kEmulationNames;  // value: emulation code
extern const NameTableRow kMemoryUsageNames[];
extern const NameTableRow kImageRotationNames[];

// A name table with an index made by the compiler: every distinct name's key
// (its length, first and last character) in a slot the key picks, with the
// first row of that name.  A lookup finds the row a word's key leads to and
// compares the characters between; a walk would compare the word with each
// row before it.  On the 64 KB reply of tray answers, the walk was a quarter
// of the handlers' instructions.
struct NameSlot {
    uint32_t key;
    uint16_t row;  // the row's index + 1; 0: an empty slot
};

struct IndexedNames {
    const NameTableRow *rows;  // as LookupName reads them
    const NameSlot *slots;
    uint32_t slotMask;         // the slot count (a power of two) - 1
    uint32_t defaultValue;     // the value of the table's last row
};

// What LookupName gives for the `length` characters at `text` (no NUL among
// them) in the indexed table: its first row of that name, else its default.
uint32_t LookupName(const char *text, uint32_t length, const IndexedNames &names);

extern const IndexedNames kPaperSizeIndex;
extern const IndexedNames kMediaTypeIndex;
extern const IndexedNames kPaperLevelIndex;
extern const IndexedNames kPrintTrayIndex;
extern const IndexedNames kEmulationIndex;
extern const IndexedNames kMemoryUsageIndex;
extern const IndexedNames kImageRotationIndex;

constexpr uint32_t kSystemFirmwareCode = 0xFFFFFFFFu;  // -1 in the emulation table

// A punch unit is named by the exact set of punch keywords the printer lists.
struct PunchRow {
    const char *keywords[kPunchSlots];  // filled slots first; an empty first slot ends the table
    uint16_t optionId;
};

extern const PunchRow *const kPunchOptions;  // from the vocabulary's punch units
