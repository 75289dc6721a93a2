#include "pjl_dispatcher.h"

#include <string.h>

#include "reply_reading.h"

namespace {

// Where the dispatcher stands in the reply.
struct DispatchContext {
    char command[kReplyTokenSize];
    char argument[kReplyTokenSize];
    char key[kReplyTokenSize];
    char item[kReplyTokenSize];
    char value[kReplyTokenSize];
};

bool RowMatches(const DispatchRow &row, const DispatchContext &context) {
    return strcmp(row.command, context.command) == 0 && strcmp(row.argument, context.argument) == 0 &&
           strcmp(row.key, context.key) == 0 && strcmp(row.item, context.item) == 0 &&
           strcmp(row.value, context.value) == 0;
}

void CallMatchingRows(const DispatchRow *table, const DispatchContext &context, ReplyTokenizer *tokenizer,
                      PrnInfoEx *record) {
    for (const DispatchRow *row = table; row->command != nullptr; ++row) {
        if (RowMatches(*row, context)) row->handler(tokenizer, record, row->parameter);
    }
}

void Dispatch(const DispatchContext &context, ReplyTokenizer *tokenizer, PrnInfoEx *record,
              const DispatchRow *modelTable) {
    CallMatchingRows(modelTable, context, tokenizer, record);
    CallMatchingRows(kCommonDispatchTable, context, tokenizer, record);
}

// Takes the token into the context; true when the context changed such that
// the tables are to be consulted.
bool UpdateContext(DispatchContext *context, const ReplyToken &token) {
    switch (token.kind) {
        case TOKEN_COMMAND:
            memset(context, 0, sizeof *context);
            strcpy(context->command, token.text);
            return true;
        case TOKEN_ARGUMENT: strcpy(context->argument, token.text); return true;
        case TOKEN_KEY: strcpy(context->key, token.text); return true;
        case TOKEN_ITEM: strcpy(context->item, token.text); return true;
        case TOKEN_ITEM_VALUE: strcpy(context->value, token.text); return true;
        case TOKEN_LINE_END:
            context->item[0] = '\0';
            context->value[0] = '\0';
            return false;
        default: return false;
    }
}

}  // namespace

void RunPjlDispatcher(const char *reply, uint32_t length, PrnInfoEx *record, const DispatchRow *modelTable) {
    DispatchContext context;
    memset(&context, 0, sizeof context);
    ReplyTokenizer tokenizer;
    TokenizerInitBounded(&tokenizer, reply, length);
    ReplyToken token;
    // A printer mixes blocks that break the grammar (empty answers, unsolicited
    // status) into its reply: the token of a grammar error is not taken, and
    // the tokenizer, back between commands, goes on from the next "@PJL".
    // Every error leaves the cursor further on, so the loop ends.
    for (;;) {
        const bool broken = ReadToken(&tokenizer, &token) != 0;
        if (!broken && UpdateContext(&context, token)) Dispatch(context, &tokenizer, record, modelTable);
        if (token.kind == TOKEN_END) return;
    }
}
