// Fixed-size elements back to back in a growable buffer, numbered from 1.
#pragma once

#include <stdint.h>

#include "growable_buffer.h"

struct GrowableArray {
    uint32_t elementSize;
    GrowableBuffer *buffer;
};

// Walks an array; re-reads the count at every step.
struct ArrayCursor {
    GrowableArray *array;
    uint32_t visited;
};

GrowableArray *ArrayCreate(uint32_t elementSize, uint32_t elementsPerStep, uint32_t initialSteps);
// An array whose headers and first block are the owner's (see BufferInitOn);
// it is released with BufferRelease(array->buffer), never with ArrayFree.
void ArrayInitOn(GrowableArray *array, GrowableBuffer *buffer, uint32_t elementSize, uint32_t elementsPerStep,
                 void *block, uint32_t capacity);
void ArrayFree(GrowableArray *array);
uint32_t ArrayCount(const GrowableArray *array);
int ArrayAppend(GrowableArray *array, const void *element);
int ArrayInsert(GrowableArray *array, const void *element, uint32_t index);
void *ArrayAt(GrowableArray *array, uint32_t index);
int ArrayGet(GrowableArray *array, uint32_t index, void *destination);
void CursorBegin(GrowableArray *array, ArrayCursor *cursor);
int CursorNextRef(ArrayCursor *cursor, void **out);
int CursorNext(ArrayCursor *cursor, void *destination);
