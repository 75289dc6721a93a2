// A byte block with a used length and a movable position, growing in whole
// granules on the global heap: the lower layer of every temporary list.
#pragma once

#include <stdint.h>

struct GrowableBuffer {
    uint32_t granule;
    uint32_t length;
    uint32_t position;
    uint8_t *data;
    // Not 0: `data` is a block of the owner's own (on its stack) of this many
    // bytes, never resized or freed here.
    uint32_t borrowedCapacity;
};

// Origins of BufferSeek (only the low byte is looked at).
enum BufferOrigin : uint8_t {
    kSeekFromStart = 1,
    kSeekFromPosition = 2,
    kSeekFromEnd = 3,
};

GrowableBuffer *BufferCreate(uint32_t granule, uint32_t initialGranules);
void BufferFree(GrowableBuffer *buffer);
// The same for a header that lives inside a larger block of its owner's:
// BufferInit takes only the data block (false, and no block, when memory
// runs out), BufferRelease frees only the data block.
bool BufferInit(GrowableBuffer *buffer, uint32_t granule, uint32_t initialGranules);
void BufferRelease(GrowableBuffer *buffer);
// A buffer over a block of the owner's (`capacity` bytes, not 0): nothing is
// allocated until the contents outgrow the block; they then move to a heap
// block of whole granules past `capacity`, as a heap block would grow.  Not
// for BufferDetach, which hands over heap blocks only.
void BufferInitOn(GrowableBuffer *buffer, uint32_t granule, void *block, uint32_t capacity);
void BufferSeek(GrowableBuffer *buffer, int32_t offset, uint32_t origin);
void *BufferRead(GrowableBuffer *buffer, uint32_t n);
int BufferWrite(GrowableBuffer *buffer, const void *source, uint32_t n);
int BufferInsert(GrowableBuffer *buffer, const void *source, uint32_t n);
int BufferRemove(GrowableBuffer *buffer, uint32_t n);
uint32_t BufferLength(const GrowableBuffer *buffer);
void *BufferDetach(GrowableBuffer *buffer);
