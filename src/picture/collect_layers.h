// Gathering the layers of a picture from the selected status codes and the
// installed options.
#pragma once

#include "common/array_of.h"
#include "common/growable_buffer.h"
#include "pat.h"

// For each code of `codes` (32-bit status codes) in order: the body's rule,
// then the rule of each installed option in the order of the record's
// pDeviceInfo chain.  A code is matched by pattern only when no list at all
// has it as an exact key.
void CollectLayers(const PrnInfoEx *statusRecord, ArrayOf<uint32_t> &codes, GrowableBuffer *layers);
