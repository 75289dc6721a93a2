// The PJL vocabulary of this printer family: keywords of the printer's
// answers and the codes the record stores for them.
#pragma once

#include <stdint.h>

#include "prninfo/record.h"

extern const NameTableRow kPaperSizeNames[];
extern const NameTableRow kMediaTypeNames[];
extern const NameTableRow kPaperLevelNames[];   // value: percent
extern const NameTableRow kPrintTrayNames[];    // value: tray id, 0 for none
extern const NameTableRow kEmulationNames[];    // value: emulation code
extern const NameTableRow kMemoryUsageNames[];
extern const NameTableRow kImageRotationNames[];

constexpr uint32_t kSystemFirmwareCode = 0xFFFFFFFFu;  // -1 in the emulation table

constexpr int kPunchSlots = 5;

// A punch unit is named by the exact set of punch keywords the printer lists.
struct PunchRow {
    const char *keywords[kPunchSlots];  // filled slots first; an empty first slot ends the table
    uint16_t optionId;
};

extern const PunchRow kPunchOptions[];
