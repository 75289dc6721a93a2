// Every argument of the query's command lines (the word after the command,
// such as "CONFIG" or "INTRAY1SIZE") must be echoed by the reply, and a form
// feed must follow its first echo somewhere.  The answers may come in any
// order, and blocks that break the grammar may stand between them: the
// search resynchronises on the next command line, as the interpretation does.
//
// A reply nearly always answers in the order asked.  The first pass over it
// (the one whose tokens are recorded for the interpretation) compares each
// echo with the query's next argument, reading the query alongside, and is
// done when the query's arguments are.  A reply that strays from that order
// is checked again from its start, its arguments resolved in batches: one
// pass over the reply settles a whole batch, so the cost grows with the reply
// rather than with reply times query.  Each argument's outcome is its own
// first echo, so neither the order of the answers nor how the arguments are
// grouped into batches changes the result.
#include "reply_completeness.h"

#include <string.h>

#include "common/info_node.h"
#include "query_arguments.h"
#include "reply_tokenizer.h"
#include "same_text.h"

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
};

Word WordOf(const TokenPlace &token) { return {token.begin, KeptLength(token, kTokenSize - 1)}; }

bool SameWord(const Word &a, const Word &b) { return a.length == b.length && SameText(a.text, b.text, a.length); }

// A word's key: its length and its first, middle and last four characters,
// each spread by a multiplication.  Cheaper than a hash of every character,
// and the query's arguments (INTRAY1SIZE, INTRAY2SIZE, INTRAY1MEDIA...)
// differ in those.  Equal words have equal keys.
uint32_t KeyOf(const Word &word) {
    uint32_t first = 0, middle = 0, last = 0;
    if (word.length >= 4) {
        first = LoadWord4(word.text);
        middle = LoadWord4(word.text + (word.length - 4) / 2);
        last = LoadWord4(word.text + word.length - 4);
    } else {
        for (uint32_t i = 0; i < word.length; ++i) first = first << 8 | static_cast<uint8_t>(word.text[i]);
    }
    return (first ^ word.length) * 0x9E3779B1u ^ middle * 0x85EBCA77u ^ last * 0xC2B2AE3Du;
}

constexpr uint32_t kNotFound = kBatchSize;

// The distinct arguments of a batch.  An argument the query asks twice is
// answered by the same echo, so it is kept once.  A word is looked for among
// them only when its key's bit is set: most echoes are found as the expected
// argument, and most other words' bits are clear.
struct ArgumentBatch {
    Word argument[kBatchSize];
    uint32_t key[kBatchSize];
    bool resolved[kBatchSize];
    uint32_t keyBits[8];  // the key bit of every argument kept
    uint32_t count;
    // The first argument not resolved yet (count: all are).  A reply answers
    // in the order asked, so an echo is compared with it first.
    uint32_t expected;
    uint32_t queryResult;  // the query reader's error that ended the batch, or 0
    bool queryEnded;
};

// A key's bit among 256 is taken from its high bits, where the
// multiplications spread every character.
constexpr uint32_t kKeyBitShift = 24;

bool KeyBitSet(const ArgumentBatch &batch, uint32_t key) {
    const uint32_t bit = key >> kKeyBitShift;
    return (batch.keyBits[bit / 32] >> (bit % 32) & 1) != 0;
}

void SetKeyBit(ArgumentBatch *batch, uint32_t key) {
    const uint32_t bit = key >> kKeyBitShift;
    batch->keyBits[bit / 32] |= 1u << (bit % 32);
}

// The index of the argument kept as the word, or kNotFound.
uint32_t IndexOf(const ArgumentBatch &batch, const Word &word, uint32_t key) {
    if (!KeyBitSet(batch, key)) return kNotFound;
    for (uint32_t i = 0; i < batch.count; ++i) {
        if (batch.key[i] == key && SameWord(batch.argument[i], word)) return i;
    }
    return kNotFound;
}

