// The bitmap info blocks handed to the host, and their release.
#pragma once

#include <stdint.h>

#include "common/growable_buffer.h"
#include "pat.h"

// A tag-201 bitmap info with one tag-200 layer list: the layers of
// `layers` in drawing order.  Null when memory runs out; nothing is then
// left allocated.
PatBitmapInfo *BuildBitmapInfo(GrowableBuffer *layers);

// Releases a bitmap info of tag 201 with its layer lists, or a single layer
// list of tag 200: PAT_OK.  PAT_ERROR_INVALID_PARAMETER, with nothing released,
// for anything else.
uint32_t DisposeBitmapInfo(PatBitmapInfo *info);
