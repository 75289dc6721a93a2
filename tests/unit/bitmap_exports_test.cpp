// PatLoadBitmap, PatLoadDIBitmap and PatGetPalette as the host calls them:
// results and last-error values.
#include <gtest/gtest.h>

#include <string.h>

#include "common/library_state.h"
#include "pat.h"
#include "platform/platform.h"

namespace {

const uint32_t kResourceNameNotFound = 1814;

TEST(LoadBitmap, FindsABitmapAndClearsTheError) {
    SetLastError(1234);
    EXPECT_NE(PatLoadBitmap("BM_POINT_7"), nullptr);
    EXPECT_EQ(GetLastError(), 0u);
}

TEST(LoadBitmap, MissingBitmapLeavesTheLoadersOwnError) {
    // The loader's error for this name, as the host would see it from LoadBitmapA.
    SetLastError(1234);
    ASSERT_EQ(LoadBitmapA(LibraryModule(), "BM_BASE_B"), nullptr);
    const uint32_t loaderError = GetLastError();
    ASSERT_NE(loaderError, 1234u);

    SetLastError(1234);
    EXPECT_EQ(PatLoadBitmap("BM_BASE_B"), nullptr) << "BM_BASE is opaque and has no mask";
    EXPECT_EQ(GetLastError(), loaderError);
}

TEST(LoadBitmap, NullNameIsRefused) {
    SetLastError(0);
    EXPECT_EQ(PatLoadBitmap(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(LoadDIBitmap, GivesThePackedBitmapOfTheName) {
    SetLastError(1234);
    const uint8_t *packed = static_cast<const uint8_t *>(PatLoadDIBitmap("BM_POINT_7"));
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    int32_t header[3];
    memcpy(header, packed, sizeof header);
    EXPECT_EQ(header[0], 40) << "starts with the BITMAPINFOHEADER, no file header";
    EXPECT_EQ(header[1], 79);
    EXPECT_EQ(header[2], 27);
    EXPECT_EQ(PatLoadDIBitmap("bm_point_7"), packed) << "resource names ignore case";
}

TEST(LoadDIBitmap, FailuresReportTheLoadersError) {
    const struct {
        const char *name;
        uint32_t error;
    } cases[] = {
        {nullptr, 87},
        {"BM_BASE_B", kResourceNameNotFound},
        {"", kResourceNameNotFound},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name ? c.name : "(null)");
        SetLastError(1234);
        EXPECT_EQ(PatLoadDIBitmap(c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST(GetPalette, LibraryHasNoPaletteToGive) {
    const struct {
        bool withBuffer;
        bool withSize;
        uint32_t size;
        uint32_t error;
    } cases[] = {
        {false, true, 0, PAT_ERROR_NO_PALETTE},    // a size query
        {true, true, 0, PAT_ERROR_NO_PALETTE},
        {true, true, 1024, PAT_ERROR_NO_PALETTE},
        {true, false, 0, PAT_ERROR_INVALID_PARAMETER},
        {false, true, 4, PAT_ERROR_INVALID_PARAMETER},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "buffer " << c.withBuffer << " size " << c.withSize << "/" << c.size);
        uint8_t buffer[1024];
        memset(buffer, 0xAB, sizeof buffer);
        uint32_t size = c.size;
        SetLastError(0);
        EXPECT_EQ(PatGetPalette(c.withBuffer ? buffer : nullptr, c.withSize ? &size : nullptr), 0);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(size, c.size);
        EXPECT_EQ(buffer[0], 0xAB);
    }
}

}  // namespace
