// PatPMInfoToPrnInfoEx through the export: argument checks, each step's
// translation, step order and flags, and what a failing step leaves behind.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "pat.h"
#include "platform/linux/heap_hooks.h"
#include "platform/platform.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"
#include "support/alloc_sweep.h"
#include "support/record_fixture.h"

namespace {

PatPMList *const kAbsentList = static_cast<PatPMList *>(PAT_PM_ABSENT_POINTER);
const char *const kAbsentText = static_cast<const char *>(PAT_PM_ABSENT_POINTER);
constexpr uint32_t kAbsent = PAT_PM_ABSENT;

// A host list over entries the test owns.
template <typename Entry>
struct HostList {
    std::vector<Entry> entries;
    std::vector<void *> pointers;
    PatPMList list{};

    PatPMList *Build() {
        pointers.clear();
        for (Entry &e : entries) pointers.push_back(&e);
        list.nEntries = static_cast<uint32_t>(pointers.size());
        list.ppEntries = pointers.data();
        return &list;
    }
};

std::vector<uint32_t> EngineCodes(const PrnInfoEx &record) {
    std::vector<uint32_t> codes;
    for (const PatEngineStatusItem *item = record.pEngineStatus; item != nullptr; item = item->pNext) {
        codes.push_back(item->dwStatusCode);
        EXPECT_EQ(item->wId, static_cast<uint16_t>(item->dwStatusCode));
    }
    return codes;
}

template <typename Item>
std::vector<const Item *> Items(const Item *first) {
    std::vector<const Item *> items;
    for (; first != nullptr; first = first->pNext) items.push_back(first);
    return items;
}

PatPMTrayEntryA TrayA(const char *name, uint32_t first, uint32_t second) {
    PatPMTrayEntryA tray;
    memset(&tray, 0, sizeof tray);
    tray.pName = name;
    tray.dwStatus = 0;
    tray.dwFirstDimension = first;
    tray.dwSecondDimension = second;
    tray.pMediaName = nullptr;
    tray.dwMediaBits = 0x1;
    tray.pExtendedMediaBits = nullptr;
    tray.dwTrayFlags = 0;
    return tray;
}

PatPMTrayEntryB TrayB(const char *name, uint32_t first, uint32_t second) {
    PatPMTrayEntryB tray;
    memset(&tray, 0, sizeof tray);
    tray.pName = name;
    tray.dwFirstDimension = first;
    tray.dwSecondDimension = second;
    tray.dwMediaBits = 0x1;
    return tray;
}

class PMInfoConversion : public testing::Test {
protected:
    PrnInfoEx record = MakeRecord();
    void TearDown() override {
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    }
    PatBool Convert(uint32_t source, const void *info, char letter, uint32_t flags) {
        return PatPMInfoToPrnInfoEx(source, info, static_cast<uint8_t>(letter), flags, &record);
    }
};

// ---- Arguments ---------------------------------------------------------

TEST_F(PMInfoConversion, RefusesBadArgumentsWithoutTouchingTheRecord) {
    PatPMStatusBlock status{0x08000001};
    PatPMInfoH info{};
    PatPMInfoD infoD{};
    infoD.pStatus = &status;
    struct Case {
        uint32_t source;
        const void *info;
        uint32_t letter;
        uint32_t version;
    };
    const Case cases[] = {
        {0x8000, &info, 'd', 404},          // letter of another source type
        {0x1, &infoD, 'D', 404},            // letters are exact
        {0x2, &infoD, 'f', 404},            // 'f' belongs to source type 8
        {0x4, &infoD, 'e', 404},
        {0x1, nullptr, 'd', 404},
        {0x1, kAbsentList, 'd', 404},
        {0x10, &infoD, 'd', 404},
        {0x0, &infoD, 'd', 404},
        {0x1, &infoD, 'd', 403},
        {0x1, &infoD, 'd', 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "source " << c.source << " letter " << c.letter << " version " << c.version);
        record.dwVersion = c.version;
        const PrnInfoEx before = record;
        SetLastError(0);
        EXPECT_EQ(PatPMInfoToPrnInfoEx(c.source, c.info, c.letter, 0xFFFFFFFF, &record), 0);
        EXPECT_EQ(GetLastError(), 87u);
        EXPECT_EQ(memcmp(&record, &before, sizeof record), 0);
    }
    EXPECT_EQ(PatPMInfoToPrnInfoEx(1, &infoD, 'd', 1, nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST_F(PMInfoConversion, AcceptsEachSourceTypeWithItsLetterInTheLowByte) {
    PatPMInfoE info{};
    PatPMInfoH infoH{};
    PatPMInfoD infoD{};
    const struct {
        uint32_t source;
        const void *info;
        uint32_t letter;
    } cases[] = {{1, &infoD, 'd'}, {2, &info, 'e'}, {4, &info, 'g'}, {8, &info, 'f'},
                 {0x8000, &infoH, 'h'}, {0x80000002u, &info, 0x1200u | 'e'}};
    for (const auto &c : cases) {
        SetLastError(1234);
        EXPECT_EQ(PatPMInfoToPrnInfoEx(c.source, c.info, c.letter, 0, &record), 1) << c.source;
        EXPECT_EQ(GetLastError(), 0u);
    }
}

// ---- Status words, status bits and engine status ------------------------

TEST_F(PMInfoConversion, StatusWordSetsStateBytesAndAddsCodesInTableOrder) {
    PatPMStatusBlock status{0x08400080};
    PatPMInfoD info{};
    info.pStatus = &status;

    ASSERT_EQ(Convert(0x80000001u, &info, 'd', PAT_PM_FLAG_STATUS), 1);
    EXPECT_EQ(record.bState, 0);
    EXPECT_EQ(record.bStateNotOne, 1);
    EXPECT_EQ(record.bNoResponse, 1);
    EXPECT_EQ(record.bStatusBit22, 1);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{PAT_NO_RESPONSE_CODE}));

    status.dwStatus = 0x08400081;
    ASSERT_EQ(Convert(0x1, &info, 'd', PAT_PM_FLAG_STATUS), 1);  // clears what the first call added
    EXPECT_EQ(record.bState, 1);
    EXPECT_EQ(record.bStateNotOne, 0);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{PAT_NO_RESPONSE_CODE, 10003, 10023}));
}

