// A cheap hash of a short text, usable at compile time: equal texts have
// equal hashes, so a differing hash spares a comparison.  FNV-1a's step taken
// four characters at a time (the words compared are about a dozen long), and
// the high half folded into the low one, where the argument table's slots and
// not the multiplication's carries would otherwise see only every fourth
// character.
#pragma once

#include <stdint.h>

constexpr uint32_t kTextHashSeed = 2166136261u;
constexpr uint32_t kTextHashPrime = 16777619u;

// Four characters as one little-endian number; the compiler makes it one load.
constexpr uint32_t TextHashChunk(const char *p) {
    return static_cast<uint32_t>(static_cast<uint8_t>(p[0])) | static_cast<uint32_t>(static_cast<uint8_t>(p[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(p[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(p[3])) << 24;
}

// The hash of `length` characters that need no NUL after them.
constexpr uint32_t TextHash(const char *text, uint32_t length) {
    uint32_t hash = kTextHashSeed;
    uint32_t i = 0;
    for (; i + 4 <= length; i += 4) hash = (hash ^ TextHashChunk(text + i)) * kTextHashPrime;
    for (; i < length; ++i) hash = (hash ^ static_cast<uint8_t>(text[i])) * kTextHashPrime;
    return hash ^ (hash >> 16);
}

// The same hash of a NUL-ended text.
constexpr uint32_t TextHash(const char *text) {
    uint32_t length = 0;
    while (text[length] != '\0') ++length;
    return TextHash(text, length);
}
