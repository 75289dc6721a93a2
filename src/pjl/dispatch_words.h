// The words of the dispatch tables' rows, each known by a small number, so a
// context field is compared with the tables once, when it is set, and a row
// is matched by numbers instead of strings.
//
// A word of at most 32 characters is told apart from every other by its
// length and four pieces of 8 characters: the first and the last 8 and, for a
// word longer than 16, the 8 after the first and the 8 before the last (a
// shorter word is covered by smaller pieces the same way).  The pieces always
// lie inside the word, so a field of a reply is read without passing its end.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

// The longest word a dispatch row may hold; a context field is never longer
// (the handlers' token buffer keeps at most this many characters).
constexpr uint32_t kLongestDispatchWord = 32;

// Called where a table is built at compile time and does not fit: a call of
// a function that is not constexpr stops the compilation there.
inline void DispatchTablesDoNotFit() {}

// Word numbers: 0 is the empty word, 1 up to kStrangerWord - 1 the rows'
// words, kStrangerWord any text that is no row's word.  Six bits each, so a
// whole context fits in one 32-bit key.
constexpr uint32_t kEmptyWord = 0;
constexpr uint32_t kWordBits = 6;
constexpr uint32_t kStrangerWord = (1u << kWordBits) - 1;

// `count` (1, 4 or 8) characters as one little-endian number: one load when
// the program runs, the characters one by one when the compiler builds the
// tables.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a load's number is the characters' little-endian one");
constexpr uint64_t WordPiece(const char *text, uint32_t count) {
    if (!__builtin_is_constant_evaluated()) {
        if (count == 8) {
            uint64_t piece = 0;
            memcpy(&piece, text, 8);
            return piece;
        }
        if (count == 4) {
            uint32_t piece = 0;
            memcpy(&piece, text, 4);
            return piece;
        }
    }
    uint64_t piece = 0;
    for (uint32_t i = 0; i < count; ++i) piece |= static_cast<uint64_t>(static_cast<uint8_t>(text[i])) << (8 * i);
    return piece;
}

// What tells a word apart: its length and the pieces described above.
struct WordPieces {
    uint64_t head = 0;
    uint64_t tail = 0;
    uint32_t length = 0;
    uint64_t middleHead = 0;  // only a word longer than 16 has middle pieces
    uint64_t middleTail = 0;
};

constexpr uint32_t kLongestWordWithoutMiddle = 16;

// The length and end pieces of `length` (at most kLongestDispatchWord)
// characters at `text`; only those characters are read.  The middle pieces
// are left out: most words have none, and a search compares them only with
// a word whose ends are the same.
constexpr WordPieces EndPiecesOf(const char *text, uint32_t length) {
    WordPieces pieces;
    pieces.length = length;
    if (length >= 8) {
        pieces.head = WordPiece(text, 8);
        pieces.tail = WordPiece(text + length - 8, 8);
    } else if (length >= 4) {
        pieces.head = WordPiece(text, 4);
        pieces.tail = WordPiece(text + length - 4, 4);
    } else if (length > 0) {
        // One to three characters: the first, the middle one and the last.
        pieces.head = WordPiece(text, 1) | WordPiece(text + length / 2, 1) << 8 | WordPiece(text + length - 1, 1) << 16;
    }
    return pieces;
}

// Whether a word longer than 16 whose ends are those of the text at `text`
// has the text's middle pieces too.
constexpr bool MiddlesMatch(const WordPieces &word, const char *text) {
    return word.middleHead == WordPiece(text + 8, 8) && word.middleTail == WordPiece(text + word.length - 16, 8);
}

// All the pieces of the text, for the table.
constexpr WordPieces PiecesOf(const char *text, uint32_t length) {
    WordPieces pieces = EndPiecesOf(text, length);
    if (length > kLongestWordWithoutMiddle) {
        pieces.middleHead = WordPiece(text + 8, 8);
        pieces.middleTail = WordPiece(text + length - 16, 8);
    }
    return pieces;
}

// Which slot of the word table a word's search starts at (slots: a power of
// two).  The two end pieces hold the characters that tell the family's names
// apart ("INTRAY1SIZE", "INTRAY2SIZE"); the middle ones are left to the
// comparison.
constexpr uint32_t WordSlot(const WordPieces &pieces, uint32_t slotBits) {
    const uint32_t mixed = (static_cast<uint32_t>(pieces.head) * 0x9E3779B1u) ^ static_cast<uint32_t>(pieces.head >> 32) ^
                           (static_cast<uint32_t>(pieces.tail) * 0x85EBCA77u) ^ static_cast<uint32_t>(pieces.tail >> 32) ^
                           pieces.length;
    return (mixed * 0xC2B2AE3Du) >> (32 - slotBits);
}

constexpr uint32_t TextLength(const char *text) {
    uint32_t length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

// The rows' distinct words, found by their pieces through an open-addressed
// table of word numbers.
struct DispatchWords {
    static constexpr uint32_t kSlotBits = 7;
    static constexpr uint32_t kSlots = 1u << kSlotBits;
    static constexpr uint8_t kFreeSlot = 0;  // no word is numbered 0 here: the empty word is never looked up

    WordPieces word[kStrangerWord];  // by number; word[0] unused
    uint32_t count = 0;              // words numbered 1 to count
    uint8_t slot[kSlots] = {};

    // The number of the word at `text` (length characters, at most
    // kLongestDispatchWord), kStrangerWord when no row holds it.  Inlined:
    // the dispatcher looks a word up for nearly every token it takes.
    [[gnu::always_inline]] constexpr uint32_t NumberOf(const char *text, uint32_t length) const {
        if (length == 0) return kEmptyWord;
        const WordPieces ends = EndPiecesOf(text, length);
        for (uint32_t at = WordSlot(ends, kSlotBits);; at = (at + 1) & (kSlots - 1)) {
            const uint8_t number = slot[at];
            if (number == kFreeSlot) return kStrangerWord;
            const WordPieces &candidate = word[number];
            if (candidate.head == ends.head && candidate.tail == ends.tail && candidate.length == length &&
                (length <= kLongestWordWithoutMiddle || MiddlesMatch(candidate, text))) {
                return number;
            }
        }
    }

    // Numbers the NUL-ended `text` when it is new; a build that holds more
    // words than numbers or a word longer than a field fails to compile.
    constexpr void Add(const char *text) {
        const uint32_t length = TextLength(text);
        if (length == 0 || NumberOf(text, length) != kStrangerWord) return;
        if (length > kLongestDispatchWord || count + 1 >= kStrangerWord || 2 * (count + 1) > kSlots) {
            DispatchTablesDoNotFit();  // a word too long, or too many of them
        }
        const WordPieces pieces = PiecesOf(text, length);
        word[++count] = pieces;
        uint32_t at = WordSlot(pieces, kSlotBits);
        while (slot[at] != kFreeSlot) at = (at + 1) & (kSlots - 1);
        slot[at] = static_cast<uint8_t>(count);
    }
};
