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

constexpr uint32_t kSystemFirmwareCode = 0xFFFFFFFFu;  // -1 in the emulation table

// A punch unit is named by the exact set of punch keywords the printer lists.
struct PunchRow {
    const char *keywords[kPunchSlots];  // filled slots first; an empty first slot ends the table
    uint16_t optionId;
};

extern const PunchRow *const kPunchOptions;  // from the vocabulary's punch units
