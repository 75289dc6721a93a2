// The host's vocabulary for showing a record, taken from the family's
// vocabulary: which of the family's fixed English identifiers the library
// turns into a display name for a tray, an output bin or an option, and the
// names of emulations (the same in every language). The host's words for what
// the library does not name are in host_words.h.
#pragma once

#include <stdint.h>

// The identifier PatGetDeviceName takes for a tray (kind 1) or an output bin
// (kind 2), or null for an id the family does not name.
const char *TrayIdentifier(uint16_t trayId);
const char *OutputBinIdentifier(uint16_t binId);

// The option code PatGetDeviceName (kind 3) takes for an option id, 0 when
// the library has no display name for that option.
uint32_t OptionNameCode(uint16_t optionId);

// The emulation's name, or null for an id the host does not know.
const char *EmulationName(uint16_t emulationId);

// Whether the tray reports a paper level (true for a tray the family does not
// know).
bool HasLevelSensor(uint16_t trayId);

// The tray whose presence the option stands for, kTrayNone when none does.
uint16_t TrayOfOption(uint16_t optionId);
