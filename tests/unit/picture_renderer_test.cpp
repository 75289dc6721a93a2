// Drawing layer lists as a host does: opaque copies, masked highlights and
// clipping at the picture's edges.
#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "pat.h"
#include "picture_renderer.h"

namespace {

IndexedBitmap Decoded(const char *name) {
    IndexedBitmap bitmap;
    const char *error = DecodePackedDib(PatLoadDIBitmap(name), &bitmap);
    EXPECT_EQ(error, nullptr) << name;
    return bitmap;
}

Rgb ColourAt(const IndexedBitmap &bitmap, int x, int y) {
    const uint32_t c = bitmap.colours[bitmap.pixels[size_t(y) * bitmap.width + x]];
    return Rgb{uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
}

PatBitmapLayer Layer(const char *name, int x, int y, uint32_t rop, uint8_t number) {
    PatBitmapLayer layer = {};
    strncpy(layer.szBitmapName, name, sizeof layer.szBitmapName - 1);
    layer.nX = x;
    layer.nY = y;
    layer.dwRop = rop;
    layer.bLayer = number;
    return layer;
}

struct LayerList {
    std::vector<PatBitmapLayer> layers;
    PatBitmapInfo list = {};
    PatBitmapInfo info = {};

    explicit LayerList(std::vector<PatBitmapLayer> l) : layers(std::move(l)) {
        list.bTag = PAT_BITMAP_INFO_LAYERS;
        list.dwCount = uint32_t(layers.size());
        list.dwElemSize = sizeof(PatBitmapLayer);
        list.pElems = layers.data();
        info.bTag = PAT_BITMAP_INFO_LAYER_LISTS;
        info.dwCount = 1;
        info.dwElemSize = sizeof(PatBitmapInfo);
        info.pElems = &list;
    }
};

// Where the highlight's mask is black the picture shows the highlight,
// elsewhere the body: worked out from the two bitmaps, not from the raster
// operations.
TEST(PictureRenderer, MaskedHighlightOverTheBodyAtAndAcrossTheEdges) {
    const IndexedBitmap base = Decoded("BM_BASE"), point = Decoded("BM_POINT_7"), mask = Decoded("BM_POINT_7_B");
    const struct {
        int x, y;
    } places[] = {{117, 49}, {-10, -5}, {300, 190}};
    for (const auto &place : places) {
        SCOPED_TRACE(testing::Message() << "at " << place.x << ", " << place.y);
        LayerList layers({Layer("BM_BASE", 0, 0, PAT_ROP_SRCCOPY, 1),
                          Layer("BM_POINT_7_B", place.x, place.y, PAT_ROP_SRCAND, 108),
                          Layer("BM_POINT_7", place.x, place.y, PAT_ROP_SRCPAINT, 108)});
        Picture picture;
        ASSERT_EQ(RenderBitmapInfo(&layers.info, PatLoadDIBitmap, &picture), nullptr);
        int differences = 0;
        for (int y = 0; y < kPictureHeight; ++y) {
            for (int x = 0; x < kPictureWidth; ++x) {
                Rgb expected = ColourAt(base, x, y);
                const int px = x - place.x, py = y - place.y;
                if (px >= 0 && py >= 0 && px < point.width && py < point.height &&
                    mask.pixels[size_t(py) * mask.width + px] == 0) {
                    expected = ColourAt(point, px, py);
                }
                differences += !(picture.pixels[size_t(y) * kPictureWidth + x] == expected);
            }
        }
        EXPECT_EQ(differences, 0);
    }
}

TEST(PictureRenderer, AndAndOrActOnEachColourBit) {
    IndexedBitmap one;
    one.width = one.height = 1;
    one.pixels = {1};
    Picture picture = BlankPicture();
    one.colours[1] = 0x0FF055;
    ASSERT_EQ(DrawBitmap(&picture, one, 0, 0, PAT_ROP_SRCAND), nullptr);
    EXPECT_TRUE(picture.pixels[0] == (Rgb{0x0F, 0xF0, 0x55}));
    one.colours[1] = 0xF000AA;
    ASSERT_EQ(DrawBitmap(&picture, one, 0, 0, PAT_ROP_SRCPAINT), nullptr);
    EXPECT_TRUE(picture.pixels[0] == (Rgb{0xFF, 0xF0, 0xFF}));
    EXPECT_TRUE(picture.pixels[1] == kPictureBackground);
}

TEST(PictureRenderer, RefusesUnknownRasterOperationsAndMissingBitmaps) {
    Picture picture;
    const PatBitmapLayer *failed = nullptr;
    LayerList patInvert({Layer("BM_BASE", 0, 0, 0x005A0049u, 1)});
    EXPECT_NE(RenderBitmapInfo(&patInvert.info, PatLoadDIBitmap, &picture, &failed), nullptr);
    LayerList missing({Layer("BM_BASE", 0, 0, PAT_ROP_SRCCOPY, 1), Layer("BM_NONE", 0, 0, PAT_ROP_SRCCOPY, 3)});
    EXPECT_NE(RenderBitmapInfo(&missing.info, PatLoadDIBitmap, &picture, &failed), nullptr);
    ASSERT_NE(failed, nullptr);
    EXPECT_STREQ(failed->szBitmapName, "BM_NONE");
}

}  // namespace
