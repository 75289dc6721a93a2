// Status code selection: the engine status codes of a status record ranked by
// the priority table of the source type, the most urgent kept, and the
// message list built from them.  Shared by the status text, the status
// picture and the help file name.
#pragma once

#include <stdint.h>

#include "common/array_of.h"
#include "pat.h"

struct StatusCallContext {
    uint32_t sourceType;            // the source-type argument as the host passed it
    const PrnInfoEx *statusRecord;  // read only
};

// Appends to `selectedCodes` (expected empty) the codes
// of the most urgent priority, ascending as unsigned numbers, duplicates kept.
// Returns PAT_OK, or PAT_ERROR_MISSING_TABLE when the source-type argument has no priority table.
uint32_t SelectStatusCodes(const StatusCallContext *context, ArrayOf<uint32_t> &selectedCodes);

constexpr uint32_t kMessageExtraTextSize = 256;

struct MessageEntry {
    uint32_t messageCode;
    uint32_t detailIndex;                 // printer part named in the text; 0 for none
    char extraText[kMessageExtraTextSize]; // the service code of a service call, else empty
};

static_assert(sizeof(MessageEntry) == 264, "message entry");

// Elements per growth step of the arrays the selection works with.
constexpr uint32_t kSelectedCodesPerStep = 20;
constexpr uint32_t kMessagesPerStep = 20;

// Appends the message entries of every selected code to `messages` (expected
// empty), in the order of the selected codes.
// Returns PAT_OK, PAT_ERROR_NOT_ENOUGH_MEMORY when memory runs out, or the selection's error.
uint32_t BuildMessageList(const StatusCallContext *context, ArrayOf<MessageEntry> &messages);
