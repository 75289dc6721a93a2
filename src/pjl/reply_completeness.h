// Before a reply is interpreted: was every question of the attached query
// answered?  Reads only; the record is not involved.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "reply_tokenizer.h"

// PAT_OK when the query text asks nothing of the reply or the reply answers
// it completely; PAT_ERROR_INCOMPLETE_REPLY when an answer is missing;
// PAT_ERROR_INVALID_DATA when the query text itself breaks the PJL grammar.
// The tokens read from the reply are kept in `recording`.
uint32_t CompareQueryWithReply(const NulEndedText &query, const NulEndedText &reply, TokenRecording *recording);
