#include "pjl_dispatcher.h"

#include "reply_reading.h"

namespace {

// Where the dispatcher stands in the reply is one key of the index
// (DispatchKey): the word numbers of its five fields, each field's word as a
// buffer of the handlers' size would keep it (reply_reading.h).  A field that
// holds no row's word (kStrangerWord) makes a key no row has.

// The key with a field set to the token's word.
template <uint32_t kField>
inline uint32_t WithField(uint32_t key, const TokenPlace &token, const DispatchWords &words) {
    const uint32_t number = words.NumberOf(token.begin, KeptLength(token, kReplyTokenSize - 1));
    return (key & ~(kStrangerWord << FieldShift(kField))) | number << FieldShift(kField);
}

// The key with the fields after `kField` emptied.
template <uint32_t kField>
constexpr uint32_t WithoutFieldsAfter(uint32_t key) {
    return key & ~((1u << FieldShift(kField)) - 1);
}

// Takes a token into the key; true when a field was set, so rows may match.
// Only these kinds change where the dispatcher stands.
inline bool UpdateContext(uint32_t *key, const TokenPlace &token, const DispatchWords &words) {
    switch (token.kind) {
        case TOKEN_COMMAND:
            *key = WithField<kCommandField>(WithoutFieldsAfter<kCommandField>(*key), token, words);
            return true;
        case TOKEN_ARGUMENT: *key = WithField<kArgumentField>(*key, token, words); return true;
        case TOKEN_KEY: *key = WithField<kKeyField>(*key, token, words); return true;
        case TOKEN_ITEM: *key = WithField<kItemField>(*key, token, words); return true;
        case TOKEN_ITEM_VALUE: *key = WithField<kValueField>(*key, token, words); return true;
        case TOKEN_LINE_END: *key = WithoutFieldsAfter<kKeyField>(*key); return false;
        default: return false;
    }
}

// Calls the rows' handlers in turn.  A handler's error does not stop the
// reading (the reply goes on to its end), so its result is not looked at.
inline void CallRows(const DispatchRows &rows, ReplyTokenizer *tokenizer, PrnInfoEx *record) {
    for (const DispatchRow *const *row = rows.begin; row != rows.end; ++row) {
        (*row)->handler(tokenizer, record, (*row)->parameter);
    }
}

// Tokens read but not yet taken by the dispatcher.
struct TokenSpan {
    const RecordedToken *next;
    const RecordedToken *end;
};

// The next tokens: those the tokenizer still has to replay, else a batch read
// ahead into `ahead`.  The tokenizer is left standing after the last of them.
TokenSpan NextSpan(ReplyTokenizer *tokenizer, RecordedToken *ahead) {
    if (tokenizer->replay == tokenizer->replayEnd) {
        return {ahead, ahead + TokenizerReadAhead(tokenizer, ahead, kTokenReadAhead)};
    }
    const TokenSpan span{tokenizer->replay, tokenizer->replayEnd};
    tokenizer->cursor = span.end[-1].cursor;
    tokenizer->state = span.end[-1].state;
    tokenizer->replay = tokenizer->replayEnd = nullptr;
    return span;
}

// Calls the rows with the tokenizer standing just after `token`: the
// handlers read on from the span first, as replay, then from the text.  The
// span is left after what they read, and the tokenizer after the span.
inline void DispatchAfter(const DispatchRows &rows, const RecordedToken &token, TokenSpan *span, ReplyTokenizer *tokenizer,
                   PrnInfoEx *record) {
    if (span->next == span->end) {
        CallRows(rows, tokenizer, record);
        return;
    }
    tokenizer->cursor = token.cursor;
    tokenizer->state = token.state;
    tokenizer->replay = span->next;
    tokenizer->replayEnd = span->end;
    CallRows(rows, tokenizer, record);
    span->next = tokenizer->replay;
    if (span->next != span->end) {
        // Only the cursor and the state move as tokens are read: back to
        // where the span ends.
        tokenizer->cursor = span->end[-1].cursor;
        tokenizer->state = span->end[-1].state;
    }
    tokenizer->replay = tokenizer->replayEnd = nullptr;
}

}  // namespace

void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchIndex &index,
                      const TokenRecording *recording) {
    uint32_t key = DispatchKey(kEmptyWord, kEmptyWord, kEmptyWord, kEmptyWord, kEmptyWord);
    ReplyTokenizer tokenizer;
    TokenizerInitReplay(&tokenizer, BoundText(reply, length), recording);
    RecordedToken ahead[kTokenReadAhead];
    TokenSpan span{nullptr, nullptr};
    // A printer mixes blocks that break the grammar (empty answers, unsolicited
    // status) into its reply: the token of a grammar error is not taken, and
    // the tokenizer, back between commands, goes on from the next "@PJL".
    // Every error leaves the cursor further on, so the loop ends.  The words
    // are read in place, never copied.
    for (;;) {
        if (span.next == span.end) span = NextSpan(&tokenizer, ahead);
        const RecordedToken &token = *span.next++;
        if (token.result == 0 && UpdateContext(&key, token.place, index.words)) {
            const DispatchRows rows = index.RowsOf(key);
            if (rows.begin != rows.end) DispatchAfter(rows, token, &span, &tokenizer, record);
        } else if (token.place.kind == TOKEN_END) {
            return;  // clean or not, the end of the text ends the reading
        }
    }
}
