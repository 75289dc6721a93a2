// Display names of input trays, output bins and installed options in the
// current language.
#pragma once

#include <stdint.h>

// Composes the display name of a name of kind PAT_DEVICE_NAME_* (with its
// PAT_CHECK_* byte) and copies it into `text` (capacity in `*length` on entry).  `*length` receives the needed length, terminator included, only
// when the name was found and loaded.  Returns PAT_OK,
// PAT_ERROR_INVALID_PARAMETER, PAT_ERROR_INSUFFICIENT_BUFFER,
// PAT_ERROR_MISSING_TABLE or PAT_ERROR_UNKNOWN_LANGUAGE; `text` is written only
// on success.
uint32_t GetDeviceName(uint32_t kind, const void *name, uint32_t checkByte, char *text, uint32_t *length);
