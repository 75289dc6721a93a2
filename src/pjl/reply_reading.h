// Reading a reply the way every handler does: a word is a token as a buffer
// of 33 bytes would keep it (at most 32 characters, trailing blanks dropped),
// read in place in the reply instead of copied.
#pragma once

#include <stdint.h>

#include "common/short_text.h"
#include "pat.h"
#include "reply_tokenizer.h"

// A token as the handlers and the dispatcher see it: what a buffer of this
// many bytes keeps of it, NUL included.
constexpr uint32_t kReplyTokenSize = 33;
constexpr uint32_t kReplyWordLimit = kReplyTokenSize - 1;

// A word of the reply.  Its characters hold no NUL and are not ended by one.
struct ReplyWord {
    const char *text = "";  // the end of a reply leaves text and length as they were
    uint32_t length = 0;
    TokenKind kind = TOKEN_END;
};

// Reads the next token as a word.  The end of the text between commands spans
// nothing and keeps the word's old characters, as a copy into a buffer would
// have left the buffer.
inline uint32_t ReadWord(ReplyTokenizer *tokenizer, ReplyWord *word) {
    const Token &token = TokenizerRead(tokenizer);
    if (token.place.begin != nullptr) {
        word->text = token.place.begin;
        word->length = KeptLength(token.place, kReplyWordLimit);
    }
    word->kind = token.place.kind;
    return token.result;
}

// Whether the word is the NUL-ended `name`.
inline bool WordIs(const ReplyWord &word, const char *name) { return TextIs(word.text, word.length, name); }

// The line end of the echoed command line, then the answer line (a key):
// PAT_OK, the tokenizer's error, or PAT_ERROR_INVALID_PARAMETER for a token
// of another kind.  The line end is only looked at, never kept.
inline uint32_t ReadAnswer(ReplyTokenizer *tokenizer, ReplyWord *answer) {
    const Token &lineEnd = TokenizerRead(tokenizer);
    answer->kind = lineEnd.place.kind;
    if (lineEnd.result != 0) return lineEnd.result;
    if (lineEnd.place.kind != TOKEN_LINE_END) return PAT_ERROR_INVALID_PARAMETER;
    const uint32_t result = ReadWord(tokenizer, answer);
    if (result != 0) return result;
    return answer->kind == TOKEN_KEY ? 0 : PAT_ERROR_INVALID_PARAMETER;
}
