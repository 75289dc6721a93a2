// PatPrnInfoExToPrnInfo through the export, checked byte by byte against the
// basic record's documented offsets.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "pat.h"
#include "platform/platform.h"
#include "prninfo/record.h"
#include "support/alloc_sweep.h"
#include "support/record_fixture.h"

namespace {

constexpr size_t kBasicSize = 2400;

// The basic record as raw bytes, so the offsets checked here are the host's.
struct Bytes {
    std::vector<uint8_t> data = std::vector<uint8_t>(kBasicSize, 0);

    void Put32(size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) data[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    void Put8(size_t offset, uint8_t value) { data[offset] = value; }
    void PutText(size_t offset, const char *text) { memcpy(&data[offset], text, strlen(text) + 1); }
    uint32_t Get32(size_t offset) const {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | data[offset + i];
        return value;
    }
};

// Reports the first differing offsets, which name the field at fault.
void ExpectSameBytes(const Bytes &actual, const Bytes &expected) {
    int reported = 0;
    for (size_t i = 0; i < kBasicSize && reported < 8; ++i) {
        if (actual.data[i] != expected.data[i]) {
            ADD_FAILURE() << "offset " << i << ": " << int(actual.data[i]) << " expected " << int(expected.data[i]);
            ++reported;
        }
    }
}

Bytes Flatten(const PrnInfoEx &record, uint32_t flags, PatBool expectedResult = 1) {
    Bytes out;
    memset(out.data.data(), 0xEE, kBasicSize);
    SetLastError(1234);
    EXPECT_EQ(PatPrnInfoExToPrnInfo(&record, out.data.data(), flags), expectedResult);
    EXPECT_EQ(GetLastError(), expectedResult ? 0u : 87u);
    return out;
}

Bytes EmptyBasic() {
    Bytes bytes;
    bytes.Put32(1384, 2400);
    return bytes;
}

class BasicRecord : public testing::Test {
protected:
    PrnInfoEx record = MakeRecord();
    void TearDown() override { ReleaseRecord(&record); }