TEST_F(PMInfoConversion, StatusBitsPerSourceType) {
    struct Case {
        uint32_t source;
        char letter;
        uint32_t word;
        std::vector<uint32_t> codes;
    };
    const Case cases[] = {
        {0x8, 'f', 0x00200000, {510023}},
        {0x8, 'f', 0x0800000C, {PAT_NO_RESPONSE_CODE, 10003, 510023}},
        {0x80000008u, 'f', 0x0800000C, {PAT_NO_RESPONSE_CODE}},
        {0x4, 'g', 0x00000004, {610023}},
        {0x4, 'g', 0x00000080, {}},  // a bit that belongs to source type 1 only
        {0x2, 'e', 0x00000100, {410023}},
        {0x2, 'e', 0x00000008, {}},
        {0x2, 'e', kAbsent, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.source << " word " << c.word);
        PatPMStatusBlock status{c.word};
        PatPMInfoE info{&status, nullptr};
        ReleaseRecord(&record);
        ASSERT_EQ(Convert(c.source, &info, c.letter, PAT_PM_FLAG_STATUS), 1);
        EXPECT_EQ(EngineCodes(record), c.codes);
        EXPECT_EQ(record.bState, 0);  // only source type 1 reads the state bits
    }
}

TEST_F(PMInfoConversion, EngineStatusEntriesBecomeItemsWithTextAndErrorFlag) {
    const std::string longText(300, 'x');
    HostList<PatPMEngineStatusEntry> list;
    list.entries = {{0, 10001, "ready", 1}, {0, 70000, kAbsentText, 2}, {0, 40343, longText.c_str(), 3}};
    PatPMInfoD info{};
    info.pEngineStatus = list.Build();

    record.bHasError = 1;
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{10001, 70000, 40343}));
    auto items = Items(record.pEngineStatus);
    EXPECT_STREQ(items[0]->szText, "ready");
    EXPECT_EQ(items[1]->wId, 70000 - 65536);
    EXPECT_STREQ(items[1]->szText, "");
    EXPECT_EQ(strlen(items[2]->szText), 255u);
    EXPECT_EQ(record.bHasError, 1);  // severity 3

    list.entries = {{0, 10001, nullptr, 1}};
    info.pEngineStatus = list.Build();
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(record.bHasError, 0);
    list.entries = {{0, 10001, nullptr, kAbsent}};
    info.pEngineStatus = list.Build();
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(record.bHasError, 1);  // an absent severity counts as an error
}

