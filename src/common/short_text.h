// Short texts read and compared a machine word at a time.  The words a reply
// is made of are about a dozen characters: a call of memcmp or strcmp costs
// more than the comparison itself.  Everything here also runs in the
// compiler, which builds the word indexes from the same functions.
#pragma once

#include <stdint.h>
#include <string.h>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a piece is its characters' little-endian number");

// `count` (1 to 8) characters as one little-endian number: one load when the
// program runs, the characters one by one when the compiler evaluates it.
constexpr uint64_t LoadPiece(const char *text, uint32_t count) {
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

// Whether the n characters at a and at b are the same.  Reads none past
// either: the last piece compared overlaps the one before.
constexpr bool SameText(const char *a, const char *b, uint32_t n) {
    if (n >= 8) {
        for (uint32_t i = 0; i + 8 < n; i += 8) {
            if (LoadPiece(a + i, 8) != LoadPiece(b + i, 8)) return false;
        }
        return LoadPiece(a + n - 8, 8) == LoadPiece(b + n - 8, 8);
    }
    if (n >= 4) return LoadPiece(a, 4) == LoadPiece(b, 4) && LoadPiece(a + n - 4, 4) == LoadPiece(b + n - 4, 4);
    for (uint32_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

// The length of a NUL-ended text; the compiler works out a literal's.
constexpr uint32_t TextLength(const char *text) { return static_cast<uint32_t>(__builtin_strlen(text)); }

// Whether the `length` characters at `text` (no NUL among them) are the
// NUL-ended `name`.
constexpr bool TextIs(const char *text, uint32_t length, const char *name) {
    return TextLength(name) == length && SameText(text, name, length);
}
