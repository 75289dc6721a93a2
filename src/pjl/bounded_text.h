// Texts the host hands over in node payloads.  One rule for all of them: a
// text ends at its first NUL or after its last byte, whichever comes first,
// so a host that leaves out the terminator is read in place, never past its
// payload, and loses nothing of its text.
#pragma once

#include <stdint.h>
#include <string.h>

struct BoundedText {
    const char *begin;
    const char *end;  // the first NUL, or one past the last byte
    bool endsAtNul;   // whether *end may be read (it is the NUL)
};

// The text of `length` bytes at `text`.
inline BoundedText BoundText(const char *text, uint32_t length) {
    const char *nul = static_cast<const char *>(memchr(text, '\0', length));
    return {text, nul != nullptr ? nul : text + length, nul != nullptr};
}

// Whether `p` stands at the end of a text that ends at its NUL or at `limit`
// (a null limit: at its NUL only, for the library's own NUL-ended buffers).
inline bool AtTextEnd(const char *p, const char *limit) { return (limit != nullptr && p >= limit) || *p == '\0'; }
