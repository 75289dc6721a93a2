// Reads a printer's PJL reply and calls the handler of every recognised
// position in it (the dispatch tables say which).
#pragma once

#include <stdint.h>

#include "dispatch_index.h"
#include "pat.h"
#include "reply_tokenizer.h"

// Neither a grammar error nor a handler's failure ends the reading: it goes
// on to the end of the text.  `index` covers the model's dispatch table and
// the common one (kReplyDispatchIndex).  Tokens of this reply that
// `recording` (may be null) holds are taken from it, not read again.
void RunPjlDispatcher(const NulEndedText &reply, PrnInfoEx *record, const DispatchIndex &index,
                      const TokenRecording *recording);
