// The status picture: which bitmaps show the printer in its current state.
#pragma once

#include <stdint.h>

#include "pat.h"

// Decodes the status information tree, selects the most urgent status codes
// and builds the bitmap info for them.  PAT_OK with *picture set, or the
// error: the decoder's (PAT_ERROR_INVALID_PARAMETER) for a refused tree,
// PAT_ERROR_NOT_ENOUGH_MEMORY when memory runs out.
uint32_t CreateStatusPicture(uint32_t sourceType, PatInfoNode *statusRoot, PatBitmapInfo **picture);
