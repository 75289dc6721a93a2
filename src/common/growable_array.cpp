#include "growable_array.h"

#include <stddef.h>
#include <string.h>

#include "platform/platform.h"

namespace {

// An array's header and its buffer's header live and die together, so they
// share one block: one allocation per array fewer, on every status call.
struct ArrayHeaders {
    GrowableArray array;
    GrowableBuffer buffer;
};
static_assert(offsetof(ArrayHeaders, array) == 0, "the array's pointer is the block's");

}  // namespace

GrowableArray *ArrayCreate(uint32_t elementSize, uint32_t elementsPerStep, uint32_t initialSteps) {
    const uint64_t granule = static_cast<uint64_t>(elementSize) * elementsPerStep;
    if (granule == 0 || granule > 0x7FFFFFFFu) return nullptr;
    auto *headers = static_cast<ArrayHeaders *>(GlobalAlloc(GMEM_FIXED, sizeof(ArrayHeaders)));
    if (headers == nullptr) return nullptr;
    if (!BufferInit(&headers->buffer, static_cast<uint32_t>(granule), initialSteps)) {
        GlobalFree(headers);
        return nullptr;
    }
    headers->array.elementSize = elementSize;
    headers->array.buffer = &headers->buffer;
    return &headers->array;
}

void ArrayInitOn(GrowableArray *array, GrowableBuffer *buffer, uint32_t elementSize, uint32_t elementsPerStep,
                 void *block, uint32_t capacity) {
    BufferInitOn(buffer, elementSize * elementsPerStep, block, capacity);
    array->elementSize = elementSize;
    array->buffer = buffer;
}

void ArrayFree(GrowableArray *array) {
    if (array == nullptr) return;
    BufferRelease(array->buffer);
    GlobalFree(array);
}

uint32_t ArrayCount(const GrowableArray *array) { return BufferLength(array->buffer) / array->elementSize; }

int ArrayAppend(GrowableArray *array, const void *element) {
    BufferSeek(array->buffer, 0, kSeekFromEnd);
    return BufferWrite(array->buffer, element, array->elementSize);
}

// Index 0 names no element: it is refused.
int ArrayInsert(GrowableArray *array, const void *element, uint32_t index) {
    if (index == 0) return 0;
    if (ArrayCount(array) < index) return ArrayAppend(array, element);
    BufferSeek(array->buffer, static_cast<int32_t>((index - 1) * array->elementSize), kSeekFromStart);
    return BufferInsert(array->buffer, element, array->elementSize);
}

void *ArrayAt(GrowableArray *array, uint32_t index) {
    if (index == 0 || index > ArrayCount(array)) return nullptr;
    BufferSeek(array->buffer, static_cast<int32_t>((index - 1) * array->elementSize), kSeekFromStart);
    return BufferRead(array->buffer, array->elementSize);
}

int ArrayGet(GrowableArray *array, uint32_t index, void *destination) {
    const void *element = ArrayAt(array, index);
    if (element == nullptr) return 0;
    memcpy(destination, element, array->elementSize);
    return 1;
}

void CursorBegin(GrowableArray *array, ArrayCursor *cursor) {
    cursor->array = array;
    cursor->visited = 0;
}

int CursorNextRef(ArrayCursor *cursor, void **out) {
    if (cursor->visited >= ArrayCount(cursor->array)) return 0;
    ++cursor->visited;
    *out = ArrayAt(cursor->array, cursor->visited);
    return *out != nullptr ? 1 : 0;
}

int CursorNext(ArrayCursor *cursor, void *destination) {
    if (cursor->visited >= ArrayCount(cursor->array)) return 0;
    ++cursor->visited;
    return ArrayGet(cursor->array, cursor->visited, destination);
}
