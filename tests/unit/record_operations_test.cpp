#include <gtest/gtest.h>

#include <stddef.h>
#include <string.h>

#include <string>
#include <type_traits>

#include "platform/platform.h"
#include "common/name_table.h"
#include "prninfo/record.h"
#include "support/alloc_sweep.h"
#include "support/record_fixture.h"

namespace {

size_t OffsetIn(const PrnInfoEx &record, const void *field) {
    return static_cast<size_t>(reinterpret_cast<const uint8_t *>(field) -
                               reinterpret_cast<const uint8_t *>(&record));
}

TEST(RecordNames, ListNamesResolveToTheirHeadAndCountFields) {
    struct Case {
        const char *name;
        RecordList list;
        size_t countOffset;
        size_t headOffset;
    };
    const Case cases[] = {
#define LIST_FIELDS(name, count) {"p" #name, RecordList::k##name, offsetof(PrnInfoEx, count), offsetof(PrnInfoEx, p##name)}
        LIST_FIELDS(EngineStatus, nEngineStatus), LIST_FIELDS(LoadedEmul, nLoadedEmul),
        LIST_FIELDS(LoadedFont, nLoadedFont),     LIST_FIELDS(TrayInfo, nTrayInfo),
        LIST_FIELDS(OutBinInfo, nOutBinInfo),     LIST_FIELDS(DeviceInfo, nDeviceInfo),
        LIST_FIELDS(EmulUniqInfo, nEmulUniqInfo), LIST_FIELDS(CounterInfo, nCounterInfo),
        LIST_FIELDS(SupplyInfo, nSupplyInfo),     LIST_FIELDS(ColorCorrection, nColorCorrection),
#undef LIST_FIELDS
    };
    PrnInfoEx record = MakeRecord();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PatItem marker{};
        *reinterpret_cast<PatItem **>(reinterpret_cast<uint8_t *>(&record) + c.headOffset) = &marker;
        const ItemListHandle handle = GetItemList(&record, c.list);
        EXPECT_EQ(OffsetIn(record, handle.headField), c.headOffset);
        EXPECT_EQ(OffsetIn(record, handle.countField), c.countOffset);
        EXPECT_EQ(handle.head, &marker);
        *handle.headField = nullptr;
    }
}

// A list or text is named by its enumerator only: a misspelt name, a text
// for a list or a list for a text does not compile.
static_assert(!std::is_convertible<const char *, RecordList>::value, "lists are not named by strings");
static_assert(!std::is_convertible<const char *, RecordText>::value, "texts are not named by strings");
static_assert(!std::is_convertible<RecordText, RecordList>::value, "a text is no list");
static_assert(!std::is_convertible<RecordList, RecordText>::value, "a list is no text");
static_assert(sizeof kAllRecordLists / sizeof kAllRecordLists[0] == 10, "the record has ten lists");

TEST(RecordLists, AppendLinksAtTheEndAndCountsEachItem) {
    PrnInfoEx record = MakeRecord();
    PatItem *first = AllocItem(kTrayItemSize);
    PatItem *second = AllocItem(kTrayItemSize);
    ASSERT_EQ(AppendItem(&record, RecordList::kTrayInfo, first), PAT_OK);
    EXPECT_EQ(reinterpret_cast<PatItem *>(record.pTrayInfo), first);
    EXPECT_EQ(record.nTrayInfo, 1u);
    ASSERT_EQ(AppendItem(&record, RecordList::kTrayInfo, second), PAT_OK);
    EXPECT_EQ(reinterpret_cast<PatItem *>(record.pTrayInfo), first);
    EXPECT_EQ(first->pNext, second);
    EXPECT_EQ(record.nTrayInfo, 2u);
    ReleaseRecord(&record);
}

TEST(RecordLists, AppendRefusesNullItems) {
    PrnInfoEx record = MakeRecord();
    EXPECT_EQ(AppendItem(&record, RecordList::kDeviceInfo, nullptr), PAT_ERROR_INVALID_PARAMETER);
    EXPECT_EQ(record.nDeviceInfo, 0u);
    EXPECT_EQ(record.pDeviceInfo, nullptr);
}