void AddArgument(ArgumentBatch *batch, const Word &word) {
    const uint32_t key = KeyOf(word);
    if (IndexOf(*batch, word, key) != kNotFound) return;
    batch->argument[batch->count] = word;
    batch->key[batch->count] = key;
    batch->resolved[batch->count] = false;
    SetKeyBit(batch, key);
    ++batch->count;
}

void StartBatch(ArgumentBatch *batch) {
    batch->count = batch->expected = 0;
    batch->queryResult = 0;
    batch->queryEnded = false;
    memset(batch->keyBits, 0, sizeof batch->keyBits);
}

// Reads the query's arguments into the batch until it holds kBatchSize or
// the query ends or breaks.
void FillBatch(QueryArgumentReader *query, ArgumentBatch *batch) {
    while (batch->count < kBatchSize) {
        TokenPlace argument;
        batch->queryResult = NextQueryArgument(query, &argument);
        if (batch->queryResult != 0) return;
        if (argument.kind == TOKEN_END) {
            batch->queryEnded = true;
            return;
        }
        AddArgument(batch, WordOf(argument));
    }
}

// The unresolved argument the word echoes, or kNotFound.
uint32_t EchoedArgument(const ArgumentBatch &batch, const Word &echo) {
    if (batch.expected < batch.count && SameWord(batch.argument[batch.expected], echo)) return batch.expected;
    const uint32_t index = IndexOf(batch, echo, KeyOf(echo));
    return index != kNotFound && !batch.resolved[index] ? index : kNotFound;
}

// Settles the argument this word echoes, if any; false when its first echo
// lacks its form feed.
bool ResolveEcho(ArgumentBatch *batch, const Word &echo, bool formFeedFollows) {
    const uint32_t index = EchoedArgument(*batch, echo);
    if (index == kNotFound) return true;
    if (!formFeedFollows) return false;
    batch->resolved[index] = true;
    uint32_t expected = batch->expected;
    while (expected < batch->count && batch->resolved[expected]) ++expected;
    batch->expected = expected;
    return true;
}

// One reading of the reply from its beginning: it fills `filling` while that
// has room, and takes what `replay` kept of an earlier reading first.
struct ReplyPass {
    ReplyTokenizer tokenizer;
    TokenRecording *filling;
    RecordedToken local[kTokenReadAhead];
};

void StartPass(ReplyPass *pass, const BoundedText &reply, TokenRecording *filling, const TokenRecording *replay) {
    TokenizerInitReplay(&pass->tokenizer, reply, replay);
    pass->filling = filling;
    if (filling != nullptr) TokenRecordingStart(filling, pass->tokenizer);
}

// The next tokens of the pass, into the recording's free tokens while it has
// room, else into `local`; *count: how many (the end of the text comes last).
const RecordedToken *NextTokens(ReplyPass *pass, uint32_t *count) {
    TokenRecording *filling = pass->filling;
    if (filling != nullptr && filling->count < TokenRecording::kCapacity) {
        RecordedToken *ahead = filling->token + filling->count;
        *count = TokenizerReadAhead(&pass->tokenizer, ahead, TokenRecording::kCapacity - filling->count);
        filling->count += *count;
        return ahead;
    }
    *count = TokenizerReadAhead(&pass->tokenizer, pass->local, kTokenReadAhead);
    return pass->local;
}

// The first TOKEN_ARGUMENT among tokens [i, count), or count.  Four tokens a
// round: most of a reply's tokens are not arguments.
uint32_t NextArgumentToken(const RecordedToken *tokens, uint32_t i, uint32_t count) {
    const RecordedToken *token = tokens + i;
    const RecordedToken *end = tokens + count;
    for (; end - token >= 4; token += 4) {
        if (token[0].place.kind == TOKEN_ARGUMENT) return static_cast<uint32_t>(token - tokens);
        if (token[1].place.kind == TOKEN_ARGUMENT) return static_cast<uint32_t>(token - tokens) + 1;
        if (token[2].place.kind == TOKEN_ARGUMENT) return static_cast<uint32_t>(token - tokens) + 2;
        if (token[3].place.kind == TOKEN_ARGUMENT) return static_cast<uint32_t>(token - tokens) + 3;
    }
    for (; token != end; ++token) {
        if (token->place.kind == TOKEN_ARGUMENT) return static_cast<uint32_t>(token - tokens);
    }
    return count;
}