TEST_F(PMInfoConversion, SourcesTwoFourEightAddToTheEngineStatusTheyFind) {
    AddEngineStatus(&record, 40343);
    HostList<PatPMEngineStatusEntry> list;
    list.entries = {{0, 10003, nullptr, 0}};
    PatPMInfoE info{nullptr, list.Build()};
    ASSERT_EQ(Convert(4, &info, 'g', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{40343, 10003}));
}

TEST_F(PMInfoConversion, DefaultStatusOnlyWhenTheEngineStatusIsStillEmpty) {
    PatPMList empty{0, nullptr};
    void *none[1] = {nullptr};
    PatPMList zero{0, none};
    PatPMList absentCount{kAbsent, none};
    PatPMList *const absentLists[] = {nullptr, kAbsentList, &empty, &absentCount, &zero};
    for (PatPMList *list : absentLists) {
        ReleaseRecord(&record);
        PatPMInfoE info{nullptr, list};
        ASSERT_EQ(Convert(2, &info, 'e', PAT_PM_FLAG_ENGINE), 1);
        EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{10001}));
    }
    // Source type 1 clears first, then falls back to the default as well.
    PatPMInfoD infoD{};
    ASSERT_EQ(Convert(1, &infoD, 'd', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{10001}));
    // Without flag 0x2 there is no default.
    ReleaseRecord(&record);
    ASSERT_EQ(Convert(2, &infoD, 'e', PAT_PM_FLAG_STATUS), 1);
    EXPECT_EQ(record.nEngineStatus, 0u);
    // Source type 0x8000 never gets one.
    PatPMInfoH infoH{};
    ASSERT_EQ(Convert(0x8000, &infoH, 'h', 0xFFFFFFFF), 1);
    EXPECT_EQ(record.nEngineStatus, 0u);
}

TEST_F(PMInfoConversion, NullEntryPointersAreSkipped) {
    PatPMEngineStatusEntry entry{0, 10003, nullptr, 0};
    void *pointers[] = {nullptr, &entry, PAT_PM_ABSENT_POINTER};
    PatPMList list{3, pointers};
    PatPMInfoE info{nullptr, &list};
    ASSERT_EQ(Convert(8, &info, 'f', PAT_PM_FLAG_ENGINE), 1);
    EXPECT_EQ(EngineCodes(record), (std::vector<uint32_t>{10003}));
}

// ---- Emulations and fonts ----------------------------------------------

