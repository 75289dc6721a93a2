// The help file that explains a printer's current status.  This printer
// family has no help files, so a successful answer is always the empty name.
#pragma once

#include <stdint.h>

#include "pat.h"

// Runs the status selection on the record and names the help file into `text`
// (capacity in `*length` on entry).  `*length` receives the needed length,
// terminator included, whenever a name was chosen.  Returns PAT_OK,
// PAT_ERROR_NOT_ENOUGH_MEMORY, PAT_ERROR_INSUFFICIENT_BUFFER, or the
// selection's error.
uint32_t GetStatusHelpFileName(uint32_t sourceType, const PrnInfoEx *record, char *text, uint32_t *length);
