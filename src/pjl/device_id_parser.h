// The printer's IEEE 1284 device ID into the printer information record:
// maker, model and description, the engine status with the state bytes, and
// the page counter.
#pragma once

#include <stdint.h>

#include "pat.h"

// The text ends at its first NUL or after `length` bytes.  Returns PAT_OK, or
// PAT_ERROR_NOT_ENOUGH_MEMORY when the maker or description text cannot be
// stored (what earlier fields wrote stays).
uint32_t ParseDeviceId(const char *text, uint32_t length, PrnInfoEx *record);
