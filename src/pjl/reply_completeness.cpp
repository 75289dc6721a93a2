// Every argument of the query's command lines (the word after the command,
// such as "CONFIG" or "INTRAY1SIZE") must be echoed by the reply, and a form
// feed must follow its first echo somewhere.  The answers may come in any
// order, and blocks that break the grammar may stand between them: the
// search resynchronises on the next command line, as the interpretation does.
//
// Arguments are resolved in batches: one pass over the reply settles a whole
// batch, so the cost grows with the reply rather than with reply times query.
#include "reply_completeness.h"

#include <string.h>

#include "common/info_node.h"
#include "reply_tokenizer.h"
#include "text_hash.h"

namespace {

constexpr uint32_t kTokenSize = 100;
constexpr uint32_t kBatchSize = 32;

// A node's payload read as text.
BoundedText TextOf(const PatInfoNode *node) {
    return BoundText(static_cast<const char *>(PAT_NODE_PAYLOAD(node)), node->dwLength);
}

// Reads exactly [begin, end) of the text, as it always has: the NUL that ends
// it is left out of the bounds.
void StartTokenizer(ReplyTokenizer *tokenizer, const BoundedText &text) {
    TokenizerInit(tokenizer, BoundText(text.begin, static_cast<uint32_t>(text.end - text.begin)));
}

struct PendingArgument {
    char text[kTokenSize];
    uint32_t hash;
    bool resolved;
};

struct ArgumentBatch {
    PendingArgument argument[kBatchSize];
    uint32_t count;
    uint32_t queryResult;  // the query tokenizer's error that ended the batch, or 0
    bool queryEnded;
};

void ReadArgumentBatch(ReplyTokenizer *query, ArgumentBatch *batch) {
    batch->count = 0;
    batch->queryResult = 0;
    batch->queryEnded = false;
    while (batch->count < kBatchSize) {
        PendingArgument &next = batch->argument[batch->count];
        int32_t kind = 0;
        batch->queryResult = TokenizerNext(query, next.text, sizeof next.text, &kind);
        if (batch->queryResult != 0) return;
        if (kind == TOKEN_END) {
            batch->queryEnded = true;
            return;
        }
        if (kind == TOKEN_ARGUMENT) {
            next.hash = TextHash(next.text);
            next.resolved = false;
            ++batch->count;
        }
    }
}

// Settles the echoes of this token; false when a first echo lacks its form feed.
bool ResolveEcho(ArgumentBatch *batch, const char *echo, bool formFeedFollows, uint32_t *unresolved) {
    const uint32_t hash = TextHash(echo);
    for (uint32_t i = 0; i < batch->count; ++i) {
        PendingArgument &argument = batch->argument[i];
        if (argument.resolved || argument.hash != hash || strcmp(argument.text, echo) != 0) continue;
        if (!formFeedFollows) return false;
        argument.resolved = true;
        --*unresolved;
    }
    return true;
}

bool BatchAnswered(ArgumentBatch *batch, const BoundedText &reply, const char *lastFormFeed) {
    uint32_t unresolved = batch->count;
    ReplyTokenizer tokenizer;
    StartTokenizer(&tokenizer, reply);
    char echo[kTokenSize];
    while (unresolved > 0) {
        int32_t kind = 0;
        const bool broken = TokenizerNext(&tokenizer, echo, sizeof echo, &kind) != 0;
        if (kind == TOKEN_END) return false;
        if (broken || kind != TOKEN_ARGUMENT) continue;
        const bool formFeedFollows = lastFormFeed != nullptr && lastFormFeed >= tokenizer.cursor;
        if (!ResolveEcho(batch, echo, formFeedFollows, &unresolved)) return false;
    }
    return true;
}

const char *LastFormFeed(const BoundedText &text) {
    for (const char *p = text.end; p > text.begin;) {
        if (*--p == '\f') return p;
    }
    return nullptr;
}

uint32_t CompareQueryWithReply(const BoundedText &query, const BoundedText &reply) {
    const char *lastFormFeed = LastFormFeed(reply);
    ReplyTokenizer queryTokenizer;
    StartTokenizer(&queryTokenizer, query);
    ArgumentBatch batch;
    for (;;) {
        ReadArgumentBatch(&queryTokenizer, &batch);
        if (!BatchAnswered(&batch, reply, lastFormFeed)) return PAT_ERROR_INCOMPLETE_REPLY;
        if (batch.queryResult != 0) return PAT_ERROR_INVALID_DATA;
        if (batch.queryEnded) return 0;
    }
}

const PatInfoNode *NonEmptyChild(const PatInfoNode *parent, uint32_t id) {
    const PatInfoNode *child = FindSiblingById(GetFirstChild(parent), id);
    return child != nullptr && child->dwLength != 0 ? child : nullptr;
}

}  // namespace

uint32_t CheckReplyCompleteness(PatInfoNode *replyRoot) {
    const PatInfoNode *query = FindSiblingById(GetFirstChild(replyRoot), PAT_TREE_QUERY_ROOT);
    if (query == nullptr) return 0;
    if (FindSiblingById(GetFirstChild(query), PAT_NODE_DEVICE_ID) != nullptr &&
        NonEmptyChild(replyRoot, PAT_NODE_DEVICE_ID) == nullptr) {
        return PAT_ERROR_INCOMPLETE_REPLY;
    }
    const PatInfoNode *queryText = FindSiblingById(GetFirstChild(query), PAT_NODE_PJL_TEXT);
    if (queryText == nullptr) return 0;
    const PatInfoNode *reply = NonEmptyChild(replyRoot, PAT_NODE_PJL_TEXT);
    if (reply == nullptr) return PAT_ERROR_INCOMPLETE_REPLY;
    return CompareQueryWithReply(TextOf(queryText), TextOf(reply));
}
