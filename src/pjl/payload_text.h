// Texts the host hands over in node payloads.  A text ends at its first NUL
// or after its last byte, whichever comes first.  The reply's readers stop at
// a NUL and at nothing else, so a payload that holds no NUL is read from a
// copy that has one: a host that leaves out the terminator is never read past
// its payload and loses nothing of its text.
#pragma once

#include <stdint.h>

// A text whose NUL is at `end`: *end may be read, and is 0.
struct NulEndedText {
    const char *begin;
    const char *end;
};

// The text of a payload, in place or copied.
struct PayloadText {
    NulEndedText text;
    char *copy;  // the copy's block (GlobalAlloc), or null when read in place
};

// Opens the `length` bytes at `payload` as a text: PAT_OK, or
// PAT_ERROR_NOT_ENOUGH_MEMORY when a payload without a NUL cannot be copied.
uint32_t OpenPayloadText(const void *payload, uint32_t length, PayloadText *opened);

// Releases what OpenPayloadText took; a text never opened (all null) is fine.
void ClosePayloadText(PayloadText *opened);
