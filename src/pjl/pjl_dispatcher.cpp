#include "pjl_dispatcher.h"

#include "reply_reading.h"

namespace {

// One field of the context: a place in the reply, as a buffer of the
// handlers' size would keep it (reply_reading.h), and the hash the dispatch
// index is keyed by.
struct ContextField {
    const char *text;
    uint32_t length;
    uint32_t hash;
};

// Where the dispatcher stands in the reply.
struct DispatchContext {
    ContextField command, argument, key, item, value;
};

void ClearField(ContextField *field) { *field = {"", 0, kEmptyFieldHash}; }

void SetField(ContextField *field, const TokenPlace &token) {
    field->text = token.begin;
    field->length = KeptLength(token, kReplyTokenSize - 1);
    field->hash = TextHash(field->text, field->length);
}

void ClearContext(DispatchContext *context) {
    ClearField(&context->command);
    ClearField(&context->argument);
    ClearField(&context->key);
    ClearField(&context->item);
    ClearField(&context->value);
}

// Whether the row's string is the field's text.  A reply's text holds no NUL,
// so the row's own NUL ends the loop at a difference before its end is passed.
bool FieldIs(const ContextField &field, const char *rowText) {
    for (uint32_t i = 0; i < field.length; ++i) {
        if (rowText[i] != field.text[i]) return false;
    }
    return rowText[field.length] == '\0';
}

bool RowMatches(const DispatchRow &row, const DispatchContext &context) {
    return FieldIs(context.command, row.command) && FieldIs(context.argument, row.argument) &&
           FieldIs(context.key, row.key) && FieldIs(context.item, row.item) && FieldIs(context.value, row.value);
}

// Calls every row that matches the context: the model table's rows in table
// order, then the common table's, as the index keeps them.  A hash says which
// rows may match; their strings decide.
void Dispatch(const DispatchContext &context, ReplyTokenizer *tokenizer, PrnInfoEx *record,
              const DispatchIndex &index) {
    const uint32_t key = DispatchKey(context.command.hash, context.argument.hash, context.key.hash,
                                     context.item.hash, context.value.hash);
    const DispatchEntry *end = index.entries + index.count;
    for (const DispatchEntry *entry = FirstEntryOfKey(index, key); entry != end && entry->key == key; ++entry) {
        const DispatchRow &row = *entry->row;
        if (RowMatches(row, context)) row.handler(tokenizer, record, row.parameter);
    }
}

// Takes the token into the context; true when the context changed such that
// the tables are to be consulted.
bool UpdateContext(DispatchContext *context, const TokenPlace &token) {
    switch (token.kind) {
        case TOKEN_COMMAND:
            ClearContext(context);
            SetField(&context->command, token);
            return true;
        case TOKEN_ARGUMENT: SetField(&context->argument, token); return true;
        case TOKEN_KEY: SetField(&context->key, token); return true;
        case TOKEN_ITEM: SetField(&context->item, token); return true;
        case TOKEN_ITEM_VALUE: SetField(&context->value, token); return true;
        case TOKEN_LINE_END:
            ClearField(&context->item);
            ClearField(&context->value);
            return false;
        default: return false;
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

// Dispatch with the tokenizer standing just after `token`: the handlers read
// on from the span first, as replay, then from the text.  The span is left
// after what they read.
void DispatchAfter(const DispatchContext &context, const RecordedToken &token, TokenSpan *span,
                   ReplyTokenizer *tokenizer, PrnInfoEx *record, const DispatchIndex &index) {
    if (span->next == span->end) {
        Dispatch(context, tokenizer, record, index);
        return;
    }
    const ReplyTokenizer after = *tokenizer;  // where the span ends
    tokenizer->cursor = token.cursor;
    tokenizer->state = token.state;
    tokenizer->replay = span->next;
    tokenizer->replayEnd = span->end;
    Dispatch(context, tokenizer, record, index);
    span->next = tokenizer->replay;
    if (span->next != span->end) *tokenizer = after;
    tokenizer->replay = tokenizer->replayEnd = nullptr;
}

}  // namespace

void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchIndex &index,
                      const TokenRecording *recording) {
    DispatchContext context;
    ClearContext(&context);
    ReplyTokenizer tokenizer;
    TokenizerInitReplay(&tokenizer, BoundText(reply, length), recording);
    RecordedToken ahead[kTokenReadAhead];
    TokenSpan span{nullptr, nullptr};
    // A printer mixes blocks that break the grammar (empty answers, unsolicited
    // status) into its reply: the token of a grammar error is not taken, and
    // the tokenizer, back between commands, goes on from the next "@PJL".
    // Every error leaves the cursor further on, so the loop ends.  The context
    // points into the reply: the words are read in place, never copied.
    for (;;) {
        if (span.next == span.end) span = NextSpan(&tokenizer, ahead);
        const RecordedToken &token = *span.next++;
        const bool broken = token.result != 0;
        if (!broken && UpdateContext(&context, token.place)) {
            DispatchAfter(context, token, &span, &tokenizer, record, index);
        }
        if (token.place.kind == TOKEN_END) return;
    }
}
