// What a host calls the items of a record, in the report's current language:
// the library's display names where it has one, the host's own words where
// it has none.  Shared by the text report and the status page.
#pragma once

#include <string>
#include <vector>

#include "report/report.h"

std::string TrayName(Report &report, uint16_t trayId);
std::string OutputBinName(Report &report, uint16_t binId);
std::string OptionName(Report &report, uint16_t optionId);

// The tray's level, "40%"; empty for a tray without a level sensor.
std::string TrayLevel(const PatTrayItem &tray);

// "0x0000A051": flags and profile words.
std::string Hex(uint32_t value);

// The roles and states its flags give a tray ("locked", ...), and the
// flags in hex when some bit has no word.
std::vector<std::string> TrayFlagWords(const HostWords &words, const PatTrayItem &tray);