TEST_F(PMInfoConversion, EmulationsGetIdsVersionsAndTheTwoVersionTexts) {
    HostList<PatPMEmulationEntry> list;
    list.entries = {
        {0, "4.10", "MOXI"},
        {0, "3010.104", "Adobe PostScript 3"},
        {0, "1.0", "ZEMA"},
        {0, "2.0", "moxi"},
        {0, kAbsentText, "PCL 6 Emulation"},
        {0, "123456789012345678901", nullptr},
    };
    record.dwEmulWord = 77;
    PatPMInfoD info{};
    info.pEmulations = list.Build();
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_EMUL_BINS), 1);

    auto items = Items(record.pLoadedEmul);
    ASSERT_EQ(items.size(), 6u);
    const uint16_t ids[] = {1, 2, 15, 0, 17, 0};
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i]->wId, ids[i]) << i;
    EXPECT_STREQ(items[1]->szVersion, "3010.104");
    EXPECT_STREQ(items[4]->szVersion, "");
    EXPECT_STREQ(items[5]->szVersion, "12345678901234567");  // cut to the field
    EXPECT_STREQ(record.pMainProgVersion, "4.10");
    EXPECT_STREQ(record.pKMSVersion, "3010.104");
    EXPECT_EQ(record.dwEmulWord, 0u);
    EXPECT_EQ(record.nEngineStatus, 0u);  // flag 0x4 alone leaves the engine status

    // A second conversion replaces the list rather than adding to it.
    list.entries = {{0, "1.0", "ZEMA"}};
    info.pEmulations = list.Build();
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_EMUL_BINS), 1);
    EXPECT_EQ(record.nLoadedEmul, 1u);
    EXPECT_STREQ(record.pMainProgVersion, "4.10");  // ZEMA sets neither text
}

TEST_F(PMInfoConversion, FontsAreReplacedWithIdZero) {
    HostList<PatPMFontEntry> list;
    list.entries = {{"Courier"}, {kAbsentText}};
    PatPMInfoD info{};
    info.pFonts = list.Build();
    AddTestItem(&record.pLoadedFont, &record.nLoadedFont, 99);
    ASSERT_EQ(Convert(1, &info, 'd', PAT_PM_FLAG_FONTS), 1);
    auto items = Items(record.pLoadedFont);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->wId, 0);
    EXPECT_EQ(items[0]->dwSize, PAT_LOADED_FONT_ITEM_SIZE);
}

// ---- General block -------------------------------------------------------

TEST_F(PMInfoConversion, GeneralBlockSetsIdentityMemoryAndEmptiesTheDescription) {
    PatPMGeneralBlock general{"Model 4500", "1.02", 67108864, 0, "Maker"};
    PatPMInfoH info{};
    info.pGeneral = &general;
    SetStringItem(&record, RecordText::kDescription, "old description");
    record.bModelIndex = 3;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_STATUS), 1);
    EXPECT_STREQ(record.pModelName, "Model 4500");
    EXPECT_STREQ(record.pSYSVersion, "1.02");
    EXPECT_STREQ(record.pMakerName, "Maker");
    EXPECT_EQ(record.pDescription, nullptr);
    EXPECT_EQ(record.dwMemoryKB, 65536u);
    EXPECT_EQ(record.bModelIndex, 255);

    PatPMGeneralBlock sparse{nullptr, kAbsentText, kAbsent, 0, nullptr};
    info.pGeneral = &sparse;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_STATUS), 1);
    EXPECT_STREQ(record.pModelName, "Model 4500");
    EXPECT_STREQ(record.pSYSVersion, "1.02");
    EXPECT_EQ(record.dwMemoryKB, 65536u);

    sparse.dwMemoryBytes = 2047;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_STATUS), 1);
    EXPECT_EQ(record.dwMemoryKB, 1u);
}

// ---- Trays ------------------------------------------------------------------

TEST(PaperSize, DimensionsMatchWithinTwoMillimetres) {
    struct Case {
        uint32_t first;
        uint32_t second;
        uint32_t code;
    };
    const Case cases[] = {
        {210, 297, 8},   {211, 296, 8},   {212, 299, 8},   {213, 296, 2},   {210, 300, 2},
        {297, 210, 9},   {148, 100, 34},  {1189, 841, 90}, {558, 431, 75},  {kAbsent, 420, 259},
        {kAbsent, 421, 259}, {kAbsent, 257, 273}, {kAbsent, 841, 257}, {210, kAbsent, 41},
        {kAbsent, kAbsent, 41}, {kAbsent, 100, 2}, {0, 0, 2},       {1, 1, 2},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PaperSizeCode(c.first, c.second), c.code) << c.first << " x " << c.second;
    }
}

