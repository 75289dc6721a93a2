// Before a reply is interpreted: was every question of the attached query
// answered?  Reads only; the record is not involved.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "reply_tokenizer.h"

// PAT_OK when the reply tree holds no attached query or answers it completely;
// PAT_ERROR_INCOMPLETE_REPLY when an answer is missing; PAT_ERROR_INVALID_DATA
// when the query text itself breaks the PJL grammar.
// The tokens its first pass over the reply read are kept in `recording`.
uint32_t CheckReplyCompleteness(PatInfoNode *replyRoot, TokenRecording *recording);
