// The printer information record, printed.
#pragma once

#include "report/report.h"

// The library's version and its profile for the source type.
void PrintLibrary(Report &report, uint32_t sourceType);

// What does not depend on the language: identity, firmware and emulation
// versions, memory, counter and engine status.
void PrintPrinter(Report &report, const PrnInfoEx &record);

// Trays, output bins and options, named in the current language.
void PrintTrays(Report &report, const PrnInfoEx &record);
void PrintOutputBins(Report &report, const PrnInfoEx &record);
void PrintOptions(Report &report, const PrnInfoEx &record);
