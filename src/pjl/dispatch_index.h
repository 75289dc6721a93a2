// The dispatch tables indexed by their rows' words, built at compile time, so
// the dispatcher finds the rows that match its context without comparing it
// with any row.  Each of a context's five fields is a word number
// (dispatch_words.h), found once when the field is set; the five numbers make
// the context's key, and the rows of a key are those whose five words are the
// context's, in the order of the walk they replace: the model table's rows in
// table order, then the common table's.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <initializer_list>

#include "dispatch_words.h"
#include "reply_dispatch_tables.h"

// A context's fields, in the order of their numbers in a key.
enum DispatchField : uint32_t { kCommandField, kArgumentField, kKeyField, kItemField, kValueField, kDispatchFields };

// Where a field's word number stands in a key.
constexpr uint32_t FieldShift(uint32_t field) { return (kDispatchFields - 1 - field) * kWordBits; }

// The key of a context from its fields' word numbers.
constexpr uint32_t DispatchKey(uint32_t command, uint32_t argument, uint32_t key, uint32_t item, uint32_t value) {
    return command << FieldShift(kCommandField) | argument << FieldShift(kArgumentField) | key << FieldShift(kKeyField) |
           item << FieldShift(kItemField) | value << FieldShift(kValueField);
}

// The rows a context matches, in the order they are called.
struct DispatchRows {
    const DispatchRow *const *begin;
    const DispatchRow *const *end;
};

struct DispatchIndex {
    static constexpr uint32_t kMaxRows = 128;
    static constexpr uint32_t kKeySlotBits = 7;
    static constexpr uint32_t kKeySlots = 1u << kKeySlotBits;
    static constexpr uint32_t kFreeKey = ~0u;  // keys use 30 bits

    // The rows of one key: row[first] to row[first + count - 1].
    struct KeySlot {
        uint32_t key = kFreeKey;
        uint8_t first = 0;
        uint8_t count = 0;
    };

    DispatchWords words;
    const DispatchRow *row[kMaxRows] = {};  // grouped by key, each group in walk order
    uint32_t rowCount = 0;
    KeySlot keySlot[kKeySlots];  // open-addressed by KeySlotOf

    static constexpr uint32_t KeySlotOf(uint32_t key) { return (key * 0x9E3779B1u) >> (32 - kKeySlotBits); }

    // The rows whose five words make `key`; none for a key no row has.
    constexpr DispatchRows RowsOf(uint32_t key) const {
        for (uint32_t at = KeySlotOf(key);; at = (at + 1) & (kKeySlots - 1)) {
            const KeySlot &slot = keySlot[at];
            if (slot.key == key) return {row + slot.first, row + slot.first + slot.count};
            if (slot.key == kFreeKey) return {row, row};
        }
    }

    // The key of a row whose words are all numbered.
    constexpr uint32_t KeyOf(const DispatchRow &tableRow) const {
        const char *const text[kDispatchFields] = {tableRow.command, tableRow.argument, tableRow.key, tableRow.item,
                                                   tableRow.value};
        uint32_t key = 0;
        for (uint32_t field = 0; field < kDispatchFields; ++field) {
            key |= words.NumberOf(text[field], TextLength(text[field])) << FieldShift(field);
        }
        return key;
    }
};

// The index of the model table's `modelRows` rows and the common table's
// `commonRows` (their sentinels left out).
constexpr DispatchIndex BuildDispatchIndex(const DispatchRow *model, size_t modelRows, const DispatchRow *common,
                                           size_t commonRows) {
    DispatchIndex index{};
    if (modelRows + commonRows > DispatchIndex::kMaxRows) DispatchTablesDoNotFit();
    for (size_t i = 0; i < modelRows + commonRows; ++i) {
        index.row[index.rowCount++] = i < modelRows ? &model[i] : &common[i - modelRows];
    }
    for (uint32_t i = 0; i < index.rowCount; ++i) {
        const DispatchRow &row = *index.row[i];
        for (const char *word : {row.command, row.argument, row.key, row.item, row.value}) index.words.Add(word);
    }
    // Group the rows by key, each group in walk order: a stable insertion sort.
    uint32_t key[DispatchIndex::kMaxRows] = {};
    for (uint32_t i = 0; i < index.rowCount; ++i) key[i] = index.KeyOf(*index.row[i]);
    for (uint32_t i = 1; i < index.rowCount; ++i) {
        const uint32_t movingKey = key[i];
        const DispatchRow *const movingRow = index.row[i];
        uint32_t j = i;
        for (; j > 0 && key[j - 1] > movingKey; --j) {
            key[j] = key[j - 1];
            index.row[j] = index.row[j - 1];
        }
        key[j] = movingKey;
        index.row[j] = movingRow;
    }
    uint32_t keys = 0;
    for (uint32_t first = 0, next = 0; first < index.rowCount; first = next) {
        while (next < index.rowCount && key[next] == key[first]) ++next;
        if (2 * ++keys > DispatchIndex::kKeySlots) DispatchTablesDoNotFit();
        uint32_t at = DispatchIndex::KeySlotOf(key[first]);
        while (index.keySlot[at].key != DispatchIndex::kFreeKey) at = (at + 1) & (DispatchIndex::kKeySlots - 1);
        index.keySlot[at] = {key[first], static_cast<uint8_t>(first), static_cast<uint8_t>(next - first)};
    }
    return index;
}

// kModelDispatchTable and kCommonDispatchTable.
extern const DispatchIndex kReplyDispatchIndex;