TEST_F(PMInfoConversion, TrayNamesSizesLevelsAndFlags) {
    struct Case {
        const char *name;
        uint32_t status;
        uint32_t flags;
        uint16_t id;
        uint16_t paperSize;
        uint16_t level;
        uint32_t storedFlags;
    };
    const Case cases[] = {
        {"Tray 1", 0x0000, 0x0, 3, 8, 100, 0x0},
        {"Tray 2", kAbsent, 0x1, 4, 8, 100, 0x1},
        {"tray 1", 0x0312, 0x101, 0, 2, 0, 0x1},  // 0x100: size not reported; cleared in layout A
        {"Tray 3 (LCT)", 0x0300, kAbsent, 11, 8, 10, kAbsent},
        {"Bypass Tray", 0x0200, 0x0, 1, 8, 25, 0x0},
        {kAbsentText, 0x0C00, 0x0, 0, 8, 50, 0x0},
        {nullptr, 0x0800, 0x0, 0, 8, 75, 0x0},
        {"Tray 4", 0x0010, 0x0, 6, 8, 0, 0x0},
        {"Tray 3", 0x1000, 0x0, 5, 8, 100, 0x0},
    };
    HostList<PatPMTrayEntryA> list;
    for (const Case &c : cases) {
        PatPMTrayEntryA tray = TrayA(c.name, 210, 297);
        tray.dwStatus = c.status;
        tray.dwTrayFlags = c.flags;
        list.entries.push_back(tray);
    }
    PatPMInfoH info{};
    info.pTraysA = list.Build();
    record.dwTrayWord = 5;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_ENGINE), 1);
    auto items = Items(record.pTrayInfo);
    ASSERT_EQ(items.size(), std::size(cases));
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i]->wId, cases[i].id);
        EXPECT_EQ(items[i]->wPaperSize, cases[i].paperSize);
        EXPECT_EQ(items[i]->wLevel, cases[i].level);
        EXPECT_EQ(items[i]->dwFlags, cases[i].storedFlags);
        EXPECT_EQ(items[i]->wMediaType, 1);
    }
    EXPECT_EQ(record.dwTrayWord, 0u);
}

TEST_F(PMInfoConversion, TrayMediaTypes) {
    const uint32_t yellow = 0x2;
    const uint32_t unknownExtended = 0x1;
    struct Case {
        uint32_t bits;
        const uint32_t *extended;
        uint16_t layoutA;
        uint16_t layoutB;
    };
    const Case cases[] = {
        {0x1, nullptr, 1, 1},           {0x800, nullptr, 3, 3},         {0x40000, nullptr, 35, 35},
        {0x400000, nullptr, 25, 25},    {0x3, nullptr, 0, 0},           {0x0, nullptr, 0, 0},
        {0x800000, &yellow, 26, 0},     {0x800001, &yellow, 26, 0},     {0x800000, &unknownExtended, 0, 0},
        {0x800000, nullptr, 0, 0},      {kAbsent, nullptr, 0, 0},
        {0x800000, static_cast<const uint32_t *>(PAT_PM_ABSENT_POINTER), 0, 0},
    };
    HostList<PatPMTrayEntryA> listA;
    HostList<PatPMTrayEntryB> listB;
    for (const Case &c : cases) {
        PatPMTrayEntryA a = TrayA("Tray 1", 210, 297);
        a.dwMediaBits = c.bits;
        a.pExtendedMediaBits = c.extended;
        a.pMediaName = "PLAIN";
        listA.entries.push_back(a);
        PatPMTrayEntryB b = TrayB("Tray 2", 210, 297);
        b.dwMediaBits = c.bits;
        listB.entries.push_back(b);
    }
    PatPMInfoH info{};
    info.pTraysA = listA.Build();
    info.pTraysB = listB.Build();
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_ENGINE | PAT_PM_FLAG_TRAYS_B), 1);
    auto items = Items(record.pTrayInfo);
    const size_t n = std::size(cases);
    ASSERT_EQ(items.size(), 2 * n);  // layout B follows layout A
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i]->wId, 3);
        EXPECT_EQ(items[i]->wMediaType, cases[i].layoutA);
        EXPECT_EQ(items[n + i]->wId, 4);
        EXPECT_EQ(items[n + i]->wMediaType, cases[i].layoutB);
    }
}

