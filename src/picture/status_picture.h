// The status picture: which bitmaps show the printer in its current state.
#pragma once

#include <stdint.h>

#include "pat.h"

// Decodes the status information tree, selects the most urgent status codes
// and builds the bitmap info for them.  0 with *picture set, or the error:
// the decoder's (87) for a refused tree, 8 when memory runs out.
uint32_t CreateStatusPicture(uint32_t sourceType, PatInfoNode *statusRoot, PatBitmapInfo **picture);
