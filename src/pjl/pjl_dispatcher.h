// Reads a printer's PJL reply and calls the handler of every recognised
// position in it (the dispatch tables say which).
#pragma once

#include <stdint.h>

#include "pat.h"
#include "dispatch_index.h"
#include "reply_tokenizer.h"

// The reply ends at its first NUL or after `length` bytes.  Neither a grammar
// error nor a handler's error ends the reading: it goes on to the end.
// `index` covers the model's dispatch table and the common one
// (kReplyDispatchIndex).  Tokens of this reply that `recording` (may be null)
// holds are taken from it, not read again.
void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchIndex &index,
                      const TokenRecording *recording);
