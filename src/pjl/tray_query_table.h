// Which PJL questions ask about which input tray, built from the family's
// vocabulary (common/family_vocabulary.h).
#pragma once

#include <stdint.h>

struct TrayQueryRow {
    uint16_t trayId;    // the wId of a pTrayInfo item; 0xFFFF ends the table
    uint32_t optional;  // 0: a standard tray, asked about when the record lists none
    const char *text;
};

constexpr uint16_t kTrayQueryTableEnd = 0xFFFF;

extern const TrayQueryRow *const kTrayQueryTable;

// The print-tray questions, one line each.
extern const char *const kPrintTrayQueryText;
