// What each selected status code says: the message whose text is shown and
// the printer part (detail index) whose name that text lists.
#pragma once

#include <stdint.h>

#include "status_code.h"

// Ends with a row whose pattern is null.  A detail index of 0 names no part.
struct MessageRow {
    constexpr MessageRow(const char *pattern, uint32_t messageCode, uint32_t detailIndex)
        : pattern(pattern), messageCode(messageCode), detailIndex(detailIndex), exactCode(ExactCodeOf(pattern)) {}

    const char *pattern;
    uint32_t messageCode;
    uint32_t detailIndex;
    uint64_t exactCode;  // ExactCodeOf(pattern)
};

extern const MessageRow kGeneralMessageTable[];
extern const MessageRow kReducedMessageTable[];

// The reduced table serves source-type arguments with the reduced-set bit.
const MessageRow *MessageTableFor(uint32_t sourceType);
