// Finds delimited fields of a device ID text in place.
#pragma once

#include <stddef.h>
#include <stdint.h>

// A field: its characters and where the next field begins.
struct FieldPlace {
    const char *begin;
    uint32_t length;
    const char *next;
};

// The field at `source`: the characters up to the first `delimiter` or the
// end of the text at `limit`, at most maxLength of them.  The next field
// begins one past the character at which the field stopped (a delimiter is
// consumed; so is the one character at which an overlong field was cut), or
// at the end of the text.  The text holds no NUL before `limit` (it ends at
// its first NUL or after its last byte), and source <= limit.
FieldPlace FindField(const char *source, const char *limit, uint32_t maxLength, char delimiter);
