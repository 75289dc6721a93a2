// Numbers in printer texts: leading white space, an optional sign and decimal
// digits, read as far as they go (no digits: 0), as a 32-bit signed value.
#pragma once

#include <stdint.h>
#include <stdlib.h>

inline int32_t DecimalNumber(const char *text) { return static_cast<int32_t>(strtol(text, nullptr, 10)); }
