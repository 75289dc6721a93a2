#include "growable_buffer.h"

#include <string.h>

#include "platform/platform.h"

namespace {

uint32_t Capacity(const GrowableBuffer *buffer) {
    if (buffer->borrowedCapacity != 0) return buffer->borrowedCapacity;
    return buffer->data == nullptr ? 0 : static_cast<uint32_t>(GlobalSize(buffer->data));
}

// Moves the contents of a borrowed block into a new heap block of `size`.
void *MoveToHeap(GrowableBuffer *buffer, uint32_t size) {
    void *block = GlobalAlloc(GMEM_FIXED, size);
    if (block == nullptr) return nullptr;
    memcpy(block, buffer->data, buffer->length);
    buffer->borrowedCapacity = 0;
    return block;
}

// Makes room up to the end offset `end`; on failure the buffer is unchanged.
bool GrowTo(GrowableBuffer *buffer, uint32_t end) {
    const uint32_t capacity = Capacity(buffer);
    if (end <= capacity) {
        if (buffer->length < end) buffer->length = end;
        return true;
    }
    const uint64_t granules = (static_cast<uint64_t>(end - capacity) + buffer->granule - 1) / buffer->granule;
    const uint64_t newSize = capacity + granules * buffer->granule;
    if (newSize > 0x7FFFFFFFu) return false;
    void *block = buffer->borrowedCapacity != 0 ? MoveToHeap(buffer, static_cast<uint32_t>(newSize))
                  : buffer->data == nullptr
                      ? GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(newSize))
                      : GlobalReAlloc(buffer->data, static_cast<SIZE_T>(newSize), GMEM_MOVEABLE);
    if (block == nullptr) return false;
    buffer->data = static_cast<uint8_t *>(GlobalLock(block));
    buffer->length = end;
    return true;
}

bool EndFits(uint32_t start, uint32_t n) { return n <= 0x7FFFFFFFu - start; }

}  // namespace

bool BufferInit(GrowableBuffer *buffer, uint32_t granule, uint32_t initialGranules) {
    buffer->granule = granule;
    buffer->length = 0;
    buffer->position = 0;
    buffer->data = nullptr;
    buffer->borrowedCapacity = 0;
    if (initialGranules == 0) return true;
    const uint64_t size = static_cast<uint64_t>(granule) * initialGranules;
    void *block = size <= 0x7FFFFFFFu ? GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(size)) : nullptr;
    buffer->data = static_cast<uint8_t *>(block);
    return block != nullptr;
}

void BufferInitOn(GrowableBuffer *buffer, uint32_t granule, void *block, uint32_t capacity) {
    BufferInit(buffer, granule, 0);
    buffer->data = static_cast<uint8_t *>(block);
    buffer->borrowedCapacity = capacity;
}

void BufferRelease(GrowableBuffer *buffer) {
    if (buffer->data != nullptr && buffer->borrowedCapacity == 0) GlobalFree(buffer->data);
    buffer->data = nullptr;
    buffer->borrowedCapacity = 0;
}

GrowableBuffer *BufferCreate(uint32_t granule, uint32_t initialGranules) {
    if (granule == 0) return nullptr;
    auto *buffer = static_cast<GrowableBuffer *>(GlobalAlloc(GMEM_FIXED, sizeof(GrowableBuffer)));
    if (buffer == nullptr) return nullptr;
    if (!BufferInit(buffer, granule, initialGranules)) {
        GlobalFree(buffer);
        return nullptr;
    }
    return buffer;
}

void BufferFree(GrowableBuffer *buffer) {
    if (buffer == nullptr) return;
    BufferRelease(buffer);
    GlobalFree(buffer);
}

void BufferSeek(GrowableBuffer *buffer, int32_t offset, uint32_t origin) {
    switch (static_cast<uint8_t>(origin)) {
        case kSeekFromStart: buffer->position = static_cast<uint32_t>(offset); break;
        case kSeekFromPosition: buffer->position += static_cast<uint32_t>(offset); break;
        case kSeekFromEnd: buffer->position = buffer->length + static_cast<uint32_t>(offset); break;
        default: break;
    }
}

void *BufferRead(GrowableBuffer *buffer, uint32_t n) {
    if (buffer->position > buffer->length || n > buffer->length - buffer->position) return nullptr;
    void *at = buffer->data + buffer->position;
    buffer->position += n;
    return at;
}

int BufferWrite(GrowableBuffer *buffer, const void *source, uint32_t n) {
    if (n == 0) return 1;
    if (!EndFits(buffer->position, n) || !GrowTo(buffer, buffer->position + n)) return 0;
    memcpy(buffer->data + buffer->position, source, n);
    buffer->position += n;
    return 1;
}

int BufferInsert(GrowableBuffer *buffer, const void *source, uint32_t n) {
    if (n == 0) return 1;
    const uint32_t oldLength = buffer->length;
    if (buffer->position > oldLength) return 0;
    if (!EndFits(oldLength, n) || !GrowTo(buffer, oldLength + n)) return 0;
    uint8_t *at = buffer->data + buffer->position;
    memmove(at + n, at, oldLength - buffer->position);
    memcpy(at, source, n);
    buffer->position += n;
    return 1;
}

int BufferRemove(GrowableBuffer *buffer, uint32_t n) {
    if (buffer->position > buffer->length || n > buffer->length - buffer->position) return 0;
    uint8_t *at = buffer->data + buffer->position;
    memmove(at, at + n, buffer->length - buffer->position - n);
    buffer->length -= n;
    return 1;
}

uint32_t BufferLength(const GrowableBuffer *buffer) { return buffer->length; }

void *BufferDetach(GrowableBuffer *buffer) {
    void *block = buffer->data;
    buffer->data = nullptr;
    buffer->length = 0;
    buffer->position = 0;
    return block;
}
