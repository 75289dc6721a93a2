// The reply tokenizer driven to the end of arbitrary text, with both token
// capacities the library uses, as a NUL-terminated text and as a payload
// without a terminator (read from a copy that has one).  Read in batches, the
// library's own command lines take the fast lane; read one token a run, every
// token goes through the machine's steps: both must give the same tokens,
// results and positions, and so must a recording and its replay.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "support/token_reading.h"
#include "target_support.h"

namespace {

bool KnownKind(int32_t kind) { return (kind >= TOKEN_PJL && kind <= TOKEN_TAB) || kind == TOKEN_END; }

bool SameToken(const Token &a, const Token &b) {
    return a.place.kind == b.place.kind && a.place.begin == b.place.begin && a.place.length == b.place.length &&
           a.result == b.result && a.cursor == b.cursor && a.state == b.state;
}

// Every call consumes a character or ends a line within a few calls; more
// calls than this is a hang.
size_t MaxCalls(const NulEndedText &text) { return 8 * (static_cast<size_t>(text.end - text.begin) + 2); }

// Every token through the machine's steps, up to a clean end.
std::vector<Token> ReadStepByStep(const NulEndedText &text) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    std::vector<Token> tokens;
    for (size_t calls = 0;; ++calls) {
        if (calls > MaxCalls(text)) {
            fprintf(stderr, "tokenizer makes no progress\n");
            abort();
        }
        Token token;
        if (TokenizerReadRun(&tokenizer, &token, 1) != 1) abort();
        if (!KnownKind(token.place.kind) || (token.result != 0 && token.result != PAT_ERROR_INVALID_DATA)) abort();
        if (token.cursor < text.begin || token.cursor > text.end || token.state < kBetweenCommands ||
            token.state > kIndentedValue) {
            abort();
        }
        tokens.push_back(token);
        if (token.place.kind == TOKEN_END && token.result == 0) return tokens;
    }
}

void ExpectTokens(ReplyTokenizer *tokenizer, const std::vector<Token> &steps, size_t count) {
    for (size_t i = 0; i < count; ++i) Expect(SameToken(TokenizerRead(tokenizer), steps[i]), "the steps' token");
}

// The text read in batches, and recorded up to its middle and replayed.
void CompareWithSteps(const NulEndedText &text) {
    const std::vector<Token> steps = ReadStepByStep(text);
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    ExpectTokens(&tokenizer, steps, steps.size());
    auto recording = std::make_unique<TokenRecording>();
    TokenizerRecord(&tokenizer, text, recording.get());
    ExpectTokens(&tokenizer, steps, (steps.size() + 1) / 2);
    TokenizerReplay(&tokenizer, text, *recording);
    ExpectTokens(&tokenizer, steps, steps.size());
}

// Token by token into a buffer of each capacity: never more than it holds.
void CopyToTheEnd(const NulEndedText &text, uint32_t capacity) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    char buffer[100];
    memset(buffer, 0, sizeof buffer);
    for (size_t calls = 0; calls <= MaxCalls(text); ++calls) {
        int32_t kind = 0;
        const uint32_t result = TokenizerNext(&tokenizer, buffer, capacity, &kind);
        if (strlen(buffer) >= capacity) abort();
        if (kind == TOKEN_END && result == 0) return;
    }
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ExactCopy terminated(data, size, true);
    const OpenedPayload nulEnded(terminated.bytes, static_cast<uint32_t>(size + 1));
    ExactCopy payload(data, size);
    const OpenedPayload withoutNul(payload.bytes, static_cast<uint32_t>(size));
    if (withoutNul.result != 0) return 0;  // no memory for the copy
    for (const NulEndedText &text : {nulEnded.text(), withoutNul.text()}) {
        CompareWithSteps(text);
        for (uint32_t capacity : {33u, 100u}) CopyToTheEnd(text, capacity);
    }
    return 0;
}
