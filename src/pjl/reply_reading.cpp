#include "reply_reading.h"

#include "pat.h"

uint32_t ReadAnswer(ReplyTokenizer *tokenizer, ReplyToken *answer) {
    uint32_t result = ReadToken(tokenizer, answer);
    if (result != 0) return result;
    if (answer->kind != TOKEN_LINE_END) return PAT_ERROR_INVALID_PARAMETER;
    result = ReadToken(tokenizer, answer);
    if (result != 0) return result;
    return answer->kind == TOKEN_KEY ? 0 : PAT_ERROR_INVALID_PARAMETER;
}
