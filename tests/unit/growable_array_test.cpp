#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "common/array_of.h"
#include "common/growable_array.h"
#include "platform/linux/heap_hooks.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"

namespace {

std::vector<uint32_t> Elements(GrowableArray *array) {
    std::vector<uint32_t> out;
    ArrayCursor cursor;
    CursorBegin(array, &cursor);
    uint32_t value;
    while (CursorNext(&cursor, &value)) out.push_back(value);
    return out;
}

GrowableArray *ArrayOf(std::initializer_list<uint32_t> values) {
    GrowableArray *array = ArrayCreate(4, 20, 1);
    for (uint32_t v : values) EXPECT_EQ(ArrayAppend(array, &v), 1);
    return array;
}

TEST(GrowableBuffer, FirstWriteAllocatesWholeGranules) {
    GrowableBuffer *buffer = BufferCreate(16, 0);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->data, nullptr);
    const char text[40] = "forty bytes of payload, give or take...";
    EXPECT_EQ(BufferWrite(buffer, text, 40), 1);
    EXPECT_EQ(GlobalSize(buffer->data), 48u);  // ceil(40 / 16) granules
    EXPECT_EQ(BufferLength(buffer), 40u);
    EXPECT_EQ(buffer->position, 40u);
    BufferFree(buffer);
}

TEST(GrowableBuffer, ZeroByteWriteOrInsertChangesNothing) {
    GrowableBuffer *buffer = BufferCreate(8, 0);
    EXPECT_EQ(BufferWrite(buffer, nullptr, 0), 1);
    EXPECT_EQ(BufferInsert(buffer, nullptr, 0), 1);
    EXPECT_EQ(buffer->data, nullptr);
    EXPECT_EQ(buffer->length, 0u);
    EXPECT_EQ(buffer->position, 0u);
    BufferFree(buffer);
}

TEST(GrowableBuffer, TwentyFirstLayerRecordGrowsBlockByOneGranule) {
    GrowableBuffer *buffer = BufferCreate(960, 1);
    uint8_t record[48] = {0};
    for (int i = 0; i < 20; ++i) ASSERT_EQ(BufferWrite(buffer, record, 48), 1);
    const void *before = buffer->data;
    EXPECT_EQ(GlobalSize(buffer->data), 960u);
    EXPECT_EQ(buffer->data, before);
    ASSERT_EQ(BufferWrite(buffer, record, 48), 1);
    EXPECT_EQ(GlobalSize(buffer->data), 1920u);
    BufferFree(buffer);
}

TEST(GrowableBuffer, ReadPastLengthGivesNoneAndKeepsPosition) {
    GrowableBuffer *buffer = BufferCreate(8, 1);
    const uint8_t bytes[6] = {1, 2, 3, 4, 5, 6};
    BufferWrite(buffer, bytes, 6);
    BufferSeek(buffer, 4, kSeekFromStart);
    EXPECT_EQ(BufferRead(buffer, 3), nullptr);
    EXPECT_EQ(buffer->position, 4u);
    const uint8_t *two = static_cast<uint8_t *>(BufferRead(buffer, 2));
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two[0], 5);
    BufferSeek(buffer, -2, kSeekFromEnd);
    EXPECT_EQ(buffer->position, 4u);
    BufferSeek(buffer, -1, kSeekFromPosition);
    EXPECT_EQ(buffer->position, 3u);
    BufferSeek(buffer, 0, 0x104);  // unknown origin: position unchanged
    EXPECT_EQ(buffer->position, 3u);
    BufferSeek(buffer, 0, 0x101);  // only the low byte counts
    EXPECT_EQ(buffer->position, 0u);
    BufferFree(buffer);
}

TEST(GrowableBuffer, WalkRemovingMatchesRemovesConsecutiveRecords) {
    GrowableBuffer *buffer = BufferCreate(4 * 8, 1);
    for (uint32_t v : {1u, 7u, 7u, 2u, 7u}) BufferWrite(buffer, &v, 4);
    BufferSeek(buffer, 0, kSeekFromStart);
    while (const uint32_t *record = static_cast<uint32_t *>(BufferRead(buffer, 4))) {
        if (*record == 7) {
            BufferSeek(buffer, -4, kSeekFromPosition);
            ASSERT_EQ(BufferRemove(buffer, 4), 1);
        }
    }
    ASSERT_EQ(BufferLength(buffer), 8u);
    const uint32_t *left = reinterpret_cast<uint32_t *>(buffer->data);
    EXPECT_EQ(left[0], 1u);
    EXPECT_EQ(left[1], 2u);
    BufferSeek(buffer, 6, kSeekFromStart);
    EXPECT_EQ(BufferRemove(buffer, 4), 0);
    EXPECT_EQ(BufferLength(buffer), 8u);
    BufferFree(buffer);
}

