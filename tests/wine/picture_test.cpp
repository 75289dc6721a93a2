// The status picture through patmodel.dll, as a host draws it.
#include <gtest/gtest.h>

#include "dll_fixture.h"
#include "support/picture_cases.h"
#include "support/status_tree.h"

namespace {

using CreateBitmapInfo = PatBitmapInfo *(WINAPI *)(uint32_t, PatInfoNode *, uint32_t);
using DisposeBitmapInfo = PatBool(WINAPI *)(PatBitmapInfo *);

TEST(Picture, WholePicturesForPrinterStates) {
    auto create = PatExport<CreateBitmapInfo>("PatCreateBitmapInfo");
    auto dispose = PatExport<DisposeBitmapInfo>("PatDisposeBitmapInfo");
    ASSERT_NE(create, nullptr);
    ASSERT_NE(dispose, nullptr);
    for (const PictureCase &c : kPictureCases) {
        SCOPED_TRACE(c.what);
        HostRecord printer(c.codes, c.options, c.noResponse);
        StatusTree tree(c.sourceType, &printer.record);
        SetLastError(1234);
        PatBitmapInfo *info = create(c.sourceType, tree.Root(), PAT_STATUS_INTERFACE_VERSION);
        ASSERT_NE(info, nullptr) << GetLastError();
        EXPECT_EQ(GetLastError(), 0u);
        EXPECT_EQ(PictureText(info), c.picture);
        // The host may release the blocks itself: they are global-heap blocks.
        EXPECT_GE(GlobalSize(info), sizeof(PatBitmapInfo));
        EXPECT_GE(GlobalSize(info->pElems), sizeof(PatBitmapInfo));
        SetLastError(1234);
        EXPECT_EQ(dispose(info), 1);
        EXPECT_EQ(GetLastError(), 0u);
    }
}

TEST(Picture, RefusedArguments) {
    auto create = PatExport<CreateBitmapInfo>("PatCreateBitmapInfo");
    auto dispose = PatExport<DisposeBitmapInfo>("PatDisposeBitmapInfo");
    HostRecord printer({40300}, {});
    StatusTree tree(1, &printer.record);
    const struct {
        uint32_t sourceType;
        PatInfoNode *root;
        uint32_t version;
    } cases[] = {{1, nullptr, 3}, {1, tree.Root(), 2}, {0x10, tree.Root(), 3}, {2, tree.Root(), 3}};
    for (const auto &c : cases) {
        SetLastError(0);
        EXPECT_EQ(create(c.sourceType, c.root, c.version), nullptr) << c.sourceType << " " << c.version;
        EXPECT_EQ(GetLastError(), 87u);
    }
    SetLastError(0);
    EXPECT_EQ(dispose(nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    PatBitmapInfo unknownTag = {7, {}, 0, 16, nullptr};
    EXPECT_EQ(dispose(&unknownTag), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

}  // namespace
