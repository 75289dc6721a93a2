// The PJL vocabulary of this printer family: keywords of the printer's
// answers and the codes the record stores for them.
#pragma once

#include <stdint.h>

#include "common/family_vocabulary.h"
#include "common/name_table.h"
#include "word_index.h"

extern const NameTableRow kPaperSizeNames[];
extern const NameTableRow kMediaTypeNames[];
extern const NameTableRow kPaperLevelNames[];   // value: percent
// Derived from the family's vocabulary (common/family_vocabulary.h).
extern const NameTableRow *const kPrintTrayNames;  // value: tray id, kTrayNone for none
extern const NameTableRow *const kEmulationNames;  // value: emulation code
extern const NameTableRow kMemoryUsageNames[];
extern const NameTableRow kImageRotationNames[];

// A name table indexed by the compiler (word_index.h): each distinct name
// numbered, and the value of its first row under its number; number 0, a
// word that is no name, holds the table's default.
struct NameIndex {
    WordIndexView words;
    const uint32_t *value;
};

// What LookupName gives for the `length` characters at `text` (no NUL among
// them) in the table the index was built from.
[[gnu::always_inline]] inline uint32_t LookupName(const char *text, uint32_t length, const NameIndex &names) {
    return names.value[FindWord(names.words, text, length)];
}

extern const NameIndex kPaperSizeIndex;
extern const NameIndex kMediaTypeIndex;
extern const NameIndex kPaperLevelIndex;
extern const NameIndex kPrintTrayIndex;
extern const NameIndex kEmulationIndex;
extern const NameIndex kMemoryUsageIndex;
extern const NameIndex kImageRotationIndex;

constexpr uint32_t kSystemFirmwareCode = 0xFFFFFFFFu;  // -1 in the emulation table

// A punch unit is named by the exact set of punch keywords the printer lists.
struct PunchRow {
    const char *keywords[kPunchSlots];  // filled slots first; an empty first slot ends the table
    uint16_t optionId;
};

extern const PunchRow *const kPunchOptions;  // from the vocabulary's punch units
