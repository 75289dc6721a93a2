// The RLE8 reader that tests and hosts use to see the library's bitmaps.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "packed_dib.h"

namespace {

std::vector<uint8_t> PackedDib(int32_t width, int32_t height, const std::vector<uint8_t> &rle,
                               uint32_t compression = kDibCompressionRle8) {
    std::vector<uint8_t> out(40 + 256 * 4);
    const uint32_t words[] = {40, uint32_t(width), uint32_t(height)};
    memcpy(out.data(), words, sizeof words);
    const uint16_t planesAndBits[] = {1, 8};
    memcpy(out.data() + 12, planesAndBits, sizeof planesAndBits);
    const uint32_t compressionAndSize[] = {compression, uint32_t(rle.size())};
    memcpy(out.data() + 16, compressionAndSize, sizeof compressionAndSize);
    out[40 + 4 * 7 + 2] = 0x12;  // colour 7 is red 0x12 (RGBQUAD: blue, green, red)
    for (uint8_t byte : rle) out.push_back(byte);
    return out;
}

TEST(PackedDib, RunsAndAbsoluteRunsFillRowsFromTheBottom) {
    const std::vector<uint8_t> rle = {
        2, 7, 0, 3, 1, 2, 3, 0,  // bottom row: 7 7 1 2 3, absolute run padded to a word
        0, 0,                    // end of line
        5, 9,                    // top row: 9 9 9 9 9
        0, 0, 0, 1,              // end of line, end of bitmap
    };
    IndexedBitmap bitmap;
    ASSERT_EQ(DecodePackedDib(PackedDib(5, 2, rle).data(), &bitmap), nullptr);
    EXPECT_EQ(bitmap.width, 5);
    EXPECT_EQ(bitmap.height, 2);
    EXPECT_EQ(bitmap.pixels, (std::vector<uint8_t>{9, 9, 9, 9, 9, 7, 7, 1, 2, 3}));
    EXPECT_TRUE(bitmap.everyPixelWritten);
    EXPECT_EQ(bitmap.colourCount, 256u);
    EXPECT_EQ(bitmap.colours[7], 0x120000u);
}

TEST(PackedDib, DeltaAndEarlyEndsLeaveIndexZeroAndSaySo) {
    const std::vector<uint8_t> rle = {1, 4, 0, 2, 2, 1, 1, 5, 0, 1};  // (0,0)=4, move to (3,1), 5, end
    IndexedBitmap bitmap;
    ASSERT_EQ(DecodePackedDib(PackedDib(4, 2, rle).data(), &bitmap), nullptr);
    EXPECT_EQ(bitmap.pixels, (std::vector<uint8_t>{0, 0, 0, 5, 4, 0, 0, 0}));
    EXPECT_FALSE(bitmap.everyPixelWritten);
}

TEST(PackedDib, RefusesWhatTheLoaderWouldNotRead) {
    const struct {
        const char *what;
        std::vector<uint8_t> packed;
    } cases[] = {
        {"run past the row end", PackedDib(2, 1, {3, 1, 0, 1})},
        {"absolute run past the row end", PackedDib(2, 1, {0, 3, 1, 2, 3, 0, 0, 1})},
        {"no end of bitmap", PackedDib(2, 1, {2, 1, 0, 0})},
        {"absolute run past the data", PackedDib(4, 1, {0, 4, 1, 2})},
        {"rows past the top", PackedDib(1, 1, {1, 1, 0, 0, 1, 1, 0, 1})},
        {"uncompressed", PackedDib(2, 1, {1, 2, 0, 0}, kDibCompressionRgb)},
        {"top-down", PackedDib(2, -1, {2, 1, 0, 1})},
    };
    for (const auto &c : cases) {
        IndexedBitmap bitmap;
        EXPECT_NE(DecodePackedDib(c.packed.data(), &bitmap), nullptr) << c.what;
    }
}

}  // namespace
