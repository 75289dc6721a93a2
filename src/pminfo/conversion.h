// Filling a printer information record from the host's peripheral information.
#pragma once

#include <stdint.h>

#include "pat.h"

// The structure letter that must accompany a source type (low 16 bits of
// `source`), or 0 for a source type that has no peripheral information.
uint8_t StructureLetterFor(uint32_t source);

// Rebuilds the parts of the record that `flags` select, step by step; the
// first failing step ends the conversion, and what earlier steps changed
// stays.  Returns 0 or the error.  The arguments are already checked.
uint32_t ConvertPMInfo(uint32_t source, const void *pmInfo, uint32_t flags, PrnInfoEx *record);
