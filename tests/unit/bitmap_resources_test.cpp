// The bitmaps the library hands out: every one there, of its size and format,
// and bound to its mask pixel for pixel.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

#include "pat.h"
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

}  // namespace
