// Reading a reply the way every handler does: tokens of at most 32 characters.
#pragma once

#include <stdint.h>

#include "reply_tokenizer.h"

constexpr uint32_t kReplyTokenSize = 33;

struct ReplyToken {
    char text[kReplyTokenSize] = {};  // the end of a reply leaves it untouched
    int32_t kind = 0;
};

inline uint32_t ReadToken(ReplyTokenizer *tokenizer, ReplyToken *token) {
    return TokenizerNext(tokenizer, token->text, sizeof token->text, &token->kind);
}

// The line end of the echoed command line, then the answer line (a key):
// PAT_OK, the tokenizer's error, or PAT_ERROR_INVALID_PARAMETER for a token
// of another kind.
uint32_t ReadAnswer(ReplyTokenizer *tokenizer, ReplyToken *answer);
