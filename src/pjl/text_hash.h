// A cheap hash of a short text (FNV-1a), usable at compile time: equal texts
// have equal hashes, so a differing hash spares a comparison.
#pragma once

#include <stdint.h>

constexpr uint32_t kTextHashSeed = 2166136261u;

constexpr uint32_t TextHashStep(uint32_t hash, char c) { return (hash ^ static_cast<uint8_t>(c)) * 16777619u; }

constexpr uint32_t TextHash(const char *text) {
    uint32_t hash = kTextHashSeed;
    for (; *text != '\0'; ++text) hash = TextHashStep(hash, *text);
    return hash;
}

// The same hash of `length` characters that need no NUL after them.
constexpr uint32_t TextHash(const char *text, uint32_t length) {
    uint32_t hash = kTextHashSeed;
    for (uint32_t i = 0; i < length; ++i) hash = TextHashStep(hash, text[i]);
    return hash;
}
