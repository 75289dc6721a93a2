// The status of a printer as the library words and draws it.
#pragma once

#include <string>

#include "report.h"

// The short and the long status text, in the current language.
void PrintStatusTexts(Report &report, uint32_t sourceType, PrnInfoEx *record);

// The layers of the status picture; with a path, the picture drawn into a PNG file.
void PrintPicture(Report &report, uint32_t sourceType, PrnInfoEx *record, const std::string &pngPath);
