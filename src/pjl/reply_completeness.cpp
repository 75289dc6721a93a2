// Every argument of the query's command lines (the word after the command,
// such as "CONFIG" or "INTRAY1SIZE") must be echoed by the reply, and a form
// feed must follow its first echo somewhere.  The answers may come in any
// order, and blocks that break the grammar may stand between them: the
// search resynchronises on the next command line, as the interpretation does.
//
// Arguments are resolved in batches: one pass over the reply settles a whole
// batch, so the cost grows with the reply rather than with reply times query.
// Each argument's outcome is its own first echo, so how the arguments are
// grouped into batches never changes the result.
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

// An argument of the query or an echo in the reply: its text as a buffer of
// kTokenSize characters would keep it, read in place.
struct Word {
    const char *text;
    uint32_t length;
    uint32_t hash;
};

Word WordOf(const TokenPlace &token) {
    const uint32_t length = KeptLength(token, kTokenSize - 1);
    return {token.begin, length, TextHash(token.begin, length)};
}

bool SameWord(const Word &a, const Word &b) {
    return a.hash == b.hash && a.length == b.length && memcmp(a.text, b.text, a.length) == 0;
}

constexpr uint32_t kSlotCount = 2 * kBatchSize;  // a power of two
constexpr uint32_t kNotFound = kBatchSize;

// The distinct arguments of a batch, found by hash.  An argument the query
// asks twice is answered by the same echo, so it is kept once.
struct ArgumentBatch {
    Word argument[kBatchSize];
    bool resolved[kBatchSize];
    uint8_t slot[kSlotCount];  // 1 + the index of the argument kept here; 0: free
    uint32_t count;
    uint32_t queryResult;  // the query tokenizer's error that ended the batch, or 0
    bool queryEnded;
};

// The slot of the word: the one holding it, or the free one where it belongs.
uint32_t SlotOf(const ArgumentBatch &batch, const Word &word) {
    uint32_t at = word.hash & (kSlotCount - 1);
    while (batch.slot[at] != 0 && !SameWord(batch.argument[batch.slot[at] - 1], word)) at = (at + 1) & (kSlotCount - 1);
    return at;
}

uint32_t IndexOf(const ArgumentBatch &batch, const Word &word) {
    const uint8_t slot = batch.slot[SlotOf(batch, word)];
    return slot != 0 ? slot - 1u : kNotFound;
}

void AddArgument(ArgumentBatch *batch, const Word &word) {
    const uint32_t at = SlotOf(*batch, word);
    if (batch->slot[at] != 0) return;
    batch->argument[batch->count] = word;
    batch->resolved[batch->count] = false;
    batch->slot[at] = static_cast<uint8_t>(++batch->count);
}

void ReadArgumentBatch(ReplyTokenizer *query, ArgumentBatch *batch) {
    batch->count = 0;
    batch->queryResult = 0;
    batch->queryEnded = false;
    memset(batch->slot, 0, sizeof batch->slot);
    while (batch->count < kBatchSize) {
        TokenPlace token;
        batch->queryResult = TokenizerRead(query, &token);
        if (batch->queryResult != 0) return;
        if (token.kind == TOKEN_END) {
            batch->queryEnded = true;
            return;
        }
        if (token.kind == TOKEN_ARGUMENT) AddArgument(batch, WordOf(token));
    }
}

// Settles the argument this word echoes, if any; false when its first echo
// lacks its form feed.
bool ResolveEcho(ArgumentBatch *batch, const Word &echo, bool formFeedFollows, uint32_t *unresolved) {
    const uint32_t index = IndexOf(*batch, echo);
    if (index == kNotFound || batch->resolved[index]) return true;
    if (!formFeedFollows) return false;
    batch->resolved[index] = true;
    --*unresolved;
    return true;
}

// One pass over the reply for the batch; `recording` (null after the first
// pass) keeps the tokens it reads for the interpretation.
bool BatchAnswered(ArgumentBatch *batch, const BoundedText &reply, const char *lastFormFeed,
                   TokenRecording *recording) {
    uint32_t unresolved = batch->count;
    ReplyTokenizer tokenizer;
    StartTokenizer(&tokenizer, reply);
    if (recording != nullptr) TokenRecordingStart(recording, tokenizer);
    while (unresolved > 0) {
        TokenPlace token;
        const uint32_t result = recording != nullptr ? TokenizerReadRecorded(&tokenizer, &token, recording)
                                                     : TokenizerRead(&tokenizer, &token);
        const bool broken = result != 0;
        if (token.kind == TOKEN_END) return false;
        if (broken || token.kind != TOKEN_ARGUMENT) continue;
        const bool formFeedFollows = lastFormFeed != nullptr && lastFormFeed >= tokenizer.cursor;
        if (!ResolveEcho(batch, WordOf(token), formFeedFollows, &unresolved)) return false;
    }
    return true;
}

const char *LastFormFeed(const BoundedText &text) {
    for (const char *p = text.end; p > text.begin;) {
        if (*--p == '\f') return p;
    }
    return nullptr;
}

uint32_t CompareQueryWithReply(const BoundedText &query, const BoundedText &reply, TokenRecording *recording) {
    const char *lastFormFeed = LastFormFeed(reply);
    ReplyTokenizer queryTokenizer;
    StartTokenizer(&queryTokenizer, query);
    ArgumentBatch batch;
    for (;;) {
        ReadArgumentBatch(&queryTokenizer, &batch);
        if (!BatchAnswered(&batch, reply, lastFormFeed, recording)) return PAT_ERROR_INCOMPLETE_REPLY;
        recording = nullptr;
        if (batch.queryResult != 0) return PAT_ERROR_INVALID_DATA;
        if (batch.queryEnded) return 0;
    }
}

const PatInfoNode *NonEmptyChild(const PatInfoNode *parent, uint32_t id) {
    const PatInfoNode *child = FindSiblingById(GetFirstChild(parent), id);
    return child != nullptr && child->dwLength != 0 ? child : nullptr;
}

}  // namespace

uint32_t CheckReplyCompleteness(PatInfoNode *replyRoot, TokenRecording *recording) {
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
    return CompareQueryWithReply(TextOf(queryText), TextOf(reply), recording);
}