bool FormFeedFollows(const RecordedToken &token, const char *lastFormFeed) {
    return lastFormFeed != nullptr && lastFormFeed >= token.cursor;
}

// Settles the batch from the tokens [i, count) of `ahead` on, reading on
// through the pass; false when an argument's first echo lacks its form feed
// or the reply ends first.
bool SettleBatch(ArgumentBatch *batch, ReplyPass *pass, const RecordedToken *ahead, uint32_t i, uint32_t count,
                 const char *lastFormFeed) {
    for (;;) {
        // Only a command line's arguments echo; the end of the text comes last.
        for (i = NextArgumentToken(ahead, i, count); i < count; i = NextArgumentToken(ahead, i + 1, count)) {
            const RecordedToken &token = ahead[i];
            if (token.result != 0) continue;
            if (!ResolveEcho(batch, WordOf(token.place), FormFeedFollows(token, lastFormFeed))) return false;
            if (batch->expected == batch->count) return true;
        }
        if (ahead[count - 1].place.kind == TOKEN_END) return false;
        ahead = NextTokens(pass, &count);
        i = 0;
    }
}

// One pass over the reply for the batch, the recorded tokens replayed.
bool BatchAnswered(ArgumentBatch *batch, const BoundedText &reply, const char *lastFormFeed,
                   const TokenRecording *recording) {
    if (batch->count == 0) return true;
    ReplyPass pass;
    StartPass(&pass, reply, nullptr, recording);
    uint32_t count;
    const RecordedToken *ahead = NextTokens(&pass, &count);
    return SettleBatch(batch, &pass, ahead, 0, count, lastFormFeed);
}

// The check in batches, for any reply: each argument found by its first echo
// wherever it stands.
uint32_t CheckInBatches(const BoundedText &query, const BoundedText &reply, const char *lastFormFeed,
                        const TokenRecording *recording) {
    QueryArgumentReader queryReader;
    QueryArgumentsStart(&queryReader, query);
    ArgumentBatch batch;
    for (;;) {
        StartBatch(&batch);
        FillBatch(&queryReader, &batch);
        if (!BatchAnswered(&batch, reply, lastFormFeed, recording)) return PAT_ERROR_INCOMPLETE_REPLY;
        if (batch.queryResult != 0) return PAT_ERROR_INVALID_DATA;
        if (batch.queryEnded) return 0;
    }
}

// Whether the reply's token is a word as the tokenizer reads one, shorter
// than the cut: a word stops at a character that ends words, a quoted string
// at its closing quote.
bool ShortWord(const TokenPlace &token, const char *replyEnd) {
    const char *after = token.begin + token.length;
    return token.length != 0 && token.length < kTokenSize - 1 && after < replyEnd &&
           (*after == ' ' || *after == '\r' || *after == '\n');
}

// What an echo met in order tells of the query's next argument.
enum class EchoOf { kNextArgument, kOtherWord, kQueryEnded };

// Reads the query's next argument against the echo: *next, when it is
// another word; at the query's end *queryResult is the reader's result.
EchoOf ReadEchoedArgument(QueryArgumentReader *query, const TokenPlace &echo, const char *replyEnd, Word *next,
                          uint32_t *queryResult) {
    // The library's own lines are compared with the echo in place.
    if (ShortWord(echo, replyEnd) && SkipQueryArgument(query, echo.begin, echo.length)) return EchoOf::kNextArgument;
    TokenPlace argument;
    *queryResult = NextQueryArgument(query, &argument);
    if (*queryResult != 0 || argument.kind == TOKEN_END) return EchoOf::kQueryEnded;
    *next = WordOf(argument);
    return SameWord(WordOf(echo), *next) ? EchoOf::kNextArgument : EchoOf::kOtherWord;
}

uint32_t OutcomeAtQueryEnd(uint32_t queryResult) { return queryResult != 0 ? PAT_ERROR_INVALID_DATA : 0; }

