// The dispatch tables indexed by a hash of their five strings, built at
// compile time, so the dispatcher finds the rows that match its context
// without comparing it with every row.  Rows of one hash keep the order of
// the walk they replace: the model table's rows in table order, then the
// common table's.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <array>

#include "reply_dispatch_tables.h"
#include "text_hash.h"

constexpr uint32_t kEmptyFieldHash = TextHash("");

// The hash of a whole context from the hashes of its five fields.
constexpr uint32_t DispatchKey(uint32_t command, uint32_t argument, uint32_t key, uint32_t item, uint32_t value) {
    return (((command * 31u + argument) * 31u + key) * 31u + item) * 31u + value;
}

constexpr uint32_t RowKey(const DispatchRow &row) {
    return DispatchKey(TextHash(row.command), TextHash(row.argument), TextHash(row.key),
                       TextHash(row.item), TextHash(row.value));
}

struct DispatchEntry {
    uint32_t key;
    const DispatchRow *row;
};

// Entries sorted by key; equal keys in the order of the linear walk.
struct DispatchIndex {
    const DispatchEntry *entries;
    uint32_t count;
};

// Every row of both tables (their sentinels left out), stably sorted by key.
template <size_t kModelRows, size_t kCommonRows>
constexpr std::array<DispatchEntry, kModelRows + kCommonRows> SortedDispatchEntries(const DispatchRow *model,
                                                                                    const DispatchRow *common) {
    std::array<DispatchEntry, kModelRows + kCommonRows> entries{};
    size_t n = 0;
    for (size_t i = 0; i < kModelRows; ++i) entries[n++] = {RowKey(model[i]), &model[i]};
    for (size_t i = 0; i < kCommonRows; ++i) entries[n++] = {RowKey(common[i]), &common[i]};
    // Insertion sort: stable, so rows of one key keep their walk order.
    for (size_t i = 1; i < n; ++i) {
        const DispatchEntry moving = entries[i];
        size_t j = i;
        for (; j > 0 && entries[j - 1].key > moving.key; --j) entries[j] = entries[j - 1];
        entries[j] = moving;
    }
    return entries;
}

// The first entry whose key is not below `key` (the end when there is none).
// Keys are hashes, spread evenly over their range: the search starts where
// the key would stand in an even spread and walks from there, a step or two.
inline const DispatchEntry *FirstEntryOfKey(const DispatchIndex &index, uint32_t key) {
    const DispatchEntry *entries = index.entries;
    uint32_t at = static_cast<uint32_t>((static_cast<uint64_t>(key) * index.count) >> 32);
    while (at > 0 && entries[at - 1].key >= key) --at;
    while (at < index.count && entries[at].key < key) ++at;
    return entries + at;
}

// kModelDispatchTable and kCommonDispatchTable.
extern const DispatchIndex kReplyDispatchIndex;
