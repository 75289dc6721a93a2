// Reads a printer's PJL reply and calls the handler of every recognised
// position in it (the dispatch tables say which).
#pragma once

#include <stdint.h>

#include "pat.h"
#include "dispatch_index.h"

// The reply ends at its first NUL or after `length` bytes.  A grammar error
// ends the reading; handlers' errors do not.  `index` covers the model's
// dispatch table and the common one (kReplyDispatchIndex).
void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchIndex &index);
