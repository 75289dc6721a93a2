#include "pjl_dispatcher.h"

#include <string.h>

#include "reply_reading.h"

namespace {

// Where the dispatcher stands in the reply: the five fields, each with the
// hash the dispatch index is keyed by.
struct DispatchContext {
    char command[kReplyTokenSize];
    char argument[kReplyTokenSize];
    char key[kReplyTokenSize];
    char item[kReplyTokenSize];
    char value[kReplyTokenSize];
    uint32_t commandHash, argumentHash, keyHash, itemHash, valueHash;
};

void ClearField(char *field, uint32_t *hash) {
    field[0] = '\0';
    *hash = kEmptyFieldHash;
}

void SetField(char *field, uint32_t *hash, const char *text) {
    strcpy(field, text);
    *hash = TextHash(text);
}

void ClearContext(DispatchContext *context) {
    ClearField(context->command, &context->commandHash);
    ClearField(context->argument, &context->argumentHash);
    ClearField(context->key, &context->keyHash);
    ClearField(context->item, &context->itemHash);
    ClearField(context->value, &context->valueHash);
}

bool RowMatches(const DispatchRow &row, const DispatchContext &context) {
    return strcmp(row.command, context.command) == 0 && strcmp(row.argument, context.argument) == 0 &&
           strcmp(row.key, context.key) == 0 && strcmp(row.item, context.item) == 0 &&
           strcmp(row.value, context.value) == 0;
}

// Calls every row that matches the context: the model table's rows in table
// order, then the common table's, as the index keeps them.  A hash says which
// rows may match; their strings decide.
void Dispatch(const DispatchContext &context, ReplyTokenizer *tokenizer, PrnInfoEx *record,
              const DispatchIndex &index) {
    const uint32_t key = DispatchKey(context.commandHash, context.argumentHash, context.keyHash, context.itemHash,
                                     context.valueHash);
    const DispatchEntry *end = index.entries + index.count;
    for (const DispatchEntry *entry = FirstEntryOfKey(index, key); entry != end && entry->key == key; ++entry) {
        const DispatchRow &row = *entry->row;
        if (RowMatches(row, context)) row.handler(tokenizer, record, row.parameter);
    }
}

// Takes the token into the context; true when the context changed such that
// the tables are to be consulted.
bool UpdateContext(DispatchContext *context, const ReplyToken &token) {
    switch (token.kind) {
        case TOKEN_COMMAND:
            ClearContext(context);
            SetField(context->command, &context->commandHash, token.text);
            return true;
        case TOKEN_ARGUMENT: SetField(context->argument, &context->argumentHash, token.text); return true;
        case TOKEN_KEY: SetField(context->key, &context->keyHash, token.text); return true;
        case TOKEN_ITEM: SetField(context->item, &context->itemHash, token.text); return true;
        case TOKEN_ITEM_VALUE: SetField(context->value, &context->valueHash, token.text); return true;
        case TOKEN_LINE_END:
            ClearField(context->item, &context->itemHash);
            ClearField(context->value, &context->valueHash);
            return false;
        default: return false;
    }
}

}  // namespace

void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchIndex &index) {
    DispatchContext context;
    ClearContext(&context);
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, BoundText(reply, length));
    ReplyToken token;
    // A printer mixes blocks that break the grammar (empty answers, unsolicited
    // status) into its reply: the token of a grammar error is not taken, and
    // the tokenizer, back between commands, goes on from the next "@PJL".
    // Every error leaves the cursor further on, so the loop ends.
    for (;;) {
        const bool broken = ReadToken(&tokenizer, &token) != 0;
        if (!broken && UpdateContext(&context, token)) Dispatch(context, &tokenizer, record, index);
        if (token.kind == TOKEN_END) return;
    }
}
