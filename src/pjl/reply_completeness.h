// Before a reply is interpreted: was every question of the attached query
// answered?  Reads only; the record is not involved.
#pragma once

#include <stdint.h>

#include "pat.h"

// 0 when the reply tree holds no attached query or answers it completely;
// 0x20000002 when an answer is missing; 13 when the query text itself breaks
// the PJL grammar.
uint32_t CheckReplyCompleteness(PatInfoNode *replyRoot);
