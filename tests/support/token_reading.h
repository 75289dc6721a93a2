// The reply tokenizer read one token at a time into a buffer, as the tokenizer
// is described: each token cut to the buffer and its trailing blanks dropped,
// the end met between commands leaving the buffer as it was.  The library
// itself reads tokens in place; the tests and fuzz targets read them so.
#pragma once

#include <string.h>

#include "pjl/payload_text.h"
#include "pjl/reply_tokenizer.h"

// A NUL-ended text as the tokenizer takes it.
inline NulEndedText Terminated(const char *text) { return {text, text + strlen(text)}; }

// Copies the token into buffer (capacity >= 1) as KeptLength says, with a NUL;
// a token that spans nothing leaves the buffer untouched.
inline void CopyToken(const TokenPlace &token, char *buffer, uint32_t capacity) {
    if (token.begin == nullptr) return;
    const uint32_t length = KeptLength(token, capacity - 1);
    memcpy(buffer, token.begin, length);
    buffer[length] = '\0';
}

// Reads the next token into buffer (capacity >= 1) and its kind into *kind;
// *read, when given, is the token as read.  Returns the token's result.
inline uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind,
                              const Token **read = nullptr) {
    const Token &token = TokenizerRead(tokenizer);
    CopyToken(token.place, buffer, capacity);
    *kind = token.place.kind;
    if (read != nullptr) *read = &token;
    return token.result;
}

// A host's payload of `length` bytes opened as the library opens it (copied
// when it holds no NUL); closes on leaving the scope.
struct OpenedPayload {
    PayloadText payload = {};
    uint32_t result;
    OpenedPayload(const void *bytes, uint32_t length) : result(OpenPayloadText(bytes, length, &payload)) {}
    ~OpenedPayload() { ClosePayloadText(&payload); }
    OpenedPayload(const OpenedPayload &) = delete;
    OpenedPayload &operator=(const OpenedPayload &) = delete;
    const NulEndedText &text() const { return payload.text; }
};
