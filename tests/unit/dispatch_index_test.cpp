// The dispatch index finds, for any context, exactly the rows the linear walk
// of the model table and then the common table finds, in the same order; its
// word numbers tell every row's word from every other text.
#include <gtest/gtest.h>
#include <string.h>

#include <memory>
#include <set>
#include <string>
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

// The word number of `text`, read from a block of exactly its length (no NUL
// after it), as a reply's field is: a read past it is an ASan error.
uint32_t NumberOf(const std::string &text) {
    const std::unique_ptr<char[]> block(new char[text.size() + 1]);
    char *const field = block.get() + 1;  // an odd address, as a reply's words stand
    memcpy(field, text.data(), text.size());
    return kReplyDispatchIndex.NumberOf(field, static_cast<uint32_t>(text.size()));
}

std::vector<const DispatchRow *> LookUp(const Context &c) {
    const uint32_t number[] = {NumberOf(c.command), NumberOf(c.argument), NumberOf(c.key), NumberOf(c.item),
                               NumberOf(c.value)};
    for (uint32_t n : number) {
        if (n == kStrangerWord) return {};
    }
    const DispatchRows rows =
        kReplyDispatchIndex.RowsOf(DispatchKey(number[0], number[1], number[2], number[3], number[4]));
    return std::vector<const DispatchRow *>(rows.begin, rows.end);
}

std::set<std::string> RowWords() {
    std::set<std::string> words;
    for (const DispatchRow *table : {kModelDispatchTable, kCommonDispatchTable}) {
        for (const DispatchRow *row = table; row->command != nullptr; ++row) {
            for (const char *word : {row->command, row->argument, row->key, row->item, row->value}) {
                if (*word != '\0') words.insert(word);
            }
        }
    }
    return words;
}

TEST(DispatchIndex, FindsWhatTheWalkFindsInItsOrder) {
    std::vector<Context> contexts;
    for (const DispatchRow *table : {kModelDispatchTable, kCommonDispatchTable}) {
        for (const DispatchRow *row = table; row->command != nullptr; ++row) {
            contexts.push_back({row->command, row->argument, row->key, row->item, row->value});
        }
    }
    // Contexts no row answers: a cleared context, a prefix, a value set, row
    // words in the wrong fields.
    contexts.push_back({"", "", "", "", ""});
    contexts.push_back({"INFO", "CONFI", "", "", ""});
    contexts.push_back({"INFO", "CONFIG", "IN TRAYS", "INTRAY4", "A4"});
    contexts.push_back({"INFO", "CONFIG", "INTRAY4", "IN TRAYS", ""});
    contexts.push_back({"INQUIRE", "", "", "", ""});
    for (const Context &c : contexts) {
        SCOPED_TRACE(std::string(c.command) + "/" + c.argument + "/" + c.key + "/" + c.item + "/" + c.value);
        EXPECT_EQ(LookUp(c), WalkTables(c));
    }
    // Shared contexts call several rows, model rows first.
    const std::vector<const DispatchRow *> intray4 = LookUp({"INFO", "CONFIG", "IN TRAYS", "INTRAY4", ""});
    ASSERT_EQ(intray4.size(), 2u);
    EXPECT_EQ(intray4[0]->handler, HandleTrayPresent);
    EXPECT_EQ(intray4[1]->handler, HandleOption);
    EXPECT_EQ(kReplyDispatchIndex.rowCount, contexts.size() - 5);
}

// Every row word has a number of its own; a text that differs from one in a
// single character anywhere, or is a character shorter or longer, has none.
// The changed characters reach every piece a word is told apart by.
TEST(DispatchIndex, NumbersExactlyTheRowWords) {
    const std::set<std::string> words = RowWords();
    std::set<uint32_t> numbers;
    EXPECT_EQ(NumberOf(""), kEmptyWord);
    for (const std::string &word : words) {
        SCOPED_TRACE(word);
        const uint32_t number = NumberOf(word);
        EXPECT_NE(number, kEmptyWord);
        EXPECT_NE(number, kStrangerWord);
        numbers.insert(number);
        std::vector<std::string> others = {word.substr(0, word.size() - 1), word + " ", "X" + word};
        for (size_t at = 0; at < word.size(); ++at) {
            others.push_back(word);
            others.back()[at] = word[at] == 'X' ? 'Y' : 'X';
        }
        for (const std::string &other : others) {
            if (other.empty() || words.count(other) != 0) continue;
            EXPECT_EQ(NumberOf(other), kStrangerWord) << other;
        }
    }
    EXPECT_EQ(numbers.size(), words.size());
    EXPECT_EQ(kReplyDispatchIndex.words.count, words.size());
    // The longest field a reply gives.
    EXPECT_EQ(NumberOf(std::string(kLongestDispatchWord, 'A')), kStrangerWord);
}

}  // namespace
