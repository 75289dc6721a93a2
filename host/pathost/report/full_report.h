// The reports pathost prints: everything about a polled printer, or the
// status alone of a described one.  Each returns false when some library
// call failed on the way (the rest is still printed).
#pragma once

#include <stdio.h>

#include <string>

#include "commands/host_options.h"
#include "library/pat_exports.h"

// The language of the report's own words where it is not going through the
// languages one by one: the first language asked for.
std::string ReportLanguage(const HostOptions &options);

bool PrintPolledPrinter(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out);
bool PrintPrinterStatus(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out);
