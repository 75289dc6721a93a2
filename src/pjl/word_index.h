// Words known to the compiler, each found by a small number: the words of the
// dispatch tables' rows and the names of each name table.  A word read from a
// reply is looked up once, in an open-addressed table of slots that the
// compiler fills, and from then on compared as a number.
#pragma once

#include <stdint.h>

#include "common/short_text.h"

// Called where an index is built at compile time and does not fit: a call of a
// function that is not constexpr stops the compilation there.
inline void WordIndexDoesNotFit() {}

// The one mixing function of the library's indexes: Fibonacci hashing.  The
// key is multiplied by 2^32 divided by the golden ratio (0x9E3779B9, odd, so
// the product keeps every bit of the key), which carries every bit of the key
// into the high bits of the product; the top `bits` bits of it pick the slot.
// Keys that differ in few bits (words one character apart, contexts one word
// apart) land far from each other, so a probe seldom meets a stranger.
constexpr uint32_t SpreadKey(uint32_t key, uint32_t bits) { return (key * 0x9E3779B9u) >> (32 - bits); }

// A word's key: its length and its first and last 8 characters (4 for a word
// of 4 to 7, each character of a shorter one), folded into 32 bits.  The
// family's words that look alike ("INTRAY1SIZE", "INTRAY2SIZE") differ in
// those; a longer word's middle is left to the comparison.
constexpr uint32_t WordKey(const char *text, uint32_t length) {
    uint64_t head = 0;
    uint64_t tail = 0;
    if (length >= 8) {
        head = LoadPiece(text, 8);
        tail = LoadPiece(text + length - 8, 8);
    } else if (length >= 4) {
        head = LoadPiece(text, 4);
        tail = LoadPiece(text + length - 4, 4);
    } else {
        head = LoadPiece(text, length);
    }
    const auto rotate = [](uint64_t piece, uint32_t by) {
        const uint32_t part = static_cast<uint32_t>(piece);
        return part << by | part >> (32 - by);
    };
    return static_cast<uint32_t>(head) ^ rotate(head >> 32, 7) ^ rotate(tail, 13) ^ rotate(tail >> 32, 19) ^ length;
}

// A word of an index, numbered by its place in `word` (1 on; 0: no word).
struct IndexedWord {
    const char *text;
    uint32_t length;
};

// An index whatever its size: what a lookup reads.
struct WordIndexView {
    const IndexedWord *word;
    const uint8_t *slot;  // word numbers; 0: a free slot
    uint32_t slotBits;
};

// The number of the `length` characters at `text` (no NUL among them), or 0
// when the index does not hold them.  Only those characters are read.
// Inlined: the dispatcher looks a word up for nearly every token it takes.
[[gnu::always_inline]] constexpr inline uint32_t FindWord(const WordIndexView &index, const char *text, uint32_t length) {
    const uint32_t mask = (1u << index.slotBits) - 1;
    for (uint32_t at = SpreadKey(WordKey(text, length), index.slotBits);; at = (at + 1) & mask) {
        const uint32_t number = index.slot[at];
        if (number == 0) return 0;
        const IndexedWord &word = index.word[number];
        if (word.length == length && SameText(word.text, text, length)) return number;
    }
}

// At least twice as many slots as words, so most lookups probe one slot.
constexpr uint32_t SlotBitsFor(uint32_t words) {
    uint32_t bits = 2;
    while ((1u << bits) < 2 * words) ++bits;
    return bits;
}

// An index of at most kMaxWords words (at most 254: a slot holds a byte).
template <uint32_t kMaxWords>
struct WordIndex {
    static_assert(kMaxWords < 255, "a slot holds a word number in a byte");
    static constexpr uint32_t kSlotBits = SlotBitsFor(kMaxWords);

    IndexedWord word[kMaxWords + 1] = {};
    uint8_t slot[1u << kSlotBits] = {};
    uint32_t count = 0;

    constexpr WordIndexView View() const { return {word, slot, kSlotBits}; }

    [[gnu::always_inline]] constexpr uint32_t Find(const char *text, uint32_t length) const {
        return FindWord(View(), text, length);
    }

    // The number of the NUL-ended `text`, numbered now if it is new; the
    // empty word is never numbered (0).
    constexpr uint32_t Add(const char *text) {
        const uint32_t length = TextLength(text);
        if (length == 0) return 0;
        const uint32_t known = Find(text, length);
        if (known != 0) return known;
        if (count == kMaxWords) WordIndexDoesNotFit();
        word[++count] = {text, length};
        const uint32_t mask = (1u << kSlotBits) - 1;
        uint32_t at = SpreadKey(WordKey(text, length), kSlotBits);
        while (slot[at] != 0) at = (at + 1) & mask;
        slot[at] = static_cast<uint8_t>(count);
        return count;
    }
};