TEST_F(PMInfoConversion, LayoutBKeepsFlagsAndTheTrayListIsReplaced) {
    HostList<PatPMTrayEntryB> list;
    PatPMTrayEntryB tray = TrayB("Tray 4", kAbsent, 420);
    tray.dwTrayFlags = 0x121;
    tray.dwStatus = 0x0400;
    list.entries = {tray};
    PatPMInfoH info{};
    info.pTraysB = list.Build();
    AddTestItem(&record.pTrayInfo, &record.nTrayInfo, 7);
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_TRAYS_B), 1);
    auto items = Items(record.pTrayInfo);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->wId, 6);
    EXPECT_EQ(items[0]->dwFlags, 0x121u);
    EXPECT_EQ(items[0]->wPaperSize, 2);  // flag 0x100 wins over the dimensions
    EXPECT_EQ(items[0]->wLevel, 50);

    // Selected but absent: the trays are cleared all the same.
    info.pTraysB = kAbsentList;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_TRAYS_B), 1);
    EXPECT_EQ(record.nTrayInfo, 0u);
}

// ---- Output bins and options -------------------------------------------------

TEST_F(PMInfoConversion, OutputBinsAreReplacedAndMarkedFull) {
    HostList<PatPMOutBinEntry> list;
    list.entries = {{"Internal Tray 1", 0x1},         {"Internal Shift Tray", 0x2},
                    {"Finisher Booklet Tray", kAbsent}, {"Tray 1", 0x3},
                    {kAbsentText, 0},                  {"Finisher Shift Tray", 0x0}};
    PatPMInfoH info{};
    info.pOutBins = list.Build();
    record.dwOutBinWord = 3;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_EMUL_BINS), 1);
    auto items = Items(record.pOutBinInfo);
    const uint16_t ids[] = {1, 1, 27, 255, 255, 4};
    const uint16_t states[] = {2, 0, 0, 2, 0, 0};
    ASSERT_EQ(items.size(), 6u);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->wId, ids[i]) << i;
        EXPECT_EQ(items[i]->wState, states[i]) << i;
    }
    EXPECT_EQ(record.dwOutBinWord, 255u);

    // An absent list leaves both as they were; an empty one empties the list.
    record.dwOutBinWord = 9;
    info.pOutBins = kAbsentList;
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_EMUL_BINS), 1);
    EXPECT_EQ(record.nOutBinInfo, 6u);
    EXPECT_EQ(record.dwOutBinWord, 9u);
    list.entries.clear();
    info.pOutBins = list.Build();
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_EMUL_BINS), 1);
    EXPECT_EQ(record.nOutBinInfo, 0u);
    EXPECT_EQ(record.pOutBinInfo, nullptr);
    EXPECT_EQ(record.dwOutBinWord, 255u);
}

TEST_F(PMInfoConversion, OptionCodesBecomeOptionIds) {
    const uint32_t codes[] = {830, 831, 832, 833, 834, 835, 836, 837, 838, 839, 840, 841, 842, 843, 850,
                              854, kAbsent, 0};
    const uint16_t ids[] = {102, 104, 16, 144, 131, 1, 37, 114, 115, 7, 12, 132, 133, 134, 3, 0, 0, 0};
    HostList<PatPMOptionEntry> list;
    for (uint32_t code : codes) list.entries.push_back({code});
    PatPMInfoH info{};
    info.pOptions = list.Build();
    ASSERT_EQ(Convert(0x8000, &info, 'h', PAT_PM_FLAG_OPTIONS), 1);
    auto items = Items(record.pDeviceInfo);
    ASSERT_EQ(items.size(), std::size(codes));
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i]->wId, ids[i]) << codes[i];
}

