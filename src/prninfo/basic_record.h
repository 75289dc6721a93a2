// Flattening a printer information record into the host's fixed-size basic
// record.
#pragma once

#include <stdint.h>

#include "pat.h"

// Clears the basic record and fills the sections that the item selection
// flags choose, plus the option words that are always filled.  Allocates
// nothing and cannot fail; the arguments are already checked.
void FillBasicRecord(const PrnInfoEx *record, PrnInfo *basic, uint32_t flags);
