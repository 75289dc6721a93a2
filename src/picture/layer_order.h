// Putting a picture's layers in drawing order.
#pragma once

#include "common/growable_buffer.h"

// A new layer buffer with the layers in ascending layer number (equal numbers
// in their order in `layers`), each with its raster operation; every
// even-numbered layer drawn transparently through its "_B" mask, which comes
// directly before it.  Null when memory runs out or a name leaves no room
// for the mask suffix.
GrowableBuffer *OrderLayers(GrowableBuffer *layers);
