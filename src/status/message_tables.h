// What each selected status code says: the message whose text is shown and
// the printer part (detail index) whose name that text lists.
#pragma once

#include <stdint.h>

// Ends with a row whose pattern is null.  A detail index of 0 names no part.
struct MessageRow {
    const char *pattern;
    uint32_t messageCode;
    uint32_t detailIndex;
};

extern const MessageRow kGeneralMessageTable[];
extern const MessageRow kReducedMessageTable[];

// The reduced table serves source-type arguments with the reduced-set bit.
const MessageRow *MessageTableFor(uint32_t sourceType);
