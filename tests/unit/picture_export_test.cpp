// PatCreateBitmapInfo through the export: whole pictures for printer states,
// refused input, and running out of memory at every allocation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pat.h"
#include "platform/linux/heap_hooks.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"
#include "support/picture_cases.h"
#include "support/status_fixture.h"

namespace {

using Lines = std::vector<std::string>;

void Describe(TestRecord *printer, const PictureCase &c) {
    for (uint32_t code : c.codes) printer->WithStatus(code);
    for (uint16_t option : c.options) printer->WithOption(option);
    if (c.noResponse) printer->NoResponse();
}

TEST(PictureExport, WholePicturesForPrinterStates) {
    for (const PictureCase &c : kPictureCases) {
        SCOPED_TRACE(c.what);
        TestRecord printer;
        Describe(&printer, c);
        StatusTree tree(c.sourceType, EmptyOverride(), &printer.record);
        SetLastError(1234);
        PatBitmapInfo *info = PatCreateBitmapInfo(c.sourceType, tree.root(), PAT_STATUS_INTERFACE_VERSION);
        ASSERT_NE(info, nullptr) << GetLastError();
        EXPECT_EQ(GetLastError(), 0u);
        EXPECT_EQ(PictureText(info), c.picture);
        EXPECT_EQ(PatDisposeBitmapInfo(info), 1);
    }
}

TEST(PictureExport, OnlyTheLowByteOfTheInterfaceVersionCounts) {
    TestRecord printer;
    printer.WithStatus(40300);
    StatusTree tree(1, EmptyOverride(), &printer.record);
    PatBitmapInfo *info = PatCreateBitmapInfo(1, tree.root(), 0x103);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(PictureText(info).size(), 3u);
    PatDisposeBitmapInfo(info);
}

TEST(PictureExport, RefusedInputGivesInvalidParameterAndLeavesNothing) {
    TestRecord printer;
    printer.WithStatus(40300);
    TestRecord oldRecord;
    oldRecord.record.dwVersion = 403;
    StatusTree tree(1, EmptyOverride(), &printer.record);
    StatusTree oldTree(1, EmptyOverride(), &oldRecord.record);
    StatusTree otherRoot(11);
    otherRoot.RecordChild(PAT_TREE_STATUS_OVERRIDE, EmptyOverride()).RecordChild(1, &printer.record);
    StatusTree noOverride;
    noOverride.RecordChild(1, &printer.record);
    const struct {
        const char *what;
        uint32_t sourceType;
        PatInfoNode *root;
        uint32_t version;
    } cases[] = {
        {"null tree", 1, nullptr, 3},
        {"interface version 2", 1, tree.root(), 2},
        {"source type 0x10", 0x10, tree.root(), 3},
        {"source type 0 with the reduced-set bit", 0x80000000u, tree.root(), 3},
        {"root id 11", 1, otherRoot.root(), 3},
        {"record version 403", 1, oldTree.root(), 3},
        {"no base node for the source type", 2, tree.root(), 3},
        {"no override node", 1, noOverride.root(), 3},
    };
    const long before = platform_heap::LiveBlocks();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_EQ(PatCreateBitmapInfo(c.sourceType, c.root, c.version), nullptr);
        EXPECT_EQ(GetLastError(), 87u);
    }
    EXPECT_EQ(platform_heap::LiveBlocks(), before);
}

bool IsSubsequence(const Lines &part, const Lines &whole) {
    size_t at = 0;
    for (const std::string &line : whole) {
        if (at < part.size() && part[at] == line) ++at;
    }
    return at == part.size();
}

// Every option and twenty codes outside the priority table of source type 2,
// all selected: more layers than one growth step of every buffer holds.
TEST(PictureExport, RunningOutOfMemoryAnywhereFailsCleanlyOrLosesOnlyLayers) {
    TestRecord printer;
    printer.WithStatuses({40300, 40340, 40341, 40343, 41100, 41200, 41300, 41400, 41500, 41000, 40015, 40261, 42009,
                          40231, 40233, 40242, 40156, 40540, 40210, 42005});
    for (uint16_t option : {102, 104, 144, 131, 37, 114, 115, 7}) printer.WithOption(option);
    StatusTree tree(2, EmptyOverride(), &printer.record);
    Lines full;
    const long allocations = SweepAllocationFailures([&](long failAt) {
        PatBitmapInfo *info = PatCreateBitmapInfo(2, tree.root(), 3);
        if (info == nullptr) {
            EXPECT_EQ(GetLastError(), 8u);
            return;
        }
        EXPECT_EQ(GetLastError(), 0u);
        const Lines picture = PictureText(info);
        if (failAt == 0) {
            full = picture;
        } else {
            EXPECT_TRUE(IsSubsequence(picture, full)) << "a picture with layers that were never collected";
        }
        EXPECT_EQ(PatDisposeBitmapInfo(info), 1);
    });
    EXPECT_GT(full.size(), 40u) << "the state no longer makes the buffers grow";
    EXPECT_GE(allocations, 7);
}

}  // namespace