TEST(RecordLists, ClearReleasesEveryItemAndIsHarmlessWhenEmpty) {
    PrnInfoEx record = MakeRecord();
    ClearItemList(&record, RecordList::kOutBinInfo);
    EXPECT_EQ(record.pOutBinInfo, nullptr);
    EXPECT_EQ(record.nOutBinInfo, 0u);

    for (int i = 0; i < 3; ++i) AppendItem(&record, RecordList::kOutBinInfo, AllocItem(kOutBinItemSize));
    AppendItem(&record, RecordList::kLoadedFont, AllocItem(kLoadedFontItemSize));
    ClearItemList(&record, RecordList::kOutBinInfo);
    EXPECT_EQ(record.pOutBinInfo, nullptr);
    EXPECT_EQ(record.nOutBinInfo, 0u);
    EXPECT_EQ(record.nLoadedFont, 1u);  // other lists untouched
    ReleaseRecord(&record);
}

TEST(RecordLists, ClearReleasesTheBlocks) {
    SweepAllocationFailures([](long) {
        PrnInfoEx record = MakeRecord();
        for (int i = 0; i < 4; ++i) {
            PatItem *item = AllocItem(kCounterItemSize);
            if (item != nullptr) AppendItem(&record, RecordList::kCounterInfo, item);
        }
        ExpectCountsMatchChains(record);
        ClearItemList(&record, RecordList::kCounterInfo);
    });
}

TEST(RecordTexts, EachTextNameWritesItsOwnField) {
    struct Case {
        const char *name;
        RecordText field;
        size_t offset;
    };
#define TEXT_FIELD(name) {"p" #name, RecordText::k##name, offsetof(PrnInfoEx, p##name)}
    const Case cases[] = {TEXT_FIELD(ModelName),  TEXT_FIELD(MakerName),       TEXT_FIELD(Description),
                          TEXT_FIELD(SYSVersion), TEXT_FIELD(MainProgVersion), TEXT_FIELD(KMSVersion)};
#undef TEXT_FIELD
    PrnInfoEx record = MakeRecord();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(SetStringItem(&record, c.field, c.name), PAT_OK);
        char *text = *reinterpret_cast<char **>(reinterpret_cast<uint8_t *>(&record) + c.offset);
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, c.name);
        EXPECT_EQ(GlobalSize(text), strlen(c.name) + 1);
    }
    ReleaseRecord(&record);
}

TEST(RecordTexts, NullTextIsRefusedAndChangesNothing) {
    PrnInfoEx record = MakeRecord();
    const PrnInfoEx before = record;
    EXPECT_EQ(SetStringItem(&record, RecordText::kKMSVersion, nullptr), PAT_ERROR_INVALID_PARAMETER);
    EXPECT_EQ(memcmp(&record, &before, sizeof record), 0);
}

TEST(RecordTexts, ReplacingReleasesTheOldCopyAndFailureKeepsIt) {
    SweepAllocationFailures([](long failAt) {
        PrnInfoEx record = MakeRecord();
        const uint32_t first = SetStringItem(&record, RecordText::kKMSVersion, "1.00");
        const uint32_t second = SetStringItem(&record, RecordText::kKMSVersion, "2.00");
        if (failAt == 0) {
            EXPECT_EQ(first, PAT_OK);
            EXPECT_EQ(second, PAT_OK);
            EXPECT_STREQ(record.pKMSVersion, "2.00");
        } else if (failAt == 2) {
            EXPECT_EQ(second, PAT_ERROR_NOT_ENOUGH_MEMORY);
            EXPECT_STREQ(record.pKMSVersion, "1.00");
        }
        ReleaseRecord(&record);
    });
}

TEST(ItemChain, AllocItemZeroFillsAndSetsTheHeader) {
    auto *item = reinterpret_cast<PatEngineStatusItem *>(AllocItem(kEngineStatusItemSize));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->pNext, nullptr);
    EXPECT_EQ(item->dwSize, PAT_ENGINE_STATUS_ITEM_SIZE);
    EXPECT_EQ(GlobalSize(item), PAT_ENGINE_STATUS_ITEM_SIZE);
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(item);
    for (size_t i = offsetof(PatItem, wId); i < PAT_ENGINE_STATUS_ITEM_SIZE; ++i) ASSERT_EQ(bytes[i], 0) << i;
    FreeItemChain(reinterpret_cast<PatItem *>(item));
    EXPECT_EQ(AllocItem(offsetof(PatItem, wId) + 1), nullptr);  // no room for the header
}

