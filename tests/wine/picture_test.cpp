// The status picture through patmodel.dll, as a host draws it.
#include <gtest/gtest.h>

#include "dll_fixture.h"
#include "support/picture_cases.h"
#include "support/status_scenario.h"

namespace {

using CreateBitmapInfo = PatBitmapInfo *(WINAPI *)(uint32_t, PatInfoNode *, uint32_t);
using DisposeBitmapInfo = PatBool(WINAPI *)(PatBitmapInfo *);

void Describe(StatusScenario *printer, const PictureCase &c) {
    for (uint32_t code : c.codes) printer->WithStatus(code);
    for (uint16_t option : c.options) printer->WithOption(option);
    if (c.noResponse) printer->NoResponse();
}

TEST(Picture, WholePicturesForPrinterStates) {
    auto create = PatExport<CreateBitmapInfo>("PatCreateBitmapInfo");
    auto dispose = PatExport<DisposeBitmapInfo>("PatDisposeBitmapInfo");
    ASSERT_NE(create, nullptr);
    ASSERT_NE(dispose, nullptr);
    for (const PictureCase &c : kPictureCases) {
        SCOPED_TRACE(c.what);
        StatusScenario printer(c.sourceType);
        Describe(&printer, c);
        SetLastError(1234);
        PatBitmapInfo *info = create(c.sourceType, printer.root(), PAT_STATUS_INTERFACE_VERSION);
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
    StatusScenario printer(1, {40300});
    const struct {
        uint32_t sourceType;
        PatInfoNode *root;
        uint32_t version;
    } cases[] = {{1, nullptr, 3}, {1, printer.root(), 2}, {0x10, printer.root(), 3}, {2, printer.root(), 3}};
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
