// Reading a reply the way every handler does: a word is a token as a buffer
// of 33 bytes would keep it (at most 32 characters, trailing blanks dropped),
// read in place in the reply instead of copied.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "prninfo/record.h"
#include "reply_tokenizer.h"

// A token as the handlers and the dispatcher see it: what a buffer of this
// many bytes keeps of it, NUL included.
constexpr uint32_t kReplyTokenSize = 33;
constexpr uint32_t kReplyWordLimit = kReplyTokenSize - 1;

// A word of the reply.  Its characters hold no NUL and are not ended by one.
struct ReplyWord {
    const char *text = "";  // the end of a reply leaves text and length as they were
    uint32_t length = 0;
    int32_t kind = 0;
};

// Reads the next token as a word.  The end of the text between commands spans
// nothing and keeps the word's old characters, as a copy into a buffer would
// have left the buffer.
inline uint32_t ReadWord(ReplyTokenizer *tokenizer, ReplyWord *word) {
    TokenPlace place;
    const uint32_t result = TokenizerRead(tokenizer, &place);
    if (place.begin != nullptr) {
        word->text = place.begin;
        word->length = KeptLength(place, kReplyWordLimit);
    }
    word->kind = place.kind;
    return result;
}

// Whether the word is the NUL-ended `name`.
inline bool WordIs(const ReplyWord &word, const char *name) { return TextSpells(word.text, word.length, name); }

// The line end of the echoed command line, then the answer line (a key):
// PAT_OK, the tokenizer's error, or PAT_ERROR_INVALID_PARAMETER for a token
// of another kind.  The line end is only looked at, never kept.
inline uint32_t ReadAnswer(ReplyTokenizer *tokenizer, ReplyWord *answer) {
    TokenPlace lineEnd;
    uint32_t result = TokenizerRead(tokenizer, &lineEnd);
    answer->kind = lineEnd.kind;
    if (result != 0) return result;
    if (lineEnd.kind != TOKEN_LINE_END) return PAT_ERROR_INVALID_PARAMETER;
    result = ReadWord(tokenizer, answer);
    if (result != 0) return result;
    return answer->kind == TOKEN_KEY ? 0 : PAT_ERROR_INVALID_PARAMETER;
}
