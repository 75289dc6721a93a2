// The status of a printer as the library words and draws it.
#pragma once

#include <string>

#include "library/library_calls.h"
#include "report/report.h"

// Whether the library has anything to word: it words the conditions a
// printer reports, and a printer that does not answer.
bool HasConditionToWord(const PrnInfoEx &record);

// The short or the long status text (PAT_TEXT_FORM_SHORT, PAT_TEXT_FORM_LONG) in
// the current language, as UTF-8; empty when there is no condition to word
// or the library refuses (a failure of the report).
std::string StatusText(Report &report, uint32_t sourceType, PrnInfoEx *record, uint32_t form);

// The short and the long status text, in the current language.
void PrintStatusTexts(Report &report, uint32_t sourceType, PrnInfoEx *record);

// The layers of the status picture; with a path, the picture drawn into a PNG file.
void PrintPicture(Report &report, uint32_t sourceType, PrnInfoEx *record, const std::string &pngPath);
