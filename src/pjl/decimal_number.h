// Numbers in printer texts: leading white space, an optional sign and decimal
// digits, read as far as they go (no digits: 0), as a 32-bit signed value.
//
// The value is what strtol(text, nullptr, 10) gives, cast to 32 bits, on
// every input: the number is accumulated in a long and clamped to its range
// as strtol clamps it (64 bits on x86-64 Linux, 32 bits on i386 and on
// Windows), and only then cut to 32 bits.  strtol itself costs a call into
// the C library, its locale's character table and its base handling, several
// hundred instructions for a number a handler reads several times per reply.
#pragma once

#include <limits.h>
#include <stdint.h>

namespace decimal_number_detail {

// The white space strtol skips in the "C" locale.
constexpr bool IsLeadingSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads from p while `atEnd(p)` is false; NUL stops every step by itself.
template <typename AtEnd>
constexpr int32_t ReadDecimal(const char *p, AtEnd atEnd) {
    while (!atEnd(p) && IsLeadingSpace(*p)) ++p;
    bool negative = false;
    if (!atEnd(p) && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // strtol's bound for the sign read: LONG_MAX, or the magnitude of LONG_MIN.
    const unsigned long limit = negative ? 0UL - static_cast<unsigned long>(LONG_MIN) : static_cast<unsigned long>(LONG_MAX);
    unsigned long value = 0;
    for (; !atEnd(p) && *p >= '0' && *p <= '9'; ++p) {
        const unsigned long digit = static_cast<unsigned long>(*p - '0');
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    const unsigned long signedValue = negative ? 0UL - value : value;
    return static_cast<int32_t>(static_cast<uint32_t>(signedValue));
}

}  // namespace decimal_number_detail

// The number at the start of a NUL-ended text.
constexpr int32_t DecimalNumber(const char *text) {
    return decimal_number_detail::ReadDecimal(text, [](const char *) { return false; });
}

// The number at the start of the characters [begin, end), which hold no NUL
// the reading would have to stop at (a NUL stops it all the same).
constexpr int32_t DecimalNumber(const char *begin, const char *end) {
    return decimal_number_detail::ReadDecimal(begin, [end](const char *p) { return p >= end; });
}
