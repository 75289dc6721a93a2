#include "reply_reading.h"

#include "pat.h"

// The line end is only looked at, never kept.
uint32_t ReadAnswer(ReplyTokenizer *tokenizer, ReplyWord *answer) {
    TokenPlace lineEnd;
    uint32_t result = TokenizerRead(tokenizer, &lineEnd);
    answer->kind = lineEnd.kind;
    if (result != 0) return result;
    if (lineEnd.kind != TOKEN_LINE_END) return PAT_ERROR_INVALID_PARAMETER;
    result = ReadWord(tokenizer, answer);
    if (result != 0) return result;
    return answer->kind == TOKEN_KEY ? 0 : PAT_ERROR_INVALID_PARAMETER;
}
