// The name tables' indexes against the walk through their rows, which is
// what they stand in for: every name of every table, and words that are not
// names but come close to them.
#include <gtest/gtest.h>

#include <ctype.h>
#include <string.h>

#include <string>
#include <vector>

#include "pjl/reply_name_tables.h"

namespace {

struct Table {
    const char *title;
    const NameTableRow *rows;
    const NameIndex &index;
};

// Each name, and the near misses a printer could send: cut short, run on,
// in other case, and the empty word.
std::vector<std::string> WordsNear(const NameTableRow *rows) {
    std::vector<std::string> words = {"", " ", "X"};
    for (const NameTableRow *row = rows; row->name != nullptr; ++row) {
        const std::string name = row->name;
        words.push_back(name);
        words.push_back(name + "X");
        if (!name.empty()) words.push_back(name.substr(0, name.size() - 1));
        std::string lower = name;
        for (char &c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        words.push_back(lower);
    }
    return words;
}

TEST(IndexedNames, FindWhatTheWalkThroughTheRowsFinds) {
    const Table tables[] = {
        {"paper size", kPaperSizeNames, kPaperSizeIndex},      {"media type", kMediaTypeNames, kMediaTypeIndex},
        {"paper level", kPaperLevelNames, kPaperLevelIndex},   {"print tray", kPrintTrayNames, kPrintTrayIndex},
        {"emulation", kEmulationNames, kEmulationIndex},       {"memory usage", kMemoryUsageNames, kMemoryUsageIndex},
        {"image rotation", kImageRotationNames, kImageRotationIndex},
    };
    for (const Table &table : tables) {
        for (const std::string &word : WordsNear(table.rows)) {
            SCOPED_TRACE(std::string(table.title) + " \"" + word + "\"");
            // Followed by characters that are not the word's, as in a reply.
            const std::string inReply = word + "ABCD\r\n";
            EXPECT_EQ(LookupName(inReply.c_str(), static_cast<uint32_t>(word.size()), table.index),
                      LookupName(word.c_str(), table.rows));
        }
    }
}

}  // namespace
