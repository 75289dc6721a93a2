// The record conversions as a host calls them: a peripheral information
// structure built by the host goes into a record, the record is flattened
// into the basic record, and the host releases what the library hung in.
#include <gtest/gtest.h>

#include <string.h>

#include "dll_fixture.h"

namespace {

using PMInfoToPrnInfoEx = PatBool(WINAPI *)(uint32_t, const void *, uint32_t, uint32_t, PrnInfoEx *);
using PrnInfoExToPrnInfo = PatBool(WINAPI *)(const PrnInfoEx *, void *, uint32_t);

template <typename Item>
void ReleaseChain(Item *item) {
    while (item != nullptr) {
        Item *next = item->pNext;
        GlobalFree(item);
        item = next;
    }
}

void ReleaseRecord(PrnInfoEx &record) {
    ReleaseChain(record.pEngineStatus);
    ReleaseChain(record.pLoadedEmul);
    ReleaseChain(record.pLoadedFont);
    ReleaseChain(record.pTrayInfo);
    ReleaseChain(record.pOutBinInfo);
    ReleaseChain(record.pDeviceInfo);
    ReleaseChain(record.pEmulUniqInfo);
    ReleaseChain(record.pCounterInfo);
    ReleaseChain(record.pSupplyInfo);
    ReleaseChain(record.pColorCorrection);
    for (char *text : {record.pModelName, record.pMakerName, record.pDescription, record.pSYSVersion,
                       record.pMainProgVersion, record.pKMSVersion}) {
        if (text != nullptr) GlobalFree(text);
    }
    memset(&record, 0, sizeof record);
}

PatPMTrayEntryA Tray(const char *name, uint32_t first, uint32_t second, uint32_t status) {
    PatPMTrayEntryA tray;
    memset(&tray, 0, sizeof tray);
    tray.pName = name;
    tray.dwStatus = status;
    tray.dwFirstDimension = first;
    tray.dwSecondDimension = second;
    tray.dwMediaBits = 0x2;
    tray.dwTrayFlags = 0x1;
    return tray;
}

TEST(PrnInfoThroughTheDll, HostInformationBecomesARecordAndABasicRecord) {
    auto toRecord = PatExport<PMInfoToPrnInfoEx>("PatPMInfoToPrnInfoEx");
    auto toBasic = PatExport<PrnInfoExToPrnInfo>("PatPrnInfoExToPrnInfo");
    ASSERT_NE(toRecord, nullptr);
    ASSERT_NE(toBasic, nullptr);

    PatPMGeneralBlock general = {"Model 4500", "1.02", 128u << 20, 0, "Maker"};
    PatPMTrayEntryA trays[2] = {Tray("Tray 1", 210, 297, 0), Tray("Bypass Tray", 0xFFFFFFFF, 420, 0x400)};
    void *trayPointers[2] = {&trays[0], &trays[1]};
    PatPMList trayList = {2, trayPointers};
    PatPMOutBinEntry bins[1] = {{"Finisher Shift Tray", 0x1}};
    void *binPointers[1] = {&bins[0]};
    PatPMList binList = {1, binPointers};
    PatPMOptionEntry options[3] = {{835}, {850}, {839}};
    void *optionPointers[3] = {&options[0], &options[1], &options[2]};
    PatPMList optionList = {3, optionPointers};
    PatPMInfoH info;
    memset(&info, 0, sizeof info);
    info.pGeneral = &general;
    info.pTraysA = &trayList;
    info.pOutBins = &binList;
    info.pOptions = &optionList;
    info.pTraysB = static_cast<PatPMList *>(PAT_PM_ABSENT_POINTER);

    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = 404;
    SetLastError(1234);
    ASSERT_EQ(toRecord(0x8000, &info, 'h', 0x1 | 0x2 | 0x4 | 0x40 | 0x400, &record), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_STREQ(record.pModelName, "Model 4500");
    EXPECT_EQ(GlobalSize(record.pModelName), 11u);
    EXPECT_EQ(record.dwMemoryKB, 131072u);
    ASSERT_EQ(record.nTrayInfo, 2u);
    EXPECT_EQ(record.pTrayInfo->wId, 3);
    EXPECT_EQ(record.pTrayInfo->pNext->wPaperSize, 259);
    EXPECT_EQ(record.pTrayInfo->pNext->wLevel, 50);
    EXPECT_EQ(record.pOutBinInfo->wState, 2);
    EXPECT_EQ(record.nDeviceInfo, 3u);

    // Source type 1 adds the engine status to the same record.
    PatPMStatusBlock status = {0x08000081};
    PatPMEngineStatusEntry engine = {0, 40343, "Paper jam", 3};
    void *enginePointers[1] = {&engine};
    PatPMList engineList = {1, enginePointers};
    PatPMInfoD infoD;
    memset(&infoD, 0, sizeof infoD);
    infoD.pStatus = &status;
    infoD.pEngineStatus = &engineList;
    ASSERT_EQ(toRecord(1, &infoD, 'd', 0x1 | 0x2, &record), 1);
    ASSERT_EQ(record.nEngineStatus, 3u);
    EXPECT_STREQ(record.pEngineStatus->pNext->pNext->szText, "Paper jam");

    PrnInfo basic;
    memset(&basic, 0xEE, sizeof basic);
    ASSERT_EQ(toBasic(&record, &basic, 0xFFFFFFFF), 1);
    EXPECT_EQ(GetLastError(), 0u);
    const uint32_t sum = 0xFFFFFF02u + 10003u + 40343u;
    EXPECT_EQ(basic.dwStatusSummary, ((sum & 0xFFFF) << 16) | 107);
    EXPECT_EQ(basic.dwRecordSize, 2400u);
    EXPECT_STREQ(basic.szModelName, "Model 4500");
    EXPECT_STREQ(basic.szMakerName, "Maker");
    EXPECT_EQ(basic.nTray, 2u);
    EXPECT_EQ(basic.aTrayPaperSize[1].dwId, 1u);
    EXPECT_EQ(basic.aTrayPaperSize[1].dwValue, 259u);
    EXPECT_EQ(basic.aTrayMedia[0].dwValue, 2u);
    EXPECT_EQ(basic.aOutBin[0].dwId, 4u);
    EXPECT_EQ(basic.dwOutBinWord, 255u);
    EXPECT_EQ(basic.dwDuplexWord, 1u);
    EXPECT_EQ(basic.dwOption3Word, 0x00010003u);
    EXPECT_EQ(basic.dwOptionBitsB, 0x1u);
    EXPECT_EQ(basic.dwNoResponse, 1u);
    EXPECT_EQ(basic.bHasError, 1);
    EXPECT_EQ(basic.bReserved2376[23], 0);
    ReleaseRecord(record);
}

TEST(PrnInfoThroughTheDll, BadArgumentsFailWithInvalidParameter) {
    auto toRecord = PatExport<PMInfoToPrnInfoEx>("PatPMInfoToPrnInfoEx");
    auto toBasic = PatExport<PrnInfoExToPrnInfo>("PatPrnInfoExToPrnInfo");
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = 403;
    PatPMInfoH info;
    memset(&info, 0, sizeof info);
    PrnInfo basic;
    memset(&basic, 0xEE, sizeof basic);
    EXPECT_EQ(toBasic(&record, &basic, 0), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(basic.dwRecordSize, 0xEEEEEEEEu);
    record.dwVersion = 404;
    EXPECT_EQ(toRecord(0x8000, &info, 'd', 0x1, &record), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(toRecord(0x8000, nullptr, 'h', 0x1, &record), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

}  // namespace