// ---- Memory exhaustion ----------------------------------------------------------

struct FullHostInfo {
    PatPMGeneralBlock general{"Model", "1.00", 1 << 20, 0, "Maker"};
    HostList<PatPMTrayEntryA> traysA;
    HostList<PatPMTrayEntryB> traysB;
    HostList<PatPMOutBinEntry> bins;
    HostList<PatPMOptionEntry> options;
    PatPMInfoH info{};
    PatPMStatusBlock status{0x08400080};
    HostList<PatPMEngineStatusEntry> engine;
    HostList<PatPMEmulationEntry> emulations;
    HostList<PatPMFontEntry> fonts;
    PatPMInfoD infoD{};

    FullHostInfo() {
        traysA.entries = {TrayA("Tray 1", 210, 297), TrayA("Tray 2", 297, 420)};
        traysB.entries = {TrayB("Bypass Tray", 148, 210)};
        bins.entries = {{"Internal Tray 1", 0}, {"Internal Tray 2", 1}};
        options.entries = {{835}, {850}};
        info.pGeneral = &general;
        info.pTraysA = traysA.Build();
        info.pTraysB = traysB.Build();
        info.pOutBins = bins.Build();
        info.pOptions = options.Build();
        engine.entries = {{0, 10003, "text", 0}, {0, 40343, nullptr, 3}};
        emulations.entries = {{0, "4.10", "MOXI"}, {0, "3.0", "Adobe PostScript 3"}};
        fonts.entries = {{"Courier"}};
        infoD.pStatus = &status;
        infoD.pEngineStatus = engine.Build();
        infoD.pEmulations = emulations.Build();
        infoD.pFonts = fonts.Build();
    }
};

TEST(PMInfoConversionMemory, EveryFailingAllocationIsReportedAndLeavesConsistentLists) {
    FullHostInfo host;
    struct Case {
        uint32_t source;
        const void *info;
        char letter;
    };
    const Case cases[] = {{0x8000, &host.info, 'h'}, {0x1, &host.infoD, 'd'}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.source);
        const long allocations = SweepAllocationFailures([&](long failAt) {
            PrnInfoEx record = MakeRecord();
            const PatBool ok = PatPMInfoToPrnInfoEx(c.source, c.info, static_cast<uint8_t>(c.letter),
                                                    0xFFFFFFFF, &record);
            EXPECT_EQ(ok, failAt == 0 ? 1 : 0);
            if (!ok) {
                EXPECT_TRUE(GetLastError() == 8u || GetLastError() == 87u) << GetLastError();
            }
            ExpectCountsMatchChains(record);
            ReleaseRecord(&record);
        });
        EXPECT_GT(allocations, 5);
    }
}

TEST(PMInfoConversionMemory, ErrorCodeNamesTheFailingStep) {
    FullHostInfo host;
    // Allocation order for source 0x8000 with all flags: model, system
    // version, maker, two layout-A trays, one layout-B tray, two bins, two options.
    const struct {
        long failAt;
        uint32_t error;
    } cases[] = {{1, 8}, {3, 8}, {4, 87}, {6, 87}, {7, 8}, {9, 8}, {11, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.failAt);
        PrnInfoEx record = MakeRecord();
        platform_heap::ResetAllocationCount();
        platform_heap::FailAllocationNumber(c.failAt);
        const PatBool ok = PatPMInfoToPrnInfoEx(0x8000, &host.info, 'h', 0xFFFFFFFF, &record);
        platform_heap::FailAllocationNumber(0);
        EXPECT_EQ(ok, c.error == 0 ? 1 : 0);
        EXPECT_EQ(GetLastError(), c.error);
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    }
}

}  // namespace
