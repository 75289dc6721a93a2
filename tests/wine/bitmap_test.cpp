// The DLL's bitmaps through the Windows loaders: every bitmap and mask with
// its size and pixels, and status pictures drawn by GDI and by the host
// renderer pixel for pixel the same.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

#include "dll_fixture.h"
#include "gdi_picture.h"
#include "printer_states.h"
#include "status_info_tree.h"
#include "support/bitmap_catalogue.h"

namespace {

LoadBitmapFn LoadBitmapExport() { return PatExport<LoadBitmapFn>("PatLoadBitmap"); }
PackedBitmapSource LoadDibExport() { return PatExport<PackedBitmapSource>("PatLoadDIBitmap"); }

IndexedBitmap Decoded(const std::string &name) {
    IndexedBitmap bitmap;
    if (const char *error = DecodePackedDib(LoadDibExport()(name.c_str()), &bitmap)) {
        ADD_FAILURE() << name << ": " << error;
    }
    return bitmap;
}

// The decoder's colours for every pixel, to compare with what GDI made of the bitmap.
std::vector<Rgb> DecodedColours(const IndexedBitmap &bitmap) {
    std::vector<Rgb> out;
    for (uint8_t index : bitmap.pixels) {
        const uint32_t c = bitmap.colours[index];
        out.push_back(Rgb{uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    }
    return out;
}

void ExpectLoadedAsDecoded(const std::string &name, int width, int height) {
    SCOPED_TRACE(name);
    SetLastError(77);
    HBITMAP bitmap = LoadBitmapExport()(name.c_str());
    ASSERT_NE(bitmap, nullptr) << "error " << GetLastError();
    EXPECT_EQ(GetLastError(), 0u);
    BITMAP size = {};
    ASSERT_NE(GetObjectA(bitmap, sizeof size, &size), 0);
    EXPECT_EQ(size.bmWidth, width);
    EXPECT_EQ(size.bmHeight, height);
    std::vector<Rgb> pixels;
    EXPECT_TRUE(ReadBitmapPixels(bitmap, width, height, &pixels));
    EXPECT_TRUE(pixels == DecodedColours(Decoded(name))) << "GDI and the RLE8 reader disagree";
    DeleteObject(bitmap);
}

TEST(DllBitmaps, EveryBitmapLoadsWithItsSizeAndPixelsAndMaskRule) {
    for (const CatalogueBitmap *row = kBitmapCatalogue; row->name != nullptr; ++row) {
        ExpectLoadedAsDecoded(row->name, row->width, row->height);
        const IndexedBitmap bitmap = Decoded(row->name);
        EXPECT_EQ(FormatProblems(row->width, row->height, bitmap), "") << row->name;
        if (!row->hasMask) continue;
        const std::string maskName = std::string(row->name) + "_B";
        ExpectLoadedAsDecoded(maskName, row->width, row->height);
        EXPECT_EQ(MaskRuleProblems(*row, bitmap, Decoded(maskName)), "") << row->name;
    }
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::set<std::string> *>(names)->insert(name);
    return TRUE;
}

TEST(DllBitmaps, HoldsExactlyTheCatalogue) {
    std::set<std::string> held;
    EnumResourceNamesA(PatDll(), RT_BITMAP, CollectName, reinterpret_cast<LONG_PTR>(&held));
    const std::vector<std::string> names = CatalogueResourceNames();
    EXPECT_EQ(held, std::set<std::string>(names.begin(), names.end()));
}

TEST(DllBitmaps, MissingBitmapErrors) {
    SetLastError(77);
    ASSERT_EQ(LoadBitmapA(PatDll(), "BM_BASE_B"), nullptr);
    const DWORD loaderError = GetLastError();
    SetLastError(77);
    EXPECT_EQ(LoadBitmapExport()("BM_BASE_B"), nullptr);
    EXPECT_EQ(GetLastError(), loaderError) << "PatLoadBitmap leaves the loader's error";
    SetLastError(77);
    EXPECT_EQ(LoadDibExport()("BM_BASE_B"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(LoadBitmapExport()(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(DllPalette, HasNone) {
    auto getPalette = PatExport<PatBool(WINAPI *)(void *, uint32_t *)>("PatGetPalette");
    uint32_t size = 0;
    EXPECT_EQ(getPalette(nullptr, &size), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_NO_PALETTE);
    EXPECT_EQ(size, 0u);
    uint8_t buffer[8];
    EXPECT_EQ(getPalette(buffer, nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

PatBitmapLayer Layer(const char *name, int x, int y, uint32_t rop) {
    PatBitmapLayer layer = {};
    strncpy(layer.szBitmapName, name, sizeof layer.szBitmapName - 1);
    layer.nX = x;
    layer.nY = y;
    layer.dwRop = rop;
    return layer;
}

void ExpectGdiAndRendererAgree(const PatBitmapInfo *info, const std::string &what) {
    SCOPED_TRACE(what);
    Picture byGdi, byRenderer;
    ASSERT_EQ(DrawWithGdi(info, LoadBitmapExport(), &byGdi), "");
    const char *error = RenderBitmapInfo(info, LoadDibExport(), &byRenderer);
    ASSERT_EQ(error, nullptr) << error;
    int differences = 0;
    for (size_t i = 0; i < byGdi.pixels.size(); ++i) differences += !(byGdi.pixels[i] == byRenderer.pixels[i]);
    EXPECT_EQ(differences, 0);
}

TEST(DllPictures, GdiAndRendererDrawEveryRasterOperationAlike) {
    PatBitmapLayer layers[] = {
        Layer("BM_BASE", 0, 0, PAT_ROP_SRCCOPY),        Layer("BM_BANK_B", 0, 0, PAT_ROP_SRCAND),
        Layer("BM_BANK", 0, 0, PAT_ROP_SRCPAINT),       Layer("BM_POINT_7_B", 117, 49, PAT_ROP_SRCAND),
        Layer("BM_POINT_7", 117, 49, PAT_ROP_SRCPAINT), Layer("BM_POINT_13", 290, -20, PAT_ROP_SRCAND),
        Layer("BM_POWEROFF_B", 0, 0, PAT_ROP_SRCAND),   Layer("BM_POWEROFF", 0, 0, PAT_ROP_SRCPAINT),
    };
    PatBitmapInfo list = {PAT_BITMAP_INFO_LAYERS, {}, 8, sizeof(PatBitmapLayer), layers};
    PatBitmapInfo info = {PAT_BITMAP_INFO_LAYER_LISTS, {}, 1, sizeof(PatBitmapInfo), &list};
    ExpectGdiAndRendererAgree(&info, "hand-made layers");
}

TEST(DllPictures, GdiAndRendererDrawEveryPrinterStateAlike) {
    auto create = PatExport<PatBitmapInfo *(WINAPI *)(uint32_t, PatInfoNode *, uint32_t)>("PatCreateBitmapInfo");
    auto dispose = PatExport<PatBool(WINAPI *)(PatBitmapInfo *)>("PatDisposeBitmapInfo");
    for (const PrinterState *state = kPrinterStates; state->name != nullptr; ++state) {
        StateRecord record(*state);
        StatusInfoTree tree(state->sourceType, record.Get());
        PatBitmapInfo *info = create(state->sourceType, tree.Root(), PAT_STATUS_INTERFACE_VERSION);
        ASSERT_NE(info, nullptr) << state->name << ": error " << GetLastError();
        ExpectGdiAndRendererAgree(info, state->name);
        dispose(info);
    }
}

}  // namespace
