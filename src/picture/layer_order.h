// Putting a picture's layers in drawing order.
#pragma once

#include "common/growable_buffer.h"

// The layers into `ordered`, an empty buffer the caller owns, in ascending
// layer number (equal numbers in their order in `layers`), each with its
// raster operation; every even-numbered layer drawn transparently through its
// "_B" mask, which comes directly before it.  False when memory runs out or a
// name leaves no room for the mask suffix, with whatever was ordered left in
// `ordered`.
bool OrderLayersInto(GrowableBuffer *layers, GrowableBuffer *ordered);
