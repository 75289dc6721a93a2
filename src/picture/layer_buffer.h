// The layer buffer of a status picture: a growable buffer of 48-byte bitmap
// layers, filled rule by rule and then put in drawing order.
#pragma once

#include <stdint.h>

#include "common/growable_buffer.h"
#include "picture/layer_rules.h"

constexpr uint32_t kLayerSize = sizeof(PatBitmapLayer);
// 20 layers per step.
constexpr uint32_t kLayerBufferGranule = 20 * kLayerSize;

GrowableBuffer *CreateLayerBuffer();
uint32_t LayerCount(const GrowableBuffer *layers);

// The layer at the buffer's position, which moves past it; null at the end.
PatBitmapLayer *NextLayer(GrowableBuffer *layers);

// Appends the rule's layers that the buffer does not hold yet (same name,
// position and layer number).  Stops quietly when memory runs out: the
// picture then lacks those layers rather than failing as a whole.
void AddRuleLayers(GrowableBuffer *layers, const LayerRule *rule);

void RemoveLayerNumber(GrowableBuffer *layers, uint8_t number);
