// The logical palette written from a palette table that has entries, as a
// library with a palette would hand it out.
#include <gtest/gtest.h>

#include <string.h>

#include "pat.h"
#include "picture/palette.h"

namespace {

const PaletteEntry kTwoEntries[] = {
    {10, 20, 30, 0},
    {200, 100, 50, 4},
    {0, 0, 0, kPaletteEndFlags},
};

TEST(LogicalPalette, TooSmallABufferGetsTheNeededSize) {
    uint8_t buffer[16];
    memset(buffer, 0xAB, sizeof buffer);
    uint32_t size = 11;
    EXPECT_EQ(WriteLogicalPalette(kTwoEntries, buffer, &size), PAT_ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(size, 12u);
    EXPECT_EQ(buffer[0], 0xAB);
}

TEST(LogicalPalette, WritesVersionCountAndEntriesAndKeepsTheSize) {
    // One byte in, to show the buffer need not be aligned.
    uint8_t buffer[1 + 16];
    memset(buffer, 0xAB, sizeof buffer);
    uint32_t size = 16;
    ASSERT_EQ(WriteLogicalPalette(kTwoEntries, buffer + 1, &size), 0u);
    EXPECT_EQ(size, 16u);
    const uint8_t expected[12] = {0x00, 0x03, 2, 0, 10, 20, 30, 0, 200, 100, 50, 4};
    EXPECT_EQ(memcmp(buffer + 1, expected, sizeof expected), 0);
    EXPECT_EQ(buffer[13], 0xAB) << "nothing written past the palette";
}

TEST(LogicalPalette, EmptyTableIsNoPaletteEvenForASizeQuery) {
    const PaletteEntry empty[] = {{0, 0, 0, kPaletteEndFlags}};
    uint32_t size = 0;
    EXPECT_EQ(WriteLogicalPalette(empty, nullptr, &size), PAT_ERROR_NO_PALETTE);
    EXPECT_EQ(size, 0u);
}

}  // namespace