TEST(ItemChain, AppendToChainReturnsTheFirstItem) {
    PatItem *a = AllocItem(sizeof(PatItem));
    PatItem *b = AllocItem(sizeof(PatItem));
    EXPECT_EQ(AppendToChain(nullptr, a), a);
    EXPECT_EQ(AppendToChain(a, b), a);
    EXPECT_EQ(a->pNext, b);
    EXPECT_EQ(ChainLength(a), 2u);
    FreeItemChain(a);
}

TEST(ItemChain, FindByIdComparesTheSixteenBitKey) {
    PrnInfoEx record = MakeRecord();
    AddEngineStatus(&record, 10001);
    AddEngineStatus(&record, 70000);
    AddEngineStatus(&record, 4464);
    PatItem *head = reinterpret_cast<PatItem *>(record.pEngineStatus);
    auto *found = reinterpret_cast<PatEngineStatusItem *>(FindItemById(head, 4464));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->dwStatusCode, 70000u);  // the first of the two with key 4464
    EXPECT_EQ(FindItemById(head, 70000), nullptr);
    EXPECT_EQ(FindItemById(head, 10002), nullptr);
    EXPECT_EQ(FindItemById(nullptr, 0), nullptr);
    ReleaseRecord(&record);
}

TEST(ItemChain, FindOrAddReusesOrAppendsAndCounts) {
    PrnInfoEx record = MakeRecord();
    PatItem **head = HeadField(&record.pTrayInfo);
    PatItem *tray2 = FindOrAddItem(head, kTrayItemSize, 2, &record.nTrayInfo);
    PatItem *tray3 = FindOrAddItem(head, kTrayItemSize, 0x10003, &record.nTrayInfo);  // cut to 3
    ASSERT_NE(tray2, nullptr);
    ASSERT_NE(tray3, nullptr);
    EXPECT_EQ(tray3->wId, 3);
    EXPECT_EQ(tray3->dwSize, kTrayItemSize);
    EXPECT_EQ(FindOrAddItem(head, kTrayItemSize, 2, &record.nTrayInfo), tray2);
    EXPECT_EQ(FindOrAddItem(head, kTrayItemSize, 3, &record.nTrayInfo), tray3);
    EXPECT_EQ(record.nTrayInfo, 2u);
    EXPECT_EQ(reinterpret_cast<PatItem *>(record.pTrayInfo), tray2);
    ReleaseRecord(&record);
}

TEST(ItemChain, FindOrAddKeepsTheCountWhenMemoryRunsOut) {
    SweepAllocationFailures([](long failAt) {
        PrnInfoEx record = MakeRecord();
        for (uint32_t id = 1; id <= 3; ++id) {
            PatItem *item = FindOrAddItem(HeadField(&record.pOutBinInfo), kOutBinItemSize, id,
                                          &record.nOutBinInfo);
            EXPECT_EQ(item == nullptr, failAt == static_cast<long>(id));
        }
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    });
}

TEST(DeviceInfo, PresenceIsTestedOnTheSixteenBitOptionId) {
    PrnInfoEx record = MakeRecord();
    AddTestItem(&record.pDeviceInfo, &record.nDeviceInfo, 134);
    AddTestItem(&record.pDeviceInfo, &record.nDeviceInfo, 7);
    EXPECT_EQ(HasDeviceInfo(&record, 7), 1);
    EXPECT_EQ(HasDeviceInfo(&record, 0x10007), 1);
    EXPECT_EQ(HasDeviceInfo(&record, 12), 0);

    const uint16_t any[] = {12, 132, 133, 134};
    const uint16_t none[] = {12, 132, 133};
    EXPECT_EQ(HasAnyDeviceInfo(&record, any, 4), 1);
    EXPECT_EQ(HasAnyDeviceInfo(&record, none, 3), 0);
    EXPECT_EQ(HasAnyDeviceInfo(&record, any, 3), 0);  // only the given number of ids
    EXPECT_EQ(HasAnyDeviceInfo(&record, nullptr, 4), 0);
    PrnInfoEx empty = MakeRecord();
    EXPECT_EQ(HasAnyDeviceInfo(&empty, any, 4), 0);
    ReleaseRecord(&record);
}

