// Decoding the status information tree into the merged status record.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>

#include "status/status_input.h"
#include "support/status_fixture.h"

namespace {

template <typename T>
T *Fake(uintptr_t address) {
    return reinterpret_cast<T *>(address);
}

// Every pointer field set to a distinct address the decoder never follows.
void FillRecord(PrnInfoEx &r, uintptr_t base) {
    memset(&r, 0, sizeof r);
    r.dwVersion = 404;
    r.nEngineStatus = 1, r.pEngineStatus = Fake<PatEngineStatusItem>(base + 0x00);
    r.pModelName = Fake<char>(base + 0x10), r.pMakerName = Fake<char>(base + 0x14);
    r.pDescription = Fake<char>(base + 0x18), r.pSYSVersion = Fake<char>(base + 0x1C);
    r.pMainProgVersion = Fake<char>(base + 0x20), r.pKMSVersion = Fake<char>(base + 0x24);
    r.dwMemoryKB = static_cast<uint32_t>(base), r.bModelIndex = static_cast<uint8_t>(base >> 12);
    r.nLoadedEmul = 2, r.pLoadedEmul = Fake<PatLoadedEmulItem>(base + 0x3C);
    r.nLoadedFont = 3, r.pLoadedFont = Fake<PatLoadedFontItem>(base + 0x44);
    r.nTrayInfo = 4, r.pTrayInfo = Fake<PatTrayItem>(base + 0x50);
    r.nOutBinInfo = 5, r.pOutBinInfo = Fake<PatOutBinItem>(base + 0x5C);
    r.nDeviceInfo = 6, r.pDeviceInfo = Fake<PatDeviceItem>(base + 0x64);
    r.nEmulUniqInfo = 7, r.pEmulUniqInfo = Fake<PatEmulUniqItem>(base + 0x6C);
    r.nCounterInfo = 8, r.pCounterInfo = Fake<PatCounterItem>(base + 0x8C);
    r.bState = 1, r.bNoResponse = 1, r.dwTrayWord = 0x1234;
}

PrnInfoEx Decode(uint32_t sourceType, const StatusTree &tree, uint32_t expectedResult = 0) {
    PrnInfoEx status;
    memset(&status, 0xAB, sizeof status);
    EXPECT_EQ(DecodeStatusInput(sourceType, tree.root(), &status), expectedResult);
    return status;
}

TEST(StatusInput, BaseNodeIdFollowsTheSourceType) {
    // Only the low 16 bits of a source type choose the base node.
    const struct {
        uint32_t sourceType, baseNodeId;
    } cases[] = {{0x1, PAT_NODE_STATUS_BASE_1},       {0x2, PAT_NODE_STATUS_BASE_2},
                 {0x4, PAT_NODE_STATUS_BASE_4},       {0x8, PAT_NODE_STATUS_BASE_8},
                 {0x8000, PAT_NODE_STATUS_BASE_8000}, {0x80000004u, PAT_NODE_STATUS_BASE_4}};
    for (const auto &c : cases) {
        const uint32_t sourceType = c.sourceType;
        SCOPED_TRACE(testing::Message() << std::hex << sourceType);
        PrnInfoEx records[5];
        const uint32_t ids[5] = {PAT_NODE_STATUS_BASE_1, PAT_NODE_STATUS_BASE_2, PAT_NODE_STATUS_BASE_8, PAT_NODE_STATUS_BASE_4,
                                 PAT_NODE_STATUS_BASE_8000};
        StatusTree tree;
        tree.RecordChild(PAT_TREE_STATUS_OVERRIDE, EmptyOverride());
        for (int i = 0; i < 5; ++i) {
            FillRecord(records[i], 0x100000u * (i + 1));
            tree.RecordChild(ids[i], &records[i]);
        }
        const PrnInfoEx status = Decode(sourceType, tree);
        const int index = static_cast<int>(std::find(ids, ids + 5, c.baseNodeId) - ids);
        EXPECT_EQ(status.pModelName, records[index].pModelName);
    }
}

TEST(StatusInput, FirstOfTwoBaseNodesIsUsed) {
    PrnInfoEx first, second;
    FillRecord(first, 0x100000);
    FillRecord(second, 0x200000);
    StatusTree tree;
    tree.RecordChild(1, &first).RecordChild(PAT_TREE_STATUS_OVERRIDE, EmptyOverride()).RecordChild(1, &second);
    EXPECT_EQ(Decode(1, tree).pModelName, first.pModelName);
}

TEST(StatusInput, OverrideWinsFieldByFieldWhereItHasAValue) {
    PrnInfoEx base, override;
    FillRecord(base, 0x100000);
    FillRecord(override, 0x200000);
    // Left unset: a text, and lists whose counts are set without a head.
    override.pMakerName = nullptr;
    override.pLoadedFont = nullptr;
    override.pTrayInfo = nullptr;
    StatusTree tree(1, &override, &base);
    const PrnInfoEx status = Decode(1, tree);

    EXPECT_EQ(status.pEngineStatus, override.pEngineStatus);
    EXPECT_EQ(status.pModelName, override.pModelName);
    EXPECT_EQ(status.pMakerName, base.pMakerName);
    EXPECT_EQ(status.pDescription, override.pDescription);
    EXPECT_EQ(status.pSYSVersion, override.pSYSVersion);
    EXPECT_EQ(status.pMainProgVersion, override.pMainProgVersion);
    EXPECT_EQ(status.pKMSVersion, override.pKMSVersion);
    EXPECT_EQ(status.pLoadedEmul, override.pLoadedEmul);
    EXPECT_EQ(status.nLoadedFont, base.nLoadedFont);
    EXPECT_EQ(status.pLoadedFont, base.pLoadedFont);
    EXPECT_EQ(status.nTrayInfo, base.nTrayInfo);
    EXPECT_EQ(status.pTrayInfo, base.pTrayInfo);
    EXPECT_EQ(status.pOutBinInfo, override.pOutBinInfo);
    EXPECT_EQ(status.pDeviceInfo, override.pDeviceInfo);
    EXPECT_EQ(status.pEmulUniqInfo, override.pEmulUniqInfo);
    EXPECT_EQ(status.dwMemoryKB, override.dwMemoryKB);
    EXPECT_EQ(status.bModelIndex, override.bModelIndex);
    // What the override never supplies stays the base record's.
    EXPECT_EQ(status.pCounterInfo, base.pCounterInfo);
    EXPECT_EQ(status.dwTrayWord, base.dwTrayWord);
}

TEST(StatusInput, ListsComeWithTheirCountsAndAnEmptyOverrideStillSetsMemoryAndModel) {
    PrnInfoEx base, override;
    FillRecord(base, 0x100000);
    memset(&override, 0, sizeof override);
    override.dwVersion = 404;
    override.nEmulUniqInfo = 9;
    override.pEmulUniqInfo = Fake<PatEmulUniqItem>(0x300000);
    override.nDeviceInfo = 11;  // no head: not taken
    StatusTree tree(8, &override, &base);
    const PrnInfoEx status = Decode(8, tree);
    EXPECT_EQ(status.nEmulUniqInfo, 9u);
    EXPECT_EQ(status.pEmulUniqInfo, override.pEmulUniqInfo);
    EXPECT_EQ(status.nDeviceInfo, base.nDeviceInfo);
    EXPECT_EQ(status.nEngineStatus, base.nEngineStatus);
    EXPECT_EQ(status.pModelName, base.pModelName);
    EXPECT_EQ(status.dwMemoryKB, 0u);
    EXPECT_EQ(status.bModelIndex, 0u);
}

TEST(StatusInput, RefusedTreesGive87AndWriteNothing) {
    PrnInfoEx good, old;
    FillRecord(good, 0x100000);
    FillRecord(old, 0x200000);
    old.dwVersion = 403;
    const PrnInfoEx *none = nullptr;
    const uint8_t eightBytes[8] = {};

    StatusTree wrongRoot(11);
    wrongRoot.RecordChild(2, &good).RecordChild(1, &good);
    StatusTree noOverride;
    noOverride.RecordChild(1, &good);
    StatusTree noBase;
    noBase.RecordChild(2, &good).RecordChild(3, &good);
    StatusTree longPayload;
    longPayload.Child(2, eightBytes, 8).RecordChild(1, &good);
    StatusTree shortPayload;
    shortPayload.RecordChild(2, &good).Child(1, eightBytes, 2);
    StatusTree nullOverride(1, none, &good);
    StatusTree nullBase(1, &good, none);
    StatusTree oldOverride(1, &old, &good);
    StatusTree oldBase(1, &good, &old);
    StatusTree fine(1, &good, &good);

    const struct {
        const char *name;
        uint32_t sourceType;
        const StatusTree *tree;
    } cases[] = {
        {"root id 11", 1, &wrongRoot},        {"no override node", 1, &noOverride},
        {"no base node", 1, &noBase},         {"8-byte override payload", 1, &longPayload},
        {"2-byte base payload", 1, &shortPayload}, {"null override record", 1, &nullOverride},
        {"null base record", 1, &nullBase},   {"override version 403", 1, &oldOverride},
        {"base version 403", 1, &oldBase},    {"source type 0x10", 0x10, &fine},
        {"source type 0", 0, &fine},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PrnInfoEx status = Decode(c.sourceType, *c.tree, 87);
        const uint8_t *bytes = reinterpret_cast<const uint8_t *>(&status);
        EXPECT_TRUE(std::all_of(bytes, bytes + sizeof status, [](uint8_t b) { return b == 0xAB; }));
    }
    PrnInfoEx status;
    EXPECT_EQ(DecodeStatusInput(1, nullptr, &status), 87u);
    EXPECT_EQ(DecodeStatusInput(1, fine.root(), nullptr), 87u);
    EXPECT_EQ(DecodeStatusInput(1, fine.root(), &status), 0u);
}

}  // namespace
