// The dispatch tables indexed by their rows' words, built at compile time, so
// the dispatcher finds the rows that match its context without comparing it
// with any row.  Each of a context's five fields is a word number
// (word_index.h), found once when the field is set; the five numbers make
// the context's key, and the rows of a key are those whose five words are the
// context's, in table order: the model table's rows, then the common table's.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <initializer_list>

#include "reply_dispatch_tables.h"
#include "word_index.h"

// The longest word a dispatch row may hold; a context field is never longer
// (the handlers' token buffer keeps at most this many characters).
constexpr uint32_t kLongestDispatchWord = 32;

// Word numbers in a key: 0 is the empty word, 1 up to kStrangerWord - 1 the
// rows' words, kStrangerWord any text that is no row's word.  Six bits each,
// so a whole context fits in one 32-bit key.
constexpr uint32_t kEmptyWord = 0;
constexpr uint32_t kWordBits = 6;
constexpr uint32_t kStrangerWord = (1u << kWordBits) - 1;

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

    WordIndex<kStrangerWord - 1> words;
    const DispatchRow *row[kMaxRows] = {};  // grouped by key, each group in table order
    uint32_t rowCount = 0;
    KeySlot keySlot[kKeySlots];  // open-addressed, the slot picked by SpreadKey

    // The number of the `length` characters at `text` (at most
    // kLongestDispatchWord) in a key.
    [[gnu::always_inline]] constexpr uint32_t NumberOf(const char *text, uint32_t length) const {
        const uint32_t number = words.Find(text, length);
        return number != 0 || length == 0 ? number : kStrangerWord;
    }

    // The rows whose five words make `key`; none for a key no row has.
    constexpr DispatchRows RowsOf(uint32_t key) const {
        for (uint32_t at = SpreadKey(key, kKeySlotBits);; at = (at + 1) & (kKeySlots - 1)) {
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
            key |= NumberOf(text[field], TextLength(text[field])) << FieldShift(field);
        }
        return key;
    }
};

// The index of the model table's `modelRows` rows and the common table's
// `commonRows` (their sentinels left out).
constexpr DispatchIndex BuildDispatchIndex(const DispatchRow *model, size_t modelRows, const DispatchRow *common,
                                           size_t commonRows) {
    DispatchIndex index{};
    if (modelRows + commonRows > DispatchIndex::kMaxRows) WordIndexDoesNotFit();
    for (size_t i = 0; i < modelRows + commonRows; ++i) {
        index.row[index.rowCount++] = i < modelRows ? &model[i] : &common[i - modelRows];
    }
    for (uint32_t i = 0; i < index.rowCount; ++i) {
        const DispatchRow &row = *index.row[i];
        for (const char *word : {row.command, row.argument, row.key, row.item, row.value}) {
            if (TextLength(word) > kLongestDispatchWord) WordIndexDoesNotFit();
            index.words.Add(word);
        }
    }
    // Group the rows by key, each group in table order: a stable insertion sort.
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
        if (2 * ++keys > DispatchIndex::kKeySlots) WordIndexDoesNotFit();
        uint32_t at = SpreadKey(key[first], DispatchIndex::kKeySlotBits);
        while (index.keySlot[at].key != DispatchIndex::kFreeKey) at = (at + 1) & (DispatchIndex::kKeySlots - 1);
        index.keySlot[at] = {key[first], static_cast<uint8_t>(first), static_cast<uint8_t>(next - first)};
    }
    return index;
}

// kModelDispatchTable and kCommonDispatchTable.
extern const DispatchIndex kReplyDispatchIndex;
