// The host's record in the 64-bit layout has padding between its 32-bit
// numbers and its pointers; it belongs to the host and the library never
// writes it.  In the 32-bit layout the fields cover the record exactly.
#include <gtest/gtest.h>

#include <stddef.h>
#include <string.h>

#include <vector>

#include "pat.h"
#include "support/pjl_texts.h"
#include "support/record_fixture.h"
#include "support/reply_tree.h"

namespace {

#define FIELD(name) {offsetof(PrnInfoEx, name), sizeof(PrnInfoEx::name)}
const struct {
    size_t offset, size;
} kRecordFields[] = {
    FIELD(dwVersion),     FIELD(bReserved04),    FIELD(nEngineStatus),  FIELD(pEngineStatus),
    FIELD(pModelName),    FIELD(pMakerName),     FIELD(pDescription),   FIELD(pSYSVersion),
    FIELD(pMainProgVersion), FIELD(pKMSVersion), FIELD(dwMemoryKB),     FIELD(bState),
    FIELD(bModelIndex),   FIELD(bStateNotOne),   FIELD(bHasError),      FIELD(bStatusBit22),
    FIELD(bNoResponse),   FIELD(bReserved32),    FIELD(dwEmulWord),     FIELD(nLoadedEmul),
    FIELD(pLoadedEmul),   FIELD(nLoadedFont),    FIELD(pLoadedFont),    FIELD(dwTrayWord),
    FIELD(nTrayInfo),     FIELD(pTrayInfo),      FIELD(dwOutBinWord),   FIELD(nOutBinInfo),
    FIELD(pOutBinInfo),   FIELD(nDeviceInfo),    FIELD(pDeviceInfo),    FIELD(nEmulUniqInfo),
    FIELD(pEmulUniqInfo), FIELD(bReserved70),    FIELD(nCounterInfo),   FIELD(pCounterInfo),
    FIELD(nSupplyInfo),   FIELD(pSupplyInfo),    FIELD(nColorCorrection), FIELD(pColorCorrection),
};
#undef FIELD

// Offsets of the record's bytes that no field covers.
std::vector<size_t> PaddingOffsets() {
    std::vector<bool> covered(sizeof(PrnInfoEx), false);
    for (const auto &field : kRecordFields) {
        for (size_t i = 0; i < field.size; ++i) covered[field.offset + i] = true;
    }
    std::vector<size_t> padding;
    for (size_t i = 0; i < covered.size(); ++i) {
        if (!covered[i]) padding.push_back(i);
    }
    return padding;
}

constexpr uint8_t kHostPadding = 0xA5;

TEST(RecordPadding, ThirtyTwoBitLayoutHasNoneAndSixtyFourBitPaddingIsLeftAlone) {
    const std::vector<size_t> padding = PaddingOffsets();
    if (!PAT_64BIT_LAYOUT) {
        EXPECT_TRUE(padding.empty());
        return;
    }
    ASSERT_FALSE(padding.empty());
    PrnInfoEx record = MakeRecord();
    auto *bytes = reinterpret_cast<uint8_t *>(&record);
    for (size_t offset : padding) bytes[offset] = kHostPadding;

    PrnInfoEx asked = MakeRecord();
    PatInfoNode *tree = MakeReplyTree(PatCreateQueryInfo(&asked, 2, kFullQueryFlags), kFullReplyText, kFullDeviceId);
    EXPECT_EQ(PatSetCentroDataTo(tree, 0, &record, 2), 1);
    FreeTestTree(tree);
    ReleaseRecord(&asked);

    PatPMStatusBlock status = {0x00000081};
    PatPMEngineStatusEntry jam = {0, 42001, "Paper Misfeed", 3};
    void *entries[] = {&jam};
    PatPMList engineStatus = {1, entries};
    PatPMInfoD info = {};
    info.pStatus = &status;
    info.pEngineStatus = &engineStatus;
    EXPECT_EQ(PatPMInfoToPrnInfoEx(PAT_SOURCE_1, &info, 'd', PAT_PM_FLAG_STATUS | PAT_PM_FLAG_ENGINE, &record), 1);

    ASSERT_NE(record.pTrayInfo, nullptr);  // the calls did write the record
    for (size_t offset : padding) EXPECT_EQ(bytes[offset], kHostPadding) << "offset " << offset;
    ReleaseRecord(&record);
}

}  // namespace
