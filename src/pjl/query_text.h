// The PJL text of the regular query: which requests the item selection flags
// call for, in the order the printer is asked.
#pragma once

#include <stdint.h>

#include "pat.h"

// Text assembled into a caller's buffer.  The length goes on counting past
// the capacity, so a caller learns how large a buffer the whole text needs.
struct QueryText {
    char *data;
    uint32_t capacity;  // bytes, terminating NUL included
    uint64_t length;    // characters of the whole text, NUL excluded
};

void QueryTextBegin(QueryText *text, char *buffer, uint32_t capacity);
void QueryTextAppend(QueryText *text, const char *piece);
bool QueryTextComplete(const QueryText *text);

// Writes the whole query text for these flags.  Returns false when the flags
// call for no PJL request at all (the text is then not to be sent).
bool ComposeQueryText(const PrnInfoEx *record, uint32_t itemFlags, QueryText *text);

bool QueryAsksForDeviceId(uint32_t itemFlags);

extern const char kEmulUniqQueryText[];
