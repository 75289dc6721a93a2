// Choosing the most urgent status codes and turning them into messages.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "common/growable_array.h"
#include "status/priority_tables.h"
#include "status/status_code.h"
#include "status/status_selection.h"
#include "support/alloc_sweep.h"
#include "support/status_fixture.h"

namespace {

constexpr uint32_t kNR = PAT_NO_RESPONSE_CODE;

TEST(CodePattern, MatchesLowercaseAsAnyCharacterAndNeedsEqualLength) {
    const struct {
        const char *decimal;
        const char *pattern;
        int match;
    } cases[] = {
        {"41000", "410yy", 1}, {"41099", "410yy", 1}, {"41023", "410yy", 1}, {"41100", "410yy", 0},
        {"4100", "410yy", 0},  {"410000", "410yy", 0}, {"41000", "41000", 1}, {"410001", "41000", 0},
        {"4100", "41000", 0},  {"", "", 1},            {"4", "", 0},          {"40800", "4080z", 1},
        {"4080A", "40800", 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(MatchCodePattern(c.decimal, c.pattern), c.match) << c.decimal << " ~ " << c.pattern;
    }
}

TEST(CodePattern, DecimalFormIsUnsigned) {
    char decimal[kDecimalCodeSize];
    FormatStatusCode(kNR, decimal);
    EXPECT_STREQ(decimal, "4294967042");
    FormatStatusCode(0xFFFFFFFFu, decimal);
    EXPECT_STREQ(decimal, "4294967295");
    FormatStatusCode(0, decimal);
    EXPECT_STREQ(decimal, "0");
}

// A row's key stands for a code exactly when the code's decimal form is the
// key's text: no leading zero, no wildcard, nothing past 32 bits.
TEST(CodePattern, ExactCodeOfAKeyIsTheCodeWhoseDecimalFormItIs) {
    const struct {
        const char *key;
        uint64_t code;
    } cases[] = {
        {"10001", 10001},      {"0", 0},          {"4294967295", 0xFFFFFFFFu}, {"4294967042", kNR},
        {"4294967296", kNotACode}, {"42949672950", kNotACode}, {"00", kNotACode}, {"010001", kNotACode},
        {"410yy", kNotACode},  {"STATUS_DEFAULT_BMP", kNotACode}, {"", kNotACode}, {nullptr, kNotACode},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ExactCodeOf(c.key), c.code) << (c.key != nullptr ? c.key : "null");
        if (c.code == kNotACode || c.key == nullptr) continue;
        char decimal[kDecimalCodeSize];
        FormatStatusCode(static_cast<uint32_t>(c.code), decimal);
        EXPECT_STREQ(decimal, c.key);
    }
}

TEST(LookUpPriority, ExactRowBeatsAnEarlierWildcardRow) {
    const struct {
        uint32_t code;
        uint16_t priority;
    } cases[] = {
        {41000, 2400},  // exact row, though "410yy" comes first
        {41023, 2500},  // wildcard "410yy"
        {41599, 2500},  {46099, 2900}, {45012, 2600}, {kNR, 1}, {10001, 10000}, {40763, 1100},
        {99999, 65535}, {4100, 65535}, {410000, 65535}, {41600, 65535},
    };
    for (const auto &c : cases) EXPECT_EQ(LookUpPriority(kPriorityTableT1, c.code), c.priority) << c.code;
    const PriorityRow wildcardOnly[] = {{"4yyyy", 7}, {"41yyy", 3}, {nullptr, 0}};
    EXPECT_EQ(LookUpPriority(wildcardOnly, 41000), 7) << "the first matching wildcard row wins";
}

std::vector<uint32_t> Codes(ArrayOf<uint32_t> &array) {
    std::vector<uint32_t> out;
    array.ForEach([&](uint32_t code) { out.push_back(code); });
    return out;
}

struct SelectionCase {
    const char *name;
    uint32_t sourceType;
    std::vector<uint32_t> engineCodes;
    bool noResponse;
    std::vector<uint32_t> selected;
};

TEST(SelectStatusCodes, KeepsTheMostUrgentCodesSortedAscending) {
    const SelectionCase cases[] = {
        {"equal priorities, sorted", 1, {10075, 10073}, false, {10073, 10075}},
        {"only 10001 is in T2", 2, {30013, 10001}, false, {10001}},
        {"nothing in the table: all kept", 1, {99999, 88888, 99999}, false, {88888, 99999, 99999}},
        {"empty list", 1, {}, false, {}},
        {"exact 41000 beats wildcard 41023", 1, {41023, 41000}, false, {41000}},
        {"ties keep duplicates", 1, {41500, 41000, 41500, 41200}, false, {41000, 41200, 41500, 41500}},
        {"no response alone", 4, {}, true, {kNR}},
        {"no response outranks", 8, {40763, 10001}, true, {kNR}},
        {"no response reported twice sorts with itself", 1, {kNR, 10001}, true, {kNR, kNR}},
        {"T8 for source type 8", 8, {10036, 10002}, false, {10036}},
        {"T1 for source type 8 with the reduced-set bit", 0x80000008u, {10036, 10002}, false, {10002}},
        {"T1 for source type 2 with the reduced-set bit", 0x80000002u, {10001, 10002}, false, {10002}},
        {"T4 service call", 4, {40763, 40800}, false, {40800}},
    };
    for (const SelectionCase &c : cases) {
        SCOPED_TRACE(c.name);
        TestRecord input;
        for (uint32_t code : c.engineCodes) input.WithStatus(code);
        if (c.noResponse) input.NoResponse();
        const StatusCallContext context = {c.sourceType, &input.record};
        ArrayOf<uint32_t> selected;
        ASSERT_TRUE(selected.Create(kSelectedCodesPerStep, 1));
        EXPECT_EQ(SelectStatusCodes(&context, selected), 0u);
        EXPECT_EQ(Codes(selected), c.selected);
        selected.Free();
    }
}

TEST(SelectStatusCodes, SourceTypeWithoutTableSelectsNothing) {
    TestRecord input;
    input.WithStatus(10001).NoResponse();
    for (uint32_t sourceType : {0x8000u, 0x80008000u}) {
        const StatusCallContext context = {sourceType, &input.record};
        ArrayOf<uint32_t> selected;
        ASSERT_TRUE(selected.Create(kSelectedCodesPerStep, 1));
        EXPECT_EQ(SelectStatusCodes(&context, selected), PAT_ERROR_MISSING_TABLE);
        EXPECT_EQ(selected.Count(), 0u);
        selected.Free();
    }
}

TEST(SelectStatusCodes, FollowsTheChainWhateverItsCountSays) {
    TestRecord input;
    input.WithStatuses({10073, 10075});
    const StatusCallContext context = {1, &input.record};
    for (uint32_t count : {0u, 1u, 1000u}) {
        input.record.nEngineStatus = count;
        ArrayOf<uint32_t> selected;
        ASSERT_TRUE(selected.Create(kSelectedCodesPerStep, 1));
        EXPECT_EQ(SelectStatusCodes(&context, selected), 0u);
        EXPECT_EQ(Codes(selected), (std::vector<uint32_t>{10073, 10075})) << "count " << count;
        selected.Free();
    }
}

TEST(SelectStatusCodes, ManyCodesGrowTheArrayAndStaySorted) {
    TestRecord input;
    std::vector<uint32_t> expected;
    for (uint32_t i = 0; i < 45; ++i) {
        input.WithStatus(99999 - i * 7);
        expected.insert(expected.begin(), 99999 - i * 7);
    }
    const StatusCallContext context = {2, &input.record};
    ArrayOf<uint32_t> selected;
        ASSERT_TRUE(selected.Create(kSelectedCodesPerStep, 1));
    EXPECT_EQ(SelectStatusCodes(&context, selected), 0u);
    EXPECT_EQ(Codes(selected), expected);
    selected.Free();
}

struct Message {
    uint32_t code;
    uint32_t detail;
    std::string extra;
    bool operator==(const Message &o) const { return code == o.code && detail == o.detail && extra == o.extra; }
};

std::ostream &operator<<(std::ostream &os, const Message &m) {
    return os << "{" << m.code << ", d" << m.detail << ", \"" << m.extra << "\"}";
}

std::vector<Message> MessagesOf(uint32_t sourceType, const TestRecord &input, uint32_t expectedResult = 0) {
    const StatusCallContext context = {sourceType, &input.record};
    ArrayOf<MessageEntry> messages;
    EXPECT_TRUE(messages.Create(kMessagesPerStep, 1));
    EXPECT_EQ(BuildMessageList(&context, messages), expectedResult);
    std::vector<Message> out;
    messages.ForEach([&](const MessageEntry &entry) {
        out.push_back({entry.messageCode, entry.detailIndex, entry.extraText});
    });
    messages.Free();
    return out;
}

struct MessageCase {
    const char *name;
    uint32_t sourceType;
    std::vector<uint32_t> engineCodes;
    std::vector<uint16_t> options;
    std::vector<Message> messages;
    bool noResponse = false;
};

TEST(BuildMessageList, EntriesPerSelectedCode) {
    const MessageCase cases[] = {
        {"toner low", 1, {10075, 10073}, {}, {{10073, 20, ""}, {10075, 18, ""}}},
        {"exact row 41000", 1, {41000}, {}, {{1041000, 5, ""}}},
        {"wildcard row 410yy", 1, {41023}, {}, {{41000, 5, ""}}},
        {"two rows for 42009", 1, {42009}, {}, {{42009, 10, ""}, {42009, 28, ""}}},
        {"no row", 1, {99999}, {}, {}},
        {"general table", 1, {30330}, {}, {{30330, 7, ""}}},
        {"reduced table lacks 30330", 0x80000001u, {30330}, {}, {}},
        {"reduced table", 0x80000004u, {10075}, {}, {{10075, 18, ""}}},
        {"no response", 8, {}, {}, {{kNR, 0, ""}}, true},
        {"misfeed 42000", 1, {42000}, {}, {{42000, 10, ""}}},
        {"misfeed 42000, option 104", 1, {42000}, {7, 104}, {{42000, 10, ""}, {42000, 15, ""}}},
        {"misfeed 42000, option 102", 1, {42000}, {102}, {{42000, 10, ""}, {42000, 15, ""}}},
        {"misfeed 42001", 1, {42001}, {102}, {{42001, 10, ""}}},
        {"misfeed 42001, option 114", 1, {42001}, {114}, {{42001, 10, ""}, {42001, 8, ""}, {42001, 9, ""}}},
        {"misfeed 42001, option 37", 0x80000001u, {42001}, {37}, {{42001, 10, ""}, {42001, 8, ""}, {42001, 9, ""}}},
        {"misfeed 42001, option 115", 1, {42001}, {115}, {{42001, 10, ""}, {42001, 8, ""}, {42001, 9, ""}}},
        {"two misfeeds", 1, {42001, 42000}, {}, {{42000, 10, ""}, {42001, 10, ""}}},
    };
    for (const MessageCase &c : cases) {
        SCOPED_TRACE(c.name);
        TestRecord input;
        for (uint32_t code : c.engineCodes) input.WithStatus(code);
        for (uint16_t option : c.options) input.WithOption(option);
        if (c.noResponse) input.NoResponse();
        EXPECT_EQ(MessagesOf(c.sourceType, input), c.messages);
    }
}

TEST(BuildMessageList, ServiceCodeIsTheTextFromTheLastSC) {
    const struct {
        const char *text;
        const char *serviceCode;
    } cases[] = {
        {"SC542", "SC542"},
        {"Error SC542 then SC 899-01", "SC 899-01"},
        {"ends in SC", "SC"},
        {"sc542 S C", ""},
        {"", ""},
        {"S", ""},
    };
    for (const auto &c : cases) {
        TestRecord input;
        input.WithStatus(40800, c.text);
        EXPECT_EQ(MessagesOf(1, input), (std::vector<Message>{{40800, 0, c.serviceCode}})) << c.text;
    }
}

TEST(BuildMessageList, ServiceCodeComesFromTheFirstServiceCallItem) {
    TestRecord input;
    input.WithStatus(10001, "SC111").WithStatus(40800, "first SC222").WithStatus(40800, "second SC333");
    EXPECT_EQ(MessagesOf(8, input), (std::vector<Message>{{40800, 0, "SC222"}, {40800, 0, "SC222"}}));
}

TEST(BuildMessageList, UnterminatedItemTextIsCutAt255Characters) {
    TestRecord input;
    input.WithStatus(40800);
    char *text = input.record.pEngineStatus->szText;
    memset(text, 'x', 256);  // no terminator anywhere in the field
    text[0] = 'S', text[1] = 'C';
    const std::vector<Message> messages = MessagesOf(1, input);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].extra, "SC" + std::string(253, 'x'));
}

TEST(BuildMessageList, SourceTypeWithoutTableFails) {
    TestRecord input;
    input.WithStatus(10001);
    EXPECT_TRUE(MessagesOf(0x8000, input, PAT_ERROR_MISSING_TABLE).empty());
}

TEST(BuildMessageList, FailedAllocationsLeaveNothingBehind) {
    TestRecord input;
    input.WithStatuses({42009, 42009, 41000});
    const StatusCallContext context = {1, &input.record};
    const long allocations = SweepAllocationFailures([&](long failAt) {
        ArrayOf<MessageEntry> messages;
        if (!messages.Create(1, 1)) return;
        const uint32_t result = BuildMessageList(&context, messages);
        EXPECT_TRUE(result == 0 || result == PAT_ERROR_NOT_ENOUGH_MEMORY) << result;
        if (failAt == 0) EXPECT_EQ(messages.Count(), 4u);
        messages.Free();
    });
    EXPECT_GT(allocations, 2);
}

}  // namespace
