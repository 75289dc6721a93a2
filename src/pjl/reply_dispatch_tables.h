// Which handler takes over at which position of a reply.  A row matches when
// its five strings equal the dispatcher's context exactly; every matching row
// is called, in table order.
#pragma once

#include <stdint.h>

#include "reply_handlers.h"

struct DispatchRow {
    const char *command;  // null ends the table
    const char *argument;
    const char *key;
    const char *item;
    const char *value;
    ReplyHandler handler;
    uint32_t parameter;
};

// Answers every printer of the family gives.
extern const DispatchRow *const kCommonDispatchTable;
// Trays, print trays, bins and options of this model, built from the family's
// vocabulary (common/family_vocabulary.h).
extern const DispatchRow *const kModelDispatchTable;
