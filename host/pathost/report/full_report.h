// The reports pathost prints: everything about a polled printer, or the
// status alone of a described one.  Each returns false when some library
// call failed on the way (the rest is still printed).
#pragma once

#include <stdio.h>

#include <string>
#include <vector>

#include "library/pat_exports.h"

// What a report shows, and in which languages.
struct ReportSettings {
    std::vector<std::string> languages = {"EN"};
    uint32_t sourceType = PAT_SOURCE_1;
    std::string picturePath;  // where to draw the status picture; empty: not drawn
};

// The language of the report's own words where it is not going through the
// languages one by one: the first language asked for.
std::string ReportLanguage(const ReportSettings &settings);

bool PrintPolledPrinter(const PatExports &exports, const ReportSettings &settings, PrnInfoEx *record, FILE *out);
bool PrintPrinterStatus(const PatExports &exports, const ReportSettings &settings, PrnInfoEx *record, FILE *out);
