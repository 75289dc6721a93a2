// A reply tree (the printer's PJL reply, its device ID and, as a rule, the
// query they answer) into the host's printer information record.
#pragma once

#include <stdint.h>

#include "pat.h"

// Returns 0 or the error for the export to report.  Nothing is written
// unless the tree is complete and well-formed at its root; a failure while
// walking the children leaves what earlier children wrote.
uint32_t SetCentroData(PatInfoNode *replyRoot, PrnInfoEx *record);