TEST(GrowableBuffer, DetachHandsOverBlockAndLeavesEmptyBuffer) {
    GrowableBuffer *buffer = BufferCreate(8, 1);
    const uint32_t v = 42;
    BufferWrite(buffer, &v, 4);
    void *block = BufferDetach(buffer);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(BufferLength(buffer), 0u);
    EXPECT_EQ(buffer->granule, 8u);
    BufferFree(buffer);  // releases only the header
    EXPECT_EQ(*static_cast<uint32_t *>(block), 42u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GrowableBuffer, FailedGrowthLeavesBufferAsItWas) {
    const uint32_t first = 1, second = 2;
    SweepAllocationFailures([&](long failAt) {
        GrowableBuffer *buffer = BufferCreate(4, 0);
        if (buffer == nullptr) return;
        if (!BufferWrite(buffer, &first, 4)) {
            EXPECT_EQ(buffer->data, nullptr);
            BufferFree(buffer);
            return;
        }
        const uint8_t *blockBefore = buffer->data;
        if (!BufferWrite(buffer, &second, 4)) {
            EXPECT_EQ(BufferLength(buffer), 4u);
            EXPECT_EQ(buffer->position, 4u);
            EXPECT_EQ(buffer->data, blockBefore);
            EXPECT_EQ(*reinterpret_cast<uint32_t *>(buffer->data), first);
        } else {
            EXPECT_EQ(BufferLength(buffer), 8u);
        }
        BufferFree(buffer);
    });
}

struct InsertCase {
    uint32_t index;
    std::vector<uint32_t> expected;
};

TEST(GrowableArray, InsertPlacesNewElementAtIndex) {
    const InsertCase cases[] = {
        {1, {99, 1, 2, 3}}, {2, {1, 99, 2, 3}}, {3, {1, 2, 99, 3}}, {4, {1, 2, 3, 99}}, {100, {1, 2, 3, 99}},
    };
    for (const InsertCase &c : cases) {
        SCOPED_TRACE(c.index);
        GrowableArray *array = ArrayOf({1, 2, 3});
        const uint32_t v = 99;
        EXPECT_EQ(ArrayInsert(array, &v, c.index), 1);
        EXPECT_EQ(Elements(array), c.expected);
        ArrayFree(array);
    }
}

TEST(GrowableArray, IndexOutsideCountGivesNone) {
    GrowableArray *array = ArrayOf({5, 6});
    uint32_t out = 77;
    EXPECT_EQ(ArrayAt(array, 3), nullptr);
    EXPECT_EQ(ArrayGet(array, 3, &out), 0);
    EXPECT_EQ(ArrayAt(array, 0), nullptr);
    EXPECT_EQ(ArrayInsert(array, &out, 0), 0);
    EXPECT_EQ(out, 77u);
    EXPECT_EQ(ArrayGet(array, 2, &out), 1);
    EXPECT_EQ(out, 6u);
    EXPECT_EQ(ArrayCount(array), 2u);
    ArrayFree(array);
}

TEST(GrowableArray, CursorOnEmptyArrayEndsAtOnce) {
    GrowableArray *array = ArrayCreate(4, 20, 0);
    ArrayCursor cursor;
    CursorBegin(array, &cursor);
    uint32_t out;
    void *ref = &out;
    EXPECT_EQ(CursorNext(&cursor, &out), 0);
    EXPECT_EQ(CursorNextRef(&cursor, &ref), 0);
    EXPECT_EQ(ref, &out);  // untouched at the end
    ArrayFree(array);
}

TEST(GrowableArray, CursorSeesElementsAppendedDuringTheWalk) {
    GrowableArray *array = ArrayOf({1});
    ArrayCursor cursor;
    CursorBegin(array, &cursor);
    void *ref;
    std::vector<uint32_t> seen;
    while (CursorNextRef(&cursor, &ref)) {
        const uint32_t v = *static_cast<uint32_t *>(ref);
        seen.push_back(v);
        if (v < 3) {
            const uint32_t next = v + 1;
            ArrayAppend(array, &next);
        }
    }
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
    ArrayFree(array);
}

TEST(GrowableArray, GrowsPastInitialStepsAndSurvivesFailures) {
    SweepAllocationFailures([](long failAt) {
        GrowableArray *array = ArrayCreate(4, 2, 1);
        if (array == nullptr) {
            EXPECT_NE(failAt, 0);
            return;
        }
        uint32_t appended = 0;
        for (uint32_t v = 0; v < 7; ++v) appended += ArrayAppend(array, &v);
        EXPECT_EQ(ArrayCount(array), appended);
        if (failAt == 0) EXPECT_EQ(Elements(array), (std::vector<uint32_t>{0, 1, 2, 3, 4, 5, 6}));
        ArrayFree(array);
    });
}

// An array on its owner's stack: nothing from the heap while its room lasts,
// then its elements move to a heap block and grow from there; a failed move
// or growth only leaves the new element out.
TEST(LocalArrayOf, MovesToTheHeapWhenItOutgrowsItsRoom) {
    SweepAllocationFailures([](long failAt) {
        LocalArrayOf<uint32_t, 2> array(2);
        std::vector<uint32_t> appended;
        for (uint32_t v = 10; v < 17; ++v) {
            const long before = platform_heap::AllocationsAttempted();
            if (array.Append(v)) appended.push_back(v);
            if (v < 12) EXPECT_EQ(platform_heap::AllocationsAttempted(), before) << "within its room";
        }
        std::vector<uint32_t> held;
        array.ForEach([&](uint32_t v) { held.push_back(v); });
        EXPECT_EQ(held, appended);
        if (failAt == 0) EXPECT_EQ(appended.size(), 7u);
    });
}

}  // namespace
