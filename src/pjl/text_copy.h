// Copying a text into a fixed field of a record item.
#pragma once

#include <stddef.h>
#include <string.h>

// Copies at most maxChars characters of text and a terminating NUL
// (destination holds at least maxChars + 1 bytes).
inline void CopyTextCut(char *destination, const char *text, size_t maxChars) {
    size_t length = strlen(text);
    if (length > maxChars) length = maxChars;
    memcpy(destination, text, length);
    destination[length] = '\0';
}
