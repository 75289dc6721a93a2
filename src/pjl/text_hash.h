// A cheap hash of a short text (FNV-1a), usable at compile time: equal texts
// have equal hashes, so a differing hash spares a comparison.
#pragma once

#include <stdint.h>

constexpr uint32_t TextHash(const char *text) {
    uint32_t hash = 2166136261u;
    for (; *text != '\0'; ++text) hash = (hash ^ static_cast<uint8_t>(*text)) * 16777619u;
    return hash;
}
