// Putting a picture's layers in drawing order.
#pragma once

#include "common/growable_buffer.h"

// A new layer buffer with the layers in ascending layer number (equal numbers
// in their order in `layers`), each with its raster operation; every
// even-numbered layer drawn transparently through its "_B" mask, which comes
// directly before it.  Null when memory runs out or a name leaves no room
// for the mask suffix.
GrowableBuffer *OrderLayers(GrowableBuffer *layers);

// The same into `ordered`, an empty buffer the caller owns (a header on its
// stack saves the heap a block); false when memory runs out or a name leaves
// no room for the mask suffix, with whatever was ordered left in `ordered`.
bool OrderLayersInto(GrowableBuffer *layers, GrowableBuffer *ordered);