    void AddOption(uint16_t id) { AddTestItem(&record.pDeviceInfo, &record.nDeviceInfo, id); }
    PatTrayItem *AddTray(uint16_t id, uint16_t size, uint16_t level, uint16_t media) {
        PatTrayItem *tray = AddTestItem(&record.pTrayInfo, &record.nTrayInfo, id);
        tray->wPaperSize = size;
        tray->wLevel = level;
        tray->wMediaType = media;
        return tray;
    }
};

TEST_F(BasicRecord, RefusesNullRecordsAndOldVersionsWithoutWriting) {
    Bytes out;
    memset(out.data.data(), 0xEE, kBasicSize);
    EXPECT_EQ(PatPrnInfoExToPrnInfo(nullptr, out.data.data(), 0xFFFFFFFF), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatPrnInfoExToPrnInfo(&record, nullptr, 0xFFFFFFFF), 0);
    EXPECT_EQ(GetLastError(), 87u);
    record.dwVersion = 403;
    Bytes untouched = Flatten(record, 0xFFFFFFFF, 0);
    for (uint8_t byte : untouched.data) ASSERT_EQ(byte, 0xEE);
}

TEST_F(BasicRecord, NoFlagsGiveTheSizeAndTheOptionWordsOnly) {
    record.bState = 1;
    record.dwMemoryKB = 512;
    AddEngineStatus(&record, 10003);
    SetStringItem(&record, RecordText::kModelName, "Model");
    AddTray(3, 8, 100, 1);
    for (uint16_t option : {1, 3, 7, 12, 37, 114, 115}) AddOption(option);

    Bytes expected = EmptyBasic();
    expected.Put32(1692, 0x00010003);
    expected.Put32(1704, 0x1000 | 0x8 | 0x10);
    expected.Put32(1708, 0x1);
    expected.Put32(1712, 0x2);
    ExpectSameBytes(Flatten(record, 0), expected);
    ExpectSameBytes(Flatten(record, 0xFFFFFFFF & ~0xA071Eu), expected);  // unknown bits only
}

TEST_F(BasicRecord, EverySectionLandsAtItsOffset) {
    record.bState = 2;
    record.bStateNotOne = 1;
    record.bStatusBit22 = 1;
    record.bNoResponse = 1;
    record.bModelIndex = 255;
    record.bHasError = 1;
    record.dwMemoryKB = 65536;
    record.dwTrayWord = 0x11;
    record.dwOutBinWord = 255;
    record.dwEmulWord = 0x22;
    SetStringItem(&record, RecordText::kModelName, "Model 4500");
    SetStringItem(&record, RecordText::kMakerName, "Maker");
    SetStringItem(&record, RecordText::kDescription, "Office printer");
    SetStringItem(&record, RecordText::kSYSVersion, "1.02");
    SetStringItem(&record, RecordText::kMainProgVersion, "4.10");
    SetStringItem(&record, RecordText::kKMSVersion, "3010");
    AddEngineStatus(&record, 10001);
    AddEngineStatus(&record, 10003);
    AddEngineStatus(&record, 40343);
    AddTray(3, 8, 100, 1);
    AddTray(0xFFFF, 41, 0, 26);
    PatOutBinItem *bin = AddTestItem(&record.pOutBinInfo, &record.nOutBinInfo, 27);
    bin->wState = 2;
    AddTestItem(&record.pLoadedEmul, &record.nLoadedEmul, 1);
    AddTestItem(&record.pLoadedEmul, &record.nLoadedEmul, 15);
    AddTestItem(&record.pLoadedFont, &record.nLoadedFont, 0);
    AddOption(1);

    Bytes expected = EmptyBasic();
    expected.Put32(0, 0xEBBB006Bu);  // (10001 + 10003 + 40343) mod 65536 above 107
    expected.Put32(4, 2);
    expected.Put32(8, 0x11);
    expected.Put32(16, 65536);
    expected.PutText(20, "1.02");
    expected.PutText(36, "4.10");
    expected.PutText(52, "3010");
    expected.Put32(68, 0x22);
    expected.Put32(72, 1);
    expected.Put32(76, 15);
    expected.Put32(200, 2);
    expected.Put32(204, 0);
    expected.Put32(332, 1);
    expected.Put32(336, 3);
    expected.Put32(340, 8);
    expected.Put32(344, 0xFFFF);
    expected.Put32(348, 41);
    expected.Put32(848, 2);
    expected.PutText(852, "Model 4500");
    expected.PutText(1108, "Maker");
    expected.PutText(1124, "Office printer");
    expected.Put8(1380, 255);
    expected.Put8(1381, 1);
    expected.Put8(1382, 1);
    expected.Put8(1383, 1);
    expected.Put32(1424, 3);
    expected.Put32(1428, 100);
    expected.Put32(1432, 0xFFFF);
    expected.Put32(1436, 0);
    expected.Put32(1552, 2);
    expected.Put32(1556, 27);
    expected.Put32(1560, 2);
    expected.Put32(1684, 1);
    expected.Put32(1688, 1);
    expected.Put32(1716, 255);
    expected.Put32(1720, 10001);
    expected.Put32(1724, 10003);
    expected.Put32(1728, 40343);
    expected.Put32(1848, 3);
    expected.Put32(1856, 1);
    expected.Put32(1864, 3);
    expected.Put32(1868, 1);
    expected.Put32(1872, 0xFFFF);
    expected.Put32(1876, 26);
    ExpectSameBytes(Flatten(record, 0xFFFFFFFF), expected);
}

TEST_F(BasicRecord, EachFlagFillsOnlyItsSection) {
    record.bState = 1;
    record.dwMemoryKB = 4;
    record.dwOutBinWord = 255;
    SetStringItem(&record, RecordText::kMakerName, "Maker");
    AddEngineStatus(&record, 10003);
    AddTray(3, 8, 100, 1);
    AddTestItem(&record.pOutBinInfo, &record.nOutBinInfo, 1);
    AddTestItem(&record.pLoadedEmul, &record.nLoadedEmul, 1);
    AddTestItem(&record.pLoadedFont, &record.nLoadedFont, 5);
    AddOption(1);
    struct Case {
        uint32_t flag;
        size_t offset;
        uint32_t value;
    };
    const Case cases[] = {
        {0x2, 4, 1},        {0x4, 16, 4},       {0x8, 848, 1},     {0x10, 1716, 255}, {0x100, 200, 1},
        {0x200, 204, 5},    {0x400, 1108, 0x656B614D /* "Make" */}, {0x20000, 1688, 1}, {0x80000, 0, 10003},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.flag);
        Bytes selected = Flatten(record, c.flag);
        EXPECT_EQ(selected.Get32(c.offset), c.value);
        for (const Case &other : cases) {
            if (other.flag != c.flag) EXPECT_EQ(selected.Get32(other.offset), 0u) << std::hex << other.flag;
        }
    }
}

TEST_F(BasicRecord, EngineStatusSummary) {
    struct Case {
        std::vector<uint32_t> codes;
        uint32_t summary;
        uint32_t count;
        uint32_t firstCode;
    };
    std::vector<uint32_t> forty;
    for (uint32_t i = 0; i < 40; ++i) forty.push_back(1000 + i);
    uint32_t sumOfThirtyTwo = 0;
    for (uint32_t i = 0; i < 32; ++i) sumOfThirtyTwo += 1000 + i;
    const Case cases[] = {
        {{10001, 10003, 40343}, 0xEBBB006Bu, 3, 10001},
        {{PAT_NO_RESPONSE_CODE}, 0xFF02, 1, 0},
        {{70000}, 70000 - 65536, 1, 0},
        {{}, 107, 0, 0},
        {{PAT_NO_RESPONSE_CODE, 0x100}, (((0xFFFFFF02u + 0x100u) & 0xFFFF) << 16) | 107, 2, PAT_NO_RESPONSE_CODE},
        {forty, ((sumOfThirtyTwo & 0xFFFF) << 16) | 107, 32, 1000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.codes.size());
        ReleaseRecord(&record);
        for (uint32_t code : c.codes) AddEngineStatus(&record, code);
        record.bHasError = 1;
        Bytes out = Flatten(record, PAT_ITEMS_ENGINE_STATUS);
        EXPECT_EQ(out.Get32(0), c.summary);
        EXPECT_EQ(out.Get32(1848), c.count);
        EXPECT_EQ(out.Get32(1720), c.firstCode);
        EXPECT_EQ(out.data[1382], 1);
        if (c.codes.size() == 40) EXPECT_EQ(out.Get32(1720 + 31 * 4), 1031u);
        EXPECT_EQ(out.Get32(1852), 0u);  // nothing past the 32 codes
    }
}

TEST_F(BasicRecord, CountOfOneWithoutAChainIsAnEmptyEngineStatus) {
    record.nEngineStatus = 1;
    record.pEngineStatus = nullptr;
    Bytes out = Flatten(record, PAT_ITEMS_ENGINE_STATUS);
    EXPECT_EQ(out.Get32(0), 107u);
    EXPECT_EQ(out.Get32(1848), 0u);
    record.nEngineStatus = 0;
}

TEST_F(BasicRecord, TextsAreCutToTheirFields) {
    struct Case {
        const char *name;
        RecordText field;
        size_t length;
        size_t offset;
        size_t width;
        uint32_t flag;
    };
    const Case cases[] = {
        {"pModelName", RecordText::kModelName, 300, 852, 256, 0x400},
        {"pModelName", RecordText::kModelName, 255, 852, 256, 0x400},
        {"pMakerName", RecordText::kMakerName, 15, 1108, 16, 0x400},
        {"pMakerName", RecordText::kMakerName, 16, 1108, 16, 0x400},
        {"pDescription", RecordText::kDescription, 256, 1124, 256, 0x400},
        {"pSYSVersion", RecordText::kSYSVersion, 40, 20, 16, 0x4},
        {"pMainProgVersion", RecordText::kMainProgVersion, 16, 36, 16, 0x100},
        {"pKMSVersion", RecordText::kKMSVersion, 17, 52, 16, 0x100},
        {"pKMSVersion", RecordText::kKMSVersion, 0, 52, 16, 0x100},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " of " << c.length);
        ReleaseRecord(&record);
        std::string text(c.length, 'M');
        SetStringItem(&record, c.field, text.c_str());
        Bytes out = Flatten(record, c.flag);
        const size_t kept = c.length < c.width ? c.length : c.width - 1;
        EXPECT_EQ(std::string(reinterpret_cast<const char *>(&out.data[c.offset])), text.substr(0, kept));
        for (size_t i = c.offset + kept; i < c.offset + c.width; ++i) ASSERT_EQ(out.data[i], 0) << i;
        EXPECT_NE(out.data[c.offset + c.width], 'M');
    }
}

