// The priority and message tables as transcribed: a dropped, added or moved
// row changes a count or a pinned row.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "status/message_tables.h"
#include "status/priority_tables.h"

namespace {

template <typename Row>
size_t RowCount(const Row *table) {
    size_t n = 0;
    while (table[n].pattern != nullptr) ++n;
    return n;
}

struct PinnedPriority {
    size_t row;
    const char *pattern;
    uint16_t priority;
};

void ExpectRows(const PriorityRow *table, std::initializer_list<PinnedPriority> pins) {
    for (const PinnedPriority &pin : pins) {
        SCOPED_TRACE(testing::Message() << "row " << pin.row);
        EXPECT_STREQ(table[pin.row].pattern, pin.pattern);
        EXPECT_EQ(table[pin.row].priority, pin.priority);
    }
}

TEST(PriorityTables, RowCountsAndPinnedRows) {
    EXPECT_EQ(RowCount(kPriorityTableT1), 162u);
    EXPECT_EQ(RowCount(kPriorityTableT2), 28u);
    EXPECT_EQ(RowCount(kPriorityTableT4), 74u);
    EXPECT_EQ(RowCount(kPriorityTableT8), 120u);
    ExpectRows(kPriorityTableT1, {{0, "10001", 10000}, {1, "4294967042", 1}, {41, "30301", 5100},
                                  {92, "460yy", 2900}, {110, "450yy", 2600}, {117, "41000", 2400},
                                  {137, "40200", 2150}, {161, "40763", 1100}});
    ExpectRows(kPriorityTableT2, {{0, "10001", 2800}, {1, "4294967042", 1}, {15, "40800", 30},
                                  {16, "310033", 1000}, {27, "50101", 300}});
    ExpectRows(kPriorityTableT4, {{0, "10001", 3000}, {33, "30610", 2540}, {63, "40800", 10},
                                  {68, "630001", 2520}, {73, "610002", 200}});
    ExpectRows(kPriorityTableT8, {{0, "10001", 2500}, {9, "50109", 2100}, {67, "450yy", 660},
                                  {112, "40763", 10}, {113, "310033", 2350}, {119, "340200", 570}});
}

TEST(PriorityTables, MapIsKeyedByTheWholeArgument) {
    const struct {
        uint32_t sourceType;
        const PriorityRow *table;
    } cases[] = {
        {0x1, kPriorityTableT1}, {0x2, kPriorityTableT2}, {0x4, kPriorityTableT4}, {0x8, kPriorityTableT8},
        {0x80000001u, kPriorityTableT1}, {0x80000002u, kPriorityTableT1}, {0x80000004u, kPriorityTableT1},
        {0x80000008u, kPriorityTableT1}, {0x8000, nullptr}, {0x80008000u, nullptr}, {0x10001, nullptr},
    };
    for (const auto &c : cases) EXPECT_EQ(FindPriorityTable(c.sourceType), c.table) << std::hex << c.sourceType;
}

struct PinnedMessage {
    size_t row;
    const char *pattern;
    uint32_t messageCode;
    uint32_t detailIndex;
};

void ExpectRows(const MessageRow *table, std::initializer_list<PinnedMessage> pins) {
    for (const PinnedMessage &pin : pins) {
        SCOPED_TRACE(testing::Message() << "row " << pin.row);
        EXPECT_STREQ(table[pin.row].pattern, pin.pattern);
        EXPECT_EQ(table[pin.row].messageCode, pin.messageCode);
        EXPECT_EQ(table[pin.row].detailIndex, pin.detailIndex);
    }
}

TEST(MessageTables, RowCountsAndPinnedRows) {
    EXPECT_EQ(RowCount(kGeneralMessageTable), 184u);
    EXPECT_EQ(RowCount(kReducedMessageTable), 50u);
    ExpectRows(kGeneralMessageTable,
               {{0, "10001", 10001, 0}, {1, "4294967042", 4294967042u, 0}, {25, "30330", 30330, 7},
                {92, "460yy", 46000, 5}, {110, "450yy", 45000, 0}, {117, "41000", 1041000, 5},
                {138, "40261", 40261, 28}, {159, "42009", 42009, 10}, {160, "42009", 42009, 28},
                {161, "40800", 40800, 0}, {167, "240101", 240101, 27}, {183, "340200", 340200, 0}});
    ExpectRows(kReducedMessageTable, {{0, "10001", 10001, 0}, {10, "10075", 10075, 18}, {25, "30721", 30721, 5},
                                      {45, "40800", 40800, 0}, {49, "50101", 50101, 0}});
}

TEST(MessageTables, ReducedSetBitChoosesTheReducedTable) {
    EXPECT_EQ(MessageTableFor(0x1), kGeneralMessageTable);
    EXPECT_EQ(MessageTableFor(0x8000), kGeneralMessageTable);
    EXPECT_EQ(MessageTableFor(0x80000001u), kReducedMessageTable);
}

// Every pattern is a decimal code or a code with lowercase wildcards.
TEST(StatusTables, PatternsAreDigitsOrLowercase) {
    const PriorityRow *priorityTables[] = {kPriorityTableT1, kPriorityTableT2, kPriorityTableT4, kPriorityTableT8};
    for (const PriorityRow *table : priorityTables) {
        for (const PriorityRow *row = table; row->pattern != nullptr; ++row) {
            EXPECT_EQ(strspn(row->pattern, "0123456789y"), strlen(row->pattern)) << row->pattern;
        }
    }
    for (const MessageRow *table : {kGeneralMessageTable, kReducedMessageTable}) {
        for (const MessageRow *row = table; row->pattern != nullptr; ++row) {
            EXPECT_EQ(strspn(row->pattern, "0123456789y"), strlen(row->pattern)) << row->pattern;
        }
    }
}

}  // namespace
