// The bitmaps the library hands out: every one there, of its size and format,
// and bound to its mask pixel for pixel.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

#include "pat.h"
#include "common/library_state.h"
#include "platform/linux/resource_table.h"
#include "platform/platform.h"
#include "support/bitmap_catalogue.h"

namespace {

IndexedBitmap DecodeResource(const std::string &name) {
    IndexedBitmap bitmap;
    const void *packed = PatLoadDIBitmap(name.c_str());
    EXPECT_NE(packed, nullptr) << name << ": error " << GetLastError();
    if (const char *error = DecodePackedDib(packed, &bitmap)) ADD_FAILURE() << name << ": " << error;
    return bitmap;
}

TEST(BitmapResources, EveryBitmapAndMaskDecodesToItsSizeAndFormat) {
    for (const CatalogueBitmap *row = kBitmapCatalogue; row->name != nullptr; ++row) {
        const IndexedBitmap bitmap = DecodeResource(row->name);
        EXPECT_EQ(FormatProblems(row->width, row->height, bitmap), "") << row->name;
        if (!row->hasMask) continue;
        const std::string maskName = std::string(row->name) + "_B";
        const IndexedBitmap mask = DecodeResource(maskName);
        EXPECT_EQ(FormatProblems(row->width, row->height, mask), "") << maskName;
        EXPECT_EQ(MaskRuleProblems(*row, bitmap, mask), "") << row->name;
    }
}

TEST(BitmapResources, AllShareOneColourTable) {
    IndexedBitmap first = DecodeResource("BM_BASE");
    for (const std::string &name : CatalogueResourceNames()) {
        const IndexedBitmap bitmap = DecodeResource(name);
        EXPECT_EQ(memcmp(bitmap.colours, first.colours, sizeof first.colours), 0) << name;
    }
}

TEST(BitmapResources, LibraryHoldsExactlyTheCatalogueUnderLanguage1041) {
    std::set<std::string> held;
    for (const PlatformResourceEntry *entry = kPlatformResources; entry->data != nullptr; ++entry) {
        if (entry->typeId != 2) continue;
        ASSERT_NE(entry->name, nullptr) << "bitmaps are named by text";
        EXPECT_EQ(entry->language, 0x0411) << entry->name;
        held.insert(entry->name);
    }
    const std::vector<std::string> names = CatalogueResourceNames();
    EXPECT_EQ(names.size(), 75u);
    EXPECT_EQ(held, std::set<std::string>(names.begin(), names.end()));
}

// The lookup walks only its type's entries: the answers and errors of the
// whole table must stay.
TEST(BitmapResources, LookupFindsNamesInAnyCaseAndTellsWhatIsMissing) {
    const HMODULE module = LibraryModule();
    const HRSRC exact = FindResourceA(module, "BM_POINT_7", RT_BITMAP);
    ASSERT_NE(exact, nullptr);
    EXPECT_EQ(FindResourceA(module, "bM_pOiNt_7", RT_BITMAP), exact);
    EXPECT_NE(FindResourceA(module, "BM_POINT_7_B", RT_BITMAP), exact) << "a longer name is another name";
    EXPECT_EQ(FindResourceExA(module, RT_BITMAP, "BM_POINT_7", 0x0411), exact);
    const struct {
        LPCSTR type;
        LPCSTR name;
        WORD language;
        DWORD error;
    } misses[] = {
        {MAKEINTRESOURCEA(99), "BM_POINT_7", 0x0411, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"BITMAP", "BM_POINT_7", 0x0411, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {RT_BITMAP, "BM_POINT_", 0x0411, ERROR_RESOURCE_NAME_NOT_FOUND},
        {RT_BITMAP, "BM_POINT_7\xE9", 0x0411, ERROR_RESOURCE_NAME_NOT_FOUND},
        {RT_BITMAP, MAKEINTRESOURCEA(1), 0x0411, ERROR_RESOURCE_NAME_NOT_FOUND},
        {RT_BITMAP, "BM_POINT_7", 0x0409, ERROR_RESOURCE_LANG_NOT_FOUND},
    };
    for (const auto &miss : misses) {
        SetLastError(0);
        EXPECT_EQ(FindResourceExA(module, miss.type, miss.name, miss.language), nullptr);
        EXPECT_EQ(GetLastError(), miss.error);
    }
}

}  // namespace
