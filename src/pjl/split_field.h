// Cuts delimited fields out of a device ID text.
#pragma once

#include <stdint.h>

#include "bounded_text.h"

// Copies source into buffer up to the first delimiter or the end of the text,
// at most capacity - 1 characters, and terminates the buffer (capacity > 0).
// Returns where the next field begins: one past the character at which the
// copy stopped (a delimiter is consumed; so is the one character of an
// overlong field at which the buffer ran full), or the end of the text.
// The text ends at its NUL or at `limit`, whichever comes first (a null
// limit: at its NUL).  `delimiters` is a NUL-terminated set, possibly empty.
const char *SplitField(const char *source, const char *limit, char *buffer, uint32_t capacity,
                       const char *delimiters);

inline const char *SplitField(const char *source, char *buffer, uint32_t capacity, const char *delimiters) {
    return SplitField(source, nullptr, buffer, capacity, delimiters);
}
