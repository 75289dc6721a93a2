// The dispatch index finds, for any context, exactly the rows the linear walk
// of the model table and then the common table finds, in the same order.
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "pjl/dispatch_index.h"

namespace {

struct Context {
    const char *command, *argument, *key, *item, *value;
};

bool Matches(const DispatchRow &row, const Context &c) {
    return strcmp(row.command, c.command) == 0 && strcmp(row.argument, c.argument) == 0 &&
           strcmp(row.key, c.key) == 0 && strcmp(row.item, c.item) == 0 && strcmp(row.value, c.value) == 0;
}

std::vector<const DispatchRow *> WalkTables(const Context &c) {
    std::vector<const DispatchRow *> rows;
    for (const DispatchRow *table : {kModelDispatchTable, kCommonDispatchTable}) {
        for (const DispatchRow *row = table; row->command != nullptr; ++row) {
            if (Matches(*row, c)) rows.push_back(row);
        }
    }
    return rows;
}

std::vector<const DispatchRow *> LookUp(const Context &c) {
    const uint32_t key =
        DispatchKey(TextHash(c.command), TextHash(c.argument), TextHash(c.key), TextHash(c.item), TextHash(c.value));
    std::vector<const DispatchRow *> rows;
    const DispatchEntry *end = kReplyDispatchIndex.entries + kReplyDispatchIndex.count;
    for (const DispatchEntry *e = FirstEntryOfKey(kReplyDispatchIndex, key); e != end && e->key == key; ++e) {
        if (Matches(*e->row, c)) rows.push_back(e->row);
    }
    return rows;
}

TEST(DispatchIndex, FindsWhatTheWalkFindsInItsOrder) {
    std::vector<Context> contexts;
    for (const DispatchRow *table : {kModelDispatchTable, kCommonDispatchTable}) {
        for (const DispatchRow *row = table; row->command != nullptr; ++row) {
            contexts.push_back({row->command, row->argument, row->key, row->item, row->value});
        }
    }
    // Contexts no row answers: a cleared context, a prefix, a value set.
    contexts.push_back({"", "", "", "", ""});
    contexts.push_back({"INFO", "CONFI", "", "", ""});
    contexts.push_back({"INFO", "CONFIG", "IN TRAYS", "INTRAY4", "A4"});
    for (const Context &c : contexts) {
        SCOPED_TRACE(std::string(c.command) + "/" + c.argument + "/" + c.key + "/" + c.item + "/" + c.value);
        EXPECT_EQ(LookUp(c), WalkTables(c));
    }
    // Shared contexts call several rows, model rows first.
    const std::vector<const DispatchRow *> intray4 = LookUp({"INFO", "CONFIG", "IN TRAYS", "INTRAY4", ""});
    ASSERT_EQ(intray4.size(), 2u);
    EXPECT_EQ(intray4[0]->handler, HandleTrayPresent);
    EXPECT_EQ(intray4[1]->handler, HandleOption);
    EXPECT_EQ(kReplyDispatchIndex.count, contexts.size() - 3);
}

}  // namespace