// The rest of the first pass once the reply strays from the order asked,
// at the token [i] of `ahead`: the arguments not met yet, from `next` on, in
// one batch, each found by its first echo from that token on.  The echoes
// before it are those of the arguments met so far, so an argument that is
// none of them has its first echo from there on; only one asked again may
// have an earlier first echo.  So when the batch is answered, *outcome is the
// check's result; false leaves it undecided (a batch too long, an argument
// asked again, or indeed an incomplete reply).
bool AnsweredFromStray(QueryArgumentReader *query, const Word &next, ReplyPass *pass, const RecordedToken *ahead,
                       uint32_t i, uint32_t count, const char *lastFormFeed, uint32_t *outcome) {
    ArgumentBatch batch;
    StartBatch(&batch);
    AddArgument(&batch, next);
    FillBatch(query, &batch);
    if (batch.queryResult == 0 && !batch.queryEnded) return false;
    if (!SettleBatch(&batch, pass, ahead, i, count, lastFormFeed)) return false;
    *outcome = OutcomeAtQueryEnd(batch.queryResult);
    return true;
}

// The first pass over the reply, filling the recording: whether the reply
// answers the query in the order asked, every echo the next argument, each
// with a form feed after it, up to the query's end.  Then each argument's
// first echo is the one met here (a repeated argument's too, met at its first
// asking), and *outcome is the check's result.  A reply that strays from that
// order (answers to questions not asked, say) is settled from there on in a
// batch.  False leaves the check undecided.
bool AnsweredInOrder(QueryArgumentReader *query, const BoundedText &reply, ReplyPass *pass,
                     const char *lastFormFeed, uint32_t *outcome) {
    uint32_t queryResult = 0;
    for (;;) {
        uint32_t count;
        const RecordedToken *ahead = NextTokens(pass, &count);
        for (uint32_t i = NextArgumentToken(ahead, 0, count); i < count; i = NextArgumentToken(ahead, i + 1, count)) {
            const RecordedToken &token = ahead[i];
            if (token.result != 0) continue;
            Word next;
            switch (ReadEchoedArgument(query, token.place, reply.end, &next, &queryResult)) {
                case EchoOf::kQueryEnded: *outcome = OutcomeAtQueryEnd(queryResult); return true;
                case EchoOf::kOtherWord:
                    return AnsweredFromStray(query, next, pass, ahead, i, count, lastFormFeed, outcome);
                case EchoOf::kNextArgument:
                    if (!FormFeedFollows(token, lastFormFeed)) return false;
                    break;
            }
        }
        if (ahead[count - 1].place.kind == TOKEN_END) break;
    }
    // The reply has ended: settled only if the query has too.
    TokenPlace next;
    queryResult = NextQueryArgument(query, &next);
    if (queryResult == 0 && next.kind != TOKEN_END) return false;
    *outcome = OutcomeAtQueryEnd(queryResult);
    return true;
}

const char *LastFormFeed(const BoundedText &text) {
    for (const char *p = text.end; p > text.begin;) {
        if (*--p == '\f') return p;
    }
    return nullptr;
}

// A query without arguments asks nothing of the reply, which is then not
// read here.  A reply that answers in the order asked is settled by the pass
// that records it; any other by the check in batches, over the recording.
uint32_t CompareQueryWithReply(const BoundedText &query, const BoundedText &reply, TokenRecording *recording) {
    QueryArgumentReader queryReader;
    QueryArgumentsStart(&queryReader, query);
    TokenPlace first;
    const uint32_t result = NextQueryArgument(&queryReader, &first);
    if (result != 0 || first.kind == TOKEN_END) return OutcomeAtQueryEnd(result);
    QueryArgumentsStart(&queryReader, query);  // the pass in order reads from the first argument on
    const char *lastFormFeed = LastFormFeed(reply);
    ReplyPass pass;
    StartPass(&pass, reply, recording, nullptr);
    uint32_t outcome;
    if (AnsweredInOrder(&queryReader, reply, &pass, lastFormFeed, &outcome)) return outcome;
    return CheckInBatches(query, reply, lastFormFeed, recording);
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
