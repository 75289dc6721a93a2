#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "pjl/device_id_parser.h"
#include "pjl/split_field.h"
#include "support/alloc_sweep.h"
#include "support/record_fixture.h"

namespace {

uint32_t Parse(const char *deviceId, PrnInfoEx *record) {
    return ParseDeviceId(deviceId, static_cast<uint32_t>(strlen(deviceId)), record);
}

struct Status {
    uint32_t code;
    uint16_t id;
    std::string text;
    bool operator==(const Status &o) const { return code == o.code && id == o.id && text == o.text; }
};

std::ostream &operator<<(std::ostream &os, const Status &s) {
    return os << "{" << s.code << " id " << s.id << " \"" << s.text << "\"}";
}

std::vector<Status> EngineStatus(const PrnInfoEx &record) {
    std::vector<Status> out;
    for (const PatEngineStatusItem *item = record.pEngineStatus; item != nullptr; item = item->pNext) {
        EXPECT_EQ(item->dwSize, PAT_ENGINE_STATUS_ITEM_SIZE);
        out.push_back({item->dwStatusCode, item->wId, item->szText});
    }
    return out;
}

std::string Text(const char *text) { return text == nullptr ? "(null)" : text; }

TEST(FindField, CutsAtTheDelimiterAndAtTheMaximumLength) {
    struct Case {
        const char *source;
        uint32_t maxLength;
        char delimiter;
        const char *field;
        size_t next;  // offset of the returned position
    };
    const Case cases[] = {
        {"MFG:Maker;", 255, ':', "MFG", 4},
        {"ABCDE", 2, ':', "AB", 3},      // stops full at "C", skips it
        {"AB:DE", 2, ':', "AB", 3},      // full at the delimiter: it is the one skipped
        {"ABCDE", 255, ':', "ABCDE", 5},  // the end is not passed
        {"ABC", 3, ':', "ABC", 3},       // full at the end
        {"", 255, ';', "", 0},
        {";X", 255, ';', "", 1},
        {"A,B/C", 255, '/', "A,B", 4},
        {"AB", 0, ':', "", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " max " << c.maxLength);
        // The text without its terminator, so a read past it shows under ASan.
        const std::vector<char> bytes(c.source, c.source + strlen(c.source));
        const char *begin = bytes.data();
        const FieldPlace field = FindField(begin, begin + bytes.size(), c.maxLength, c.delimiter);
        EXPECT_EQ(std::string(field.begin, field.length), c.field);
        EXPECT_EQ(field.next - begin, static_cast<ptrdiff_t>(c.next));
    }
}

TEST(FindField, LimitEndsTheTextWithoutATerminator) {
    const char bytes[6] = {'A', 'B', 'C', ';', 'D', 'E'};
    FieldPlace field = FindField(bytes, bytes + 2, 255, ';');
    EXPECT_EQ(std::string(field.begin, field.length), "AB");
    EXPECT_EQ(field.next, bytes + 2);
    field = FindField(bytes + 4, bytes + 6, 255, ';');
    EXPECT_EQ(std::string(field.begin, field.length), "DE");
    EXPECT_EQ(field.next, bytes + 6);
}

class DeviceId : public testing::Test {
protected:
    PrnInfoEx record = MakeRecord();
    void TearDown() override {
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    }
};

TEST_F(DeviceId, IdentityTexts) {
    record.bModelIndex = 7;
    EXPECT_EQ(Parse("MFG:Maker Co;CMD:PJL,PCL;MDL:Model 55;CLS:PRINTER;DES:Office printer;", &record), 0u);
    EXPECT_EQ(Text(record.pMakerName), "Maker Co");
    EXPECT_EQ(Text(record.pModelName), "Model 55");
    EXPECT_EQ(Text(record.pDescription), "Office printer");
    EXPECT_EQ(record.bModelIndex, 255);
}

TEST_F(DeviceId, UnknownFirstKeyAndMissingFinalSemicolon) {
    EXPECT_EQ(Parse("CLASS:PRINTER;MFG:Maker;DES:Last field", &record), 0u);
    EXPECT_EQ(Text(record.pMakerName), "Maker");
    EXPECT_EQ(Text(record.pDescription), "Last field");
}

TEST_F(DeviceId, KeyWithoutColonEndsTheParse) {
    EXPECT_EQ(Parse("MFG:A;garbage without a colon MDL;DES:B;", &record), 0u);
    EXPECT_EQ(Text(record.pMakerName), "A");
    EXPECT_EQ(record.pDescription, nullptr);
}

struct StatusCase {
    const char *name;
    const char *deviceId;
    std::vector<Status> status;
    uint8_t state, stateNotOne, hasError;
};

TEST_F(DeviceId, EngineStatusAndStateBytes) {
    const StatusCase cases[] = {
        {"error-class second code",
         "STS:10001/40343,1,Paper jam;",
         {{10001, 10001, "Paper jam"}, {40343, 40343, "Paper jam"}},
         1, 0, 1},
        {"no error class", "STS:10001,1,Ready;", {{10001, 10001, "Ready"}}, 1, 0, 0},
        {"state 0", "STS:10001,0;", {{10001, 10001, ""}}, 0, 1, 0},
        {"state 257 keeps its low byte", "STS:10002,257,X;", {{10002, 10002, "X"}}, 1, 0, 1},
        {"code beyond 16 bits", "STS:70000,1,;", {{70000, 4464, ""}}, 1, 0, 0},
        {"empty pieces skipped", "STS:/10001//10003/,2,A,B;", {{10001, 10001, "A,B"}, {10003, 10003, "A,B"}}, 2, 1, 0},
        {"no comma swallows the rest", "STS:10001;MFG:Maker;", {{10001, 10001, ""}}, 0, 1, 0},
    };
    for (const StatusCase &c : cases) {
        SCOPED_TRACE(c.name);
        PatEngineStatusItem *stale = AddTestItem(&record.pEngineStatus, &record.nEngineStatus, 99);
        ASSERT_NE(stale, nullptr);
        EXPECT_EQ(Parse(c.deviceId, &record), 0u);
        EXPECT_EQ(EngineStatus(record), c.status);
        EXPECT_EQ(record.nEngineStatus, c.status.size());
        EXPECT_EQ(record.bState, c.state);
        EXPECT_EQ(record.bStateNotOne, c.stateNotOne);
        EXPECT_EQ(record.bHasError, c.hasError);
        EXPECT_EQ(record.pMakerName, nullptr);
    }
}

TEST_F(DeviceId, CounterReplacesCounterAndEmptiesSupplies) {
    AddTestItem(&record.pSupplyInfo, &record.nSupplyInfo, 3);
    AddTestItem(&record.pCounterInfo, &record.nCounterInfo, 1)->dwValue = 5;
    EXPECT_EQ(Parse("KTQ:12345/80/60;MFG:M;", &record), 0u);
    ASSERT_EQ(record.nCounterInfo, 1u);
    EXPECT_EQ(record.pCounterInfo->wId, 1);
    EXPECT_EQ(record.pCounterInfo->dwSize, PAT_COUNTER_ITEM_SIZE);
    EXPECT_EQ(record.pCounterInfo->dwValue, 12345u);
    EXPECT_EQ(record.nSupplyInfo, 0u);
    EXPECT_EQ(record.pSupplyInfo, nullptr);
    EXPECT_EQ(Text(record.pMakerName), "M");
}

TEST_F(DeviceId, LongValuesAreCut) {
    const std::string longText(300, 'm');
    EXPECT_EQ(Parse(("MFG:" + longText + ";DES:D;").c_str(), &record), 0u);
    // The value stops full at 255 characters; its rest reads as the next key
    // ("mmm...;DES"), so the description after it is passed over.
    EXPECT_EQ(Text(record.pMakerName), longText.substr(0, 255));
    EXPECT_EQ(record.pDescription, nullptr);

    const std::string longStatus = "STS:10001,1," + std::string(400, 't') + ";";
    EXPECT_EQ(Parse(longStatus.c_str(), &record), 0u);
    ASSERT_EQ(record.nEngineStatus, 1u);
    EXPECT_EQ(strlen(record.pEngineStatus->szText), 255u - 2);  // "1," took two of the 255
}

TEST_F(DeviceId, TextWithoutTerminatorIsReadToItsLength) {
    const char bytes[] = "MFG:Maker;DES:Desc;MDL:Beyond;";
    EXPECT_EQ(ParseDeviceId(bytes, 18, &record), 0u);  // "MFG:Maker;DES:Desc"
    EXPECT_EQ(Text(record.pMakerName), "Maker");
    EXPECT_EQ(Text(record.pDescription), "Desc");
    EXPECT_EQ(record.pModelName, nullptr);
}

TEST(DeviceIdAllocation, FailuresLoseOneItemOrStopWithError8) {
    const char *deviceId = "MFG:Maker;MDL:Model;DES:Desc;STS:10001/40343,1,Jam;KTQ:42/1;";
    SweepAllocationFailures([&](long failAt) {
        PrnInfoEx record = MakeRecord();
        const uint32_t result = Parse(deviceId, &record);
        ExpectCountsMatchChains(record);
        // Allocation order: maker, model, description, two status items, counter.
        EXPECT_EQ(result, failAt == 1 || failAt == 3 ? 8u : 0u);
        if (failAt == 0) {
            EXPECT_EQ(record.nEngineStatus, 2u);
            EXPECT_EQ(record.nCounterInfo, 1u);
        }
        if (failAt == 2) {
            EXPECT_EQ(record.pModelName, nullptr);
            EXPECT_EQ(record.bModelIndex, 255);
        }
        if (failAt == 4) EXPECT_EQ(EngineStatus(record), (std::vector<Status>{{40343, 40343, "Jam"}}));
        ReleaseRecord(&record);
    });
}

}  // namespace
