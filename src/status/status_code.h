// Status codes as the tables see them: their decimal form, and code patterns
// in which a lowercase letter stands for any one character ("410yy").
#pragma once

#include <stdint.h>

// Room for the longest decimal form, "4294967295", and its terminator.
constexpr uint32_t kDecimalCodeSize = 11;

// The code whose decimal form a table key is, when the key is one (digits
// only, no leading zero, within 32 bits); kNotACode for a code pattern.  The
// compiler works it out for every row, so a lookup compares numbers where
// it compared each row's text with the code's.
constexpr uint64_t kNotACode = uint64_t{1} << 32;
constexpr uint64_t ExactCodeOf(const char *key) {
    if (key == nullptr || key[0] == '\0' || (key[0] == '0' && key[1] != '\0')) return kNotACode;
    uint64_t value = 0;
    for (const char *p = key; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return kNotACode;
        value = value * 10 + static_cast<uint64_t>(*p - '0');
        if (value > 0xFFFFFFFFu) return kNotACode;
    }
    return value;
}

void FormatStatusCode(uint32_t code, char (&decimal)[kDecimalCodeSize]);

// 1 when the decimal form has the pattern's length and equals it wherever the
// pattern has no lowercase letter, else 0.  In line, as every lookup tries it
// on a whole table.
inline int MatchCodePattern(const char *decimal, const char *pattern) {
    for (; *decimal != '\0' && *pattern != '\0'; ++decimal, ++pattern) {
        const bool wildcard = *pattern >= 'a' && *pattern <= 'z';
        if (*decimal != *pattern && !wildcard) return 0;
    }
    return *decimal == '\0' && *pattern == '\0';
}

// Whether two texts are the same, compared in line: the tables' exact rows
// are looked up this way, as a call of strcmp per row cost more than the
// comparison itself (most rows differ in their first or second character).
constexpr bool SameCodeText(const char *a, const char *b) {
    for (; *a == *b; ++a, ++b) {
        if (*a == '\0') return true;
    }
    return false;
}
