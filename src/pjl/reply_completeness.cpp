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

// The query's tokens, read ahead a batch at a time.
struct QueryReader {
    ReplyTokenizer tokenizer;
    RecordedToken ahead[kTokenReadAhead];
    uint32_t next;
    uint32_t count;
};

void StartQuery(QueryReader *reader, const BoundedText &query) {
    TokenizerInit(&reader->tokenizer, query);
    reader->next = reader->count = 0;
}

// Not called again after the end of the text.
const RecordedToken &NextQueryToken(QueryReader *reader) {
    if (reader->next == reader->count) {
        reader->count = TokenizerReadAhead(&reader->tokenizer, reader->ahead, kTokenReadAhead);
        reader->next = 0;
    }
    return reader->ahead[reader->next++];
}

void ReadArgumentBatch(QueryReader *query, ArgumentBatch *batch) {
    batch->count = 0;
    batch->queryResult = 0;
    batch->queryEnded = false;
    memset(batch->slot, 0, sizeof batch->slot);
    while (batch->count < kBatchSize) {
        const RecordedToken &token = NextQueryToken(query);
        batch->queryResult = token.result;
        if (batch->queryResult != 0) return;
        if (token.place.kind == TOKEN_END) {
            batch->queryEnded = true;
            return;
        }
        if (token.place.kind == TOKEN_ARGUMENT) AddArgument(batch, WordOf(token.place));
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

// Where the next tokens of a pass are read to: the recording's free tokens
// while it has room, else `local`.  Returns their capacity.
uint32_t AheadPlace(TokenRecording *recording, RecordedToken *local, RecordedToken **ahead) {
    if (recording != nullptr && recording->count < TokenRecording::kCapacity) {
        *ahead = recording->token + recording->count;
        return TokenRecording::kCapacity - recording->count;
    }
    *ahead = local;
    return kTokenReadAhead;
}

// One pass over the reply for the batch; `recording` (null after the first
// pass) keeps the tokens it reads for the interpretation.
bool BatchAnswered(ArgumentBatch *batch, const BoundedText &reply, const char *lastFormFeed,
                   TokenRecording *recording) {
    uint32_t unresolved = batch->count;
    if (unresolved == 0) return true;
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, reply);
    if (recording != nullptr) TokenRecordingStart(recording, tokenizer);
    RecordedToken local[kTokenReadAhead];
    for (;;) {
        RecordedToken *ahead;
        const uint32_t capacity = AheadPlace(recording, local, &ahead);
        const uint32_t count = TokenizerReadAhead(&tokenizer, ahead, capacity);
        if (ahead != local) recording->count += count;
        for (uint32_t i = 0; i < count; ++i) {
            const RecordedToken &token = ahead[i];
            if (token.place.kind == TOKEN_END) return false;
            if (token.result != 0 || token.place.kind != TOKEN_ARGUMENT) continue;
            const bool formFeedFollows = lastFormFeed != nullptr && lastFormFeed >= token.cursor;
            if (!ResolveEcho(batch, WordOf(token.place), formFeedFollows, &unresolved)) return false;
            if (unresolved == 0) return true;
        }
    }
}

const char *LastFormFeed(const BoundedText &text) {
    for (const char *p = text.end; p > text.begin;) {
        if (*--p == '\f') return p;
    }
    return nullptr;
}

uint32_t CompareQueryWithReply(const BoundedText &query, const BoundedText &reply, TokenRecording *recording) {
    const char *lastFormFeed = LastFormFeed(reply);
    QueryReader queryReader;
    StartQuery(&queryReader, query);
    ArgumentBatch batch;
    for (;;) {
        ReadArgumentBatch(&queryReader, &batch);
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
