// PatDisposeBitmapInfo: what it releases, and that a refused info stays whole.
#include <gtest/gtest.h>

#include "pat.h"
#include "platform/linux/heap_hooks.h"
#include "platform/platform.h"

namespace {

void *Block(uint32_t size) { return GlobalAlloc(GPTR, size); }

PatBitmapInfo *Info(uint8_t tag, uint32_t count, uint32_t elemSize, void *elems) {
    auto *info = static_cast<PatBitmapInfo *>(Block(sizeof(PatBitmapInfo)));
    info->bTag = tag;
    info->dwCount = count;
    info->dwElemSize = elemSize;
    info->pElems = elems;
    return info;
}

// A tag-201 info with `count` layer lists, each holding a block of layers.
PatBitmapInfo *InfoWithLists(uint32_t count) {
    auto *lists = static_cast<PatBitmapInfo *>(Block(count * sizeof(PatBitmapInfo)));
    for (uint32_t i = 0; i < count; ++i) {
        lists[i] = PatBitmapInfo{200, {}, 1, 48, Block(960)};
    }
    return Info(201, count, 16, lists);
}

TEST(PictureDispose, ReleasesEveryBlockOfEitherKind) {
    const long before = platform_heap::LiveBlocks();
    PatBitmapInfo *const infos[] = {
        InfoWithLists(1),
        InfoWithLists(3),
        Info(201, 0, 16, Block(16)),     // no lists, but a block for them
        Info(201, 0, 16, nullptr),       // no lists and no block
        Info(200, 2, 48, Block(960)),    // one layer list on its own
        Info(200, 0, 48, nullptr),
    };
    for (PatBitmapInfo *info : infos) {
        SetLastError(5);
        EXPECT_EQ(PatDisposeBitmapInfo(info), 1);
        EXPECT_EQ(GetLastError(), 0u);
    }
    EXPECT_EQ(platform_heap::LiveBlocks(), before);
}

TEST(PictureDispose, RefusesWithoutReleasingAnything) {
    EXPECT_EQ(PatDisposeBitmapInfo(nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);

    const long before = platform_heap::LiveBlocks();
    PatBitmapInfo *unknownTag = Info(202, 0, 16, nullptr);
    PatBitmapInfo *badElement = InfoWithLists(3);
    static_cast<PatBitmapInfo *>(badElement->pElems)[2].bTag = 201;
    PatBitmapInfo *missingElements = Info(201, 2, 16, nullptr);
    const long allocated = platform_heap::LiveBlocks() - before;
    for (PatBitmapInfo *info : {unknownTag, badElement, missingElements}) {
        SetLastError(0);
        EXPECT_EQ(PatDisposeBitmapInfo(info), 0);
        EXPECT_EQ(GetLastError(), 87u);
    }
    EXPECT_EQ(platform_heap::LiveBlocks() - before, allocated) << "a refused info was partly released";

    // Mended, the same info is released whole: nothing was freed before.
    static_cast<PatBitmapInfo *>(badElement->pElems)[2].bTag = 200;
    EXPECT_EQ(PatDisposeBitmapInfo(badElement), 1);
    GlobalFree(unknownTag);
    GlobalFree(missingElements);
    EXPECT_EQ(platform_heap::LiveBlocks(), before);
}

}  // namespace
