// Copying a text into a fixed-width character field of a record item.
#pragma once

#include <stddef.h>
#include <string.h>

// Copies at most width - 1 characters of `text` into `field` (`width` bytes)
// and always ends the field with a NUL.
inline void CopyTextCut(char *field, size_t width, const char *text) {
    if (width == 0) return;
    const size_t length = strnlen(text, width - 1);
    memcpy(field, text, length);
    field[length] = '\0';
}

template <size_t Width>
inline void CopyTextCut(char (&field)[Width], const char *text) {
    CopyTextCut(field, Width, text);
}

// The same for the `length` characters at `text`, which hold no NUL.
inline void CopyTextCut(char *field, size_t width, const char *text, size_t length) {
    if (width == 0) return;
    if (length > width - 1) length = width - 1;
    memcpy(field, text, length);
    field[length] = '\0';
}

template <size_t Width>
inline void CopyTextCut(char (&field)[Width], const char *text, size_t length) {
    CopyTextCut(field, Width, text, length);
}
