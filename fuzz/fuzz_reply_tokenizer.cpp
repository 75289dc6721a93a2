// The reply tokenizer driven to the end of arbitrary text, with both token
// capacities the library uses, as a NUL-terminated text and as a payload read
// to its length without a terminator; and read ahead in batches, which must
// agree with reading token by token.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "target_support.h"
#include "pjl/reply_tokenizer.h"

namespace {

bool KnownKind(int32_t kind) { return (kind >= TOKEN_PJL && kind <= TOKEN_TAB) || kind == TOKEN_END; }

void DriveToEnd(ReplyTokenizer *tokenizer, const char *end, size_t textLength, uint32_t capacity) {
    char buffer[100];
    memset(buffer, 0, sizeof buffer);
    // Every few calls consume a character; more calls than this is a hang.
    const size_t maxCalls = 8 * (textLength + 2);
    for (size_t calls = 0;; ++calls) {
        if (calls > maxCalls) {
            fprintf(stderr, "tokenizer makes no progress\n");
            abort();
        }
        int32_t kind = 0;
        const uint32_t result = TokenizerNext(tokenizer, buffer, capacity, &kind);
        if (!KnownKind(kind) || (result != 0 && result != PAT_ERROR_INVALID_DATA)) abort();
        if (strlen(buffer) >= capacity) abort();
        if (tokenizer->cursor > end || tokenizer->state < kBetweenCommands || tokenizer->state > kIndentedValue) {
            abort();
        }
        if (kind == TOKEN_END && result == 0) return;
    }
}

// Reading ahead in batches gives every token, result and position that
// reading one by one gives, and stops after the end of the text.
void CompareReadAhead(const BoundedText &text, size_t textLength) {
    ReplyTokenizer single;
    ReplyTokenizer batched;
    TokenizerInit(&single, text);
    TokenizerInit(&batched, text);
    RecordedToken ahead[7];
    const size_t maxCalls = 8 * (textLength + 2);
    for (size_t calls = 0; calls <= maxCalls;) {
        const uint32_t count = TokenizerReadAhead(&batched, ahead, 7);
        if (count == 0 || count > 7) abort();
        for (uint32_t i = 0; i < count; ++i, ++calls) {
            TokenPlace token;
            const uint32_t result = TokenizerRead(&single, &token);
            const RecordedToken &read = ahead[i];
            if (read.result != result || read.place.kind != token.kind || read.place.begin != token.begin ||
                read.place.length != token.length || read.cursor != single.cursor || read.state != single.state) {
                abort();
            }
            if (token.kind == TOKEN_END) {
                if (i + 1 != count) abort();
                return;
            }
        }
        if (batched.cursor != single.cursor || batched.state != single.state) abort();
    }
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ExactCopy terminated(data, size, true);
    const size_t textLength = strlen(terminated.bytes);
    for (uint32_t capacity : {33u, 100u}) {
        ReplyTokenizer tokenizer;
        TokenizerInit(&tokenizer, BoundText(terminated.bytes, static_cast<uint32_t>(textLength + 1)));
        DriveToEnd(&tokenizer, terminated.bytes + textLength, textLength, capacity);
    }
    ExactCopy payload(data, size);
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, BoundText(payload.bytes, static_cast<uint32_t>(size)));
    DriveToEnd(&tokenizer, payload.bytes + size, size, 33);
    CompareReadAhead(BoundText(terminated.bytes, static_cast<uint32_t>(textLength + 1)), textLength);
    CompareReadAhead(BoundText(payload.bytes, static_cast<uint32_t>(size)), size);
    return 0;
}
