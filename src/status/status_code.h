// Status codes as the tables see them: their decimal form, and code patterns
// in which a lowercase letter stands for any one character ("410yy").
#pragma once

#include <stdint.h>

// Room for the longest decimal form, "4294967295", and its terminator.
constexpr uint32_t kDecimalCodeSize = 11;

void FormatStatusCode(uint32_t code, char (&decimal)[kDecimalCodeSize]);

// 1 when the decimal form has the pattern's length and equals it wherever the
// pattern has no lowercase letter, else 0.
int MatchCodePattern(const char *decimal, const char *pattern);
