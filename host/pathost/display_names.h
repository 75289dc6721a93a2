// The host's vocabulary for showing a record: which of the family's fixed
// English identifiers the library turns into a display name for a tray, an
// output bin or an option, and the host's own labels for what the library
// has no names for (paper sizes, media, bin states, emulations, some options).
#pragma once

#include <stdint.h>

#include <string>

// The identifier PatGetDeviceName takes for a tray (kind 1) or an output bin
// (kind 2), or null for an id the family does not name.
const char *TrayIdentifier(uint16_t trayId);
const char *OutputBinIdentifier(uint16_t binId);

// The option code PatGetDeviceName (kind 3) takes for an option id, 0 when
// the library has no display name for that option.
uint32_t OptionNameCode(uint16_t optionId);

// English names of the host's own, for options the library does not name.
std::string OptionFallbackName(uint16_t optionId);

std::string PaperSizeLabel(uint16_t code);
std::string MediaLabel(uint16_t code);
std::string OutputBinStateLabel(uint16_t state);
std::string EmulationLabel(uint16_t emulationId);
