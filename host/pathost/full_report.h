// The reports pathost prints: everything about a polled printer, or the
// status alone of a described one.  Each returns false when some library
// call failed on the way (the rest is still printed).
#pragma once

#include <stdio.h>

#include "host_options.h"
#include "pat_exports.h"

bool PrintPolledPrinter(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out);
bool PrintPrinterStatus(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out);
