// Comparing short texts in place, a machine word at a time: the words the
// completeness check and the name lookups compare are about a dozen
// characters, and a call of memcmp costs more than the comparison.
#pragma once

#include <stdint.h>
#include <string.h>

inline uint32_t LoadWord4(const char *p) {
    uint32_t value;
    memcpy(&value, p, sizeof value);
    return value;
}

inline uint64_t LoadWord8(const char *p) {
    uint64_t value;
    memcpy(&value, p, sizeof value);
    return value;
}

// Whether the n characters at a and at b are the same; reads none past
// either (the last word compared overlaps the one before).
inline bool SameText(const char *a, const char *b, uint32_t n) {
    if (n >= 8) {
        for (uint32_t i = 0; i + 8 < n; i += 8) {
            if (LoadWord8(a + i) != LoadWord8(b + i)) return false;
        }
        return LoadWord8(a + n - 8) == LoadWord8(b + n - 8);
    }
    if (n >= 4) return LoadWord4(a) == LoadWord4(b) && LoadWord4(a + n - 4) == LoadWord4(b + n - 4);
    for (uint32_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}