TEST_F(BasicRecord, ListsAreCutToTheArrayCapacities) {
    for (uint16_t i = 0; i < 64; ++i) AddTray(100 + i, 8, 50, 1);
    for (uint16_t i = 0; i < 20; ++i) AddTestItem(&record.pOutBinInfo, &record.nOutBinInfo, 200 + i);
    for (uint16_t i = 0; i < 40; ++i) AddTestItem(&record.pLoadedEmul, &record.nLoadedEmul, 300 + i);
    for (uint16_t i = 0; i < 33; ++i) AddTestItem(&record.pLoadedFont, &record.nLoadedFont, 400 + i);
    record.dwOutBinWord = 255;
    Bytes out = Flatten(record, 0xFFFFFFFF);

    // Sixteen trays throughout the tray section: level slots stop at 16, and
    // the fields right behind the level array stay what they should be.
    EXPECT_EQ(out.Get32(848), 16u);
    EXPECT_EQ(out.Get32(1552), 16u);
    EXPECT_EQ(out.Get32(336 + 15 * 8), 115u);
    EXPECT_EQ(out.Get32(336 + 16 * 8), 0u);
    EXPECT_EQ(out.Get32(1424 + 15 * 8), 115u);
    EXPECT_EQ(out.Get32(1864 + 15 * 8), 115u);
    EXPECT_EQ(out.Get32(1864 + 16 * 8), 0u);
    EXPECT_EQ(out.Get32(1556), 200u);
    EXPECT_EQ(out.Get32(1556 + 15 * 8), 215u);
    EXPECT_EQ(out.Get32(1684), 16u);
    EXPECT_EQ(out.Get32(1688), 0u);
    EXPECT_EQ(out.Get32(1716), 255u);
    EXPECT_EQ(out.Get32(72 + 31 * 4), 331u);
    EXPECT_EQ(out.Get32(200), 32u);
    EXPECT_EQ(out.Get32(204), 400u);
    EXPECT_EQ(out.Get32(204 + 31 * 4), 431u);
    EXPECT_EQ(out.Get32(332), 32u);
    EXPECT_EQ(out.Get32(336), 100u);
}