TEST(EngineStatus, AddKeepsTheFullCodeAndItsLowSixteenBitsAsKey) {
    PrnInfoEx record = MakeRecord();
    AddEngineStatus(&record, PAT_NO_RESPONSE_CODE);
    AddEngineStatus(&record, 40343);
    ASSERT_EQ(record.nEngineStatus, 2u);
    const PatEngineStatusItem *first = record.pEngineStatus;
    EXPECT_EQ(first->wId, 0xFF02);
    EXPECT_EQ(first->dwStatusCode, PAT_NO_RESPONSE_CODE);
    EXPECT_EQ(first->dwSize, PAT_ENGINE_STATUS_ITEM_SIZE);
    EXPECT_EQ(first->szText[0], '\0');
    EXPECT_EQ(first->pNext->dwStatusCode, 40343u);
    ReleaseRecord(&record);
}

TEST(EngineStatus, AddDropsTheCodeSilentlyWhenMemoryRunsOut) {
    SweepAllocationFailures([](long failAt) {
        PrnInfoEx record = MakeRecord();
        AddEngineStatus(&record, 10001);
        AddEngineStatus(&record, 10003);
        EXPECT_EQ(record.nEngineStatus, failAt == 0 ? 2u : 1u);
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    });
}

TEST(EngineStatus, ErrorClassIsTenThousandTwoAndTheFortyThousandsWithExceptions) {
    struct Case {
        uint32_t code;
        int errorClass;
    };
    const Case cases[] = {
        {10001, 0}, {10002, 1}, {10003, 0}, {40000, 0}, {40001, 1}, {40341, 1}, {40342, 0},
        {40343, 1}, {40439, 1}, {40440, 0}, {40441, 0}, {40443, 0}, {40444, 1}, {49999, 1},
        {50000, 0}, {0, 0},     {PAT_NO_RESPONSE_CODE, 0}, {10002u + 0x10000u, 0},
    };
    for (const Case &c : cases) EXPECT_EQ(IsErrorClassStatus(c.code), c.errorClass) << c.code;
}

TEST(NameTable, LookupIsExactCaseSensitiveFirstMatchWithDefault) {
    const NameTableRow table[] = {
        {"TRAY1", 1}, {"TRAY2", 2}, {"TRAY1", 9}, {"", 7}, {nullptr, 0xFFFF},
    };
    struct Case {
        const char *text;
        uint32_t value;
    };
    const Case cases[] = {
        {"TRAY1", 1}, {"TRAY2", 2}, {"tray1", 0xFFFF}, {"TRAY", 0xFFFF},
        {"TRAY12", 0xFFFF}, {"", 7}, {nullptr, 0xFFFFFFFF},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LookupName(c.text, table), c.value) << (c.text ? c.text : "(null)");
        if (c.text == nullptr) continue;
        // The same characters read in place, followed by more that are not theirs.
        const std::string followed = std::string(c.text) + "1X";
        EXPECT_EQ(LookupName(followed.c_str(), static_cast<uint32_t>(strlen(c.text)), table), c.value) << c.text;
    }
    EXPECT_EQ(LookupName(nullptr, 0, table), 0xFFFFFFFFu);

    const NameTableRow onlyDefault[] = {{nullptr, 42}};
    EXPECT_EQ(LookupName("anything", onlyDefault), 42u);
    EXPECT_EQ(LookupName("", onlyDefault), 42u);
    EXPECT_EQ(LookupName(nullptr, onlyDefault), 0xFFFFFFFFu);
    EXPECT_EQ(LookupName("TRAY1", nullptr), 0xFFFFFFFFu);
}

}  // namespace