TEST_F(BasicRecord, AllocatesNothing) {
    SetStringItem(&record, RecordText::kModelName, "Model");
    AddEngineStatus(&record, 10003);
    AddTray(3, 8, 100, 1);
    PrnInfo basic;
    const long allocations = SweepAllocationFailures([&](long) {
        EXPECT_EQ(PatPrnInfoExToPrnInfo(&record, &basic, 0xFFFFFFFF), 1);
    });
    EXPECT_EQ(allocations, 0);
}

TEST_F(BasicRecord, OptionWordsFollowTheInstalledOptions) {
    struct Case {
        std::vector<uint16_t> options;
        uint32_t word1692, word1704, word1708, word1712;
    };
    const Case cases[] = {
        {{7, 115}, 0, 0x10, 0x1, 0},
        {{37}, 0, 0x1000, 0, 0},
        {{114, 3}, 0x00010003, 0x8, 0, 0},
        {{134}, 0, 0, 0, 0x2},
        {{12, 132}, 0, 0, 0, 0x2},
        {{1, 16, 102, 133 + 1000}, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        ReleaseRecord(&record);
        for (uint16_t option : c.options) AddOption(option);
        Bytes out = Flatten(record, 0);
        SCOPED_TRACE(c.options.size());
        EXPECT_EQ(out.Get32(1692), c.word1692);
        EXPECT_EQ(out.Get32(1704), c.word1704);
        EXPECT_EQ(out.Get32(1708), c.word1708);
        EXPECT_EQ(out.Get32(1712), c.word1712);
        EXPECT_EQ(out.Get32(1688), 0u);  // the duplex word needs its flag
    }
}

}  // namespace
