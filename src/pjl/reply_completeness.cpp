// Every argument of the query's command lines (the word after the command,
// such as "CONFIG" or "INTRAY1SIZE") must be echoed by the reply, and a form
// feed must follow its first echo somewhere.  The answers may come in any
// order, and blocks that break the grammar may stand between them: the
// search resynchronises on the next command line, as the interpretation does.
//
// A reply nearly always answers in the order asked, echoing each command line
// of the query as it stands.  The first pass over the reply (the one whose
// tokens the interpretation takes over) passes over the query's lines as the
// reply echoes them, without reading them, and is done when the query is.
// Any other reply is checked in batches of the query's arguments: one pass
// over the reply settles a whole batch, so the cost grows with the reply
// rather than with reply times query.  Each argument's outcome is its own
// first echo, so neither the order of the answers nor how the arguments are
// grouped into batches changes the result.
#include "reply_completeness.h"

#include "common/short_text.h"
#include "dispatch_index.h"

namespace {

constexpr uint32_t kTokenSize = 100;
constexpr uint32_t kBatchSize = 32;
constexpr uint8_t kNotInBatch = 0xFF;

// An argument of the query or an echo in the reply: its text as a buffer of
// kTokenSize characters would keep it, read in place, and its number among
// the dispatch tables' words, which hold every argument of the library's own
// queries (kStrangerWord for any other word).
struct Word {
    const char *text;
    uint32_t length;
    uint32_t number;
};

Word WordOf(const TokenPlace &token) {
    const uint32_t length = KeptLength(token, kTokenSize - 1);
    const uint32_t number =
        length <= kLongestDispatchWord ? kReplyDispatchIndex.NumberOf(token.begin, length) : kStrangerWord;
    return {token.begin, length, number};
}

bool SameStranger(const Word &a, const Word &b) { return a.length == b.length && SameText(a.text, b.text, a.length); }

// The distinct arguments of a batch not settled yet.  A numbered word is
// known by its number; the others (a host's own questions) are compared.
struct ArgumentBatch {
    uint64_t pendingNumbers;  // a bit for each numbered argument not settled
    Word stranger[kBatchSize];
    bool strangerSettled[kBatchSize];
    uint32_t strangers;
    uint32_t unsettled;
    uint32_t queryResult;  // the query reader's error that ended the batch, or 0
    bool queryEnded;
};
static_assert(kStrangerWord <= 64, "a bit for each number");

uint64_t NumberBit(const Word &word) { return uint64_t{1} << word.number; }

void AddArgument(ArgumentBatch *batch, const Word &word) {
    if (word.number != kStrangerWord) {
        if ((batch->pendingNumbers & NumberBit(word)) != 0) return;
        batch->pendingNumbers |= NumberBit(word);
    } else {
        for (uint32_t i = 0; i < batch->strangers; ++i) {
            if (SameStranger(batch->stranger[i], word)) return;
        }
        batch->strangerSettled[batch->strangers] = false;
        batch->stranger[batch->strangers++] = word;
    }
    ++batch->unsettled;
}

// The query's next argument, or its end (kind TOKEN_END): the reader's result.
uint32_t NextArgument(ReplyTokenizer *query, TokenPlace *argument) {
    for (;;) {
        const Token &token = TokenizerRead(query);
        if (token.result != 0) return token.result;
        if (token.place.kind == TOKEN_ARGUMENT || token.place.kind == TOKEN_END) {
            *argument = token.place;
            return 0;
        }
    }
}

// Reads the query's arguments into an empty batch until it holds kBatchSize
// words that are no dispatch word, or the query ends or breaks.
void FillBatch(ReplyTokenizer *query, ArgumentBatch *batch) {
    batch->pendingNumbers = 0;
    batch->strangers = batch->unsettled = 0;
    batch->queryResult = 0;
    batch->queryEnded = false;
    while (batch->strangers < kBatchSize) {
        TokenPlace argument;
        batch->queryResult = NextArgument(query, &argument);
        if (batch->queryResult != 0) return;
        if (argument.kind == TOKEN_END) {
            batch->queryEnded = true;
            return;
        }
        AddArgument(batch, WordOf(argument));
    }
}

// Settles the argument the echo is the first echo of, if any; false when a
// form feed does not follow it.
bool SettleEcho(ArgumentBatch *batch, const Word &echo, bool formFeedFollows) {
    if (echo.number != kStrangerWord) {
        if ((batch->pendingNumbers & NumberBit(echo)) == 0) return true;
        if (!formFeedFollows) return false;
        batch->pendingNumbers &= ~NumberBit(echo);
        --batch->unsettled;
        return true;
    }
    for (uint32_t i = 0; i < batch->strangers; ++i) {
        if (batch->strangerSettled[i] || !SameStranger(batch->stranger[i], echo)) continue;
        if (!formFeedFollows) return false;
        batch->strangerSettled[i] = true;
        --batch->unsettled;
        return true;
    }
    return true;
}

// Settles the argument the echo token is the first echo of, if any; false
// when a form feed does not follow it.
bool SettleEchoToken(ArgumentBatch *batch, const Token &echo, const char *lastFormFeed) {
    const bool formFeedFollows = lastFormFeed != nullptr && lastFormFeed >= echo.cursor;
    return echo.result != 0 || SettleEcho(batch, WordOf(echo.place), formFeedFollows);
}

// Reads the reply on until the batch is settled: false when an argument's
// first echo lacks its form feed or the reply ends first.
bool SettleBatch(ArgumentBatch *batch, ReplyTokenizer *reply, const char *lastFormFeed) {
    // Only a command line's arguments echo; the end of the text comes last.
    while (batch->unsettled != 0) {
        const Token &token = TokenizerReadKinds(reply, KindBit(TOKEN_ARGUMENT));
        if (token.place.kind == TOKEN_END || !SettleEchoToken(batch, token, lastFormFeed)) return false;
    }
    return true;
}

// One pass over the reply from its beginning, the recorded tokens replayed:
// whether it settles the whole batch.
bool BatchAnswered(ArgumentBatch *batch, const NulEndedText &reply, const char *lastFormFeed,
                   const TokenRecording &recording) {
    ReplyTokenizer tokenizer;
    TokenizerReplay(&tokenizer, reply, recording);
    return SettleBatch(batch, &tokenizer, lastFormFeed);
}

const char *LastFormFeed(const NulEndedText &text) {
    for (const char *p = text.end; p > text.begin;) {
        if (*--p == '\f') return p;
    }
    return nullptr;
}

// The check in batches, for any reply: each argument found by its first echo
// wherever it stands.  The passes read the reply from the recording first.
uint32_t CheckInBatches(const NulEndedText &query, const NulEndedText &reply, const char *lastFormFeed,
                        const TokenRecording *recording) {
    ReplyTokenizer queryReader;
    TokenizerInit(&queryReader, query);
    ArgumentBatch batch;
    for (;;) {
        FillBatch(&queryReader, &batch);
        if (!BatchAnswered(&batch, reply, lastFormFeed, *recording)) return PAT_ERROR_INCOMPLETE_REPLY;
        if (batch.queryResult != 0) return PAT_ERROR_INVALID_DATA;
        if (batch.queryEnded) return PAT_OK;
    }
}

// Brings the query to where it reads the command line of its first argument;
// false, with the check's *outcome, when it has none: the end of the query or
// its grammar error comes first.
bool StartAtFirstArgument(ReplyTokenizer *query, const NulEndedText &text, uint32_t *outcome) {
    TokenizerInit(query, text);
    const char *line = text.begin;
    for (;;) {
        const Token &token = TokenizerRead(query);
        if (token.result != 0 || token.place.kind == TOKEN_END) {
            *outcome = token.result != 0 ? PAT_ERROR_INVALID_DATA : PAT_OK;
            return false;
        }
        if (token.place.kind == TOKEN_PJL) line = token.place.begin;
        if (token.place.kind == TOKEN_ARGUMENT) break;
    }
    TokenizerResume(query, line, kBetweenCommands);
    return true;
}

// What an in-order reading of the reply makes of the check.
enum class InOrder { kAnswered, kQueryBroken, kUndecided };

InOrder OutcomeOf(const ArgumentBatch &batch) {
    return batch.queryResult != 0 ? InOrder::kQueryBroken : InOrder::kAnswered;
}

// The rest of the in-order reading once the reply strays from the query's
// order at the echo `stray`: the query's remaining arguments in one batch,
// each found by its first echo from the stray on.  The echoes before it are
// those of the query's lines passed over, so an argument that is none of
// them has its first echo from there on; one asked again may have an earlier
// one, which had its form feed.  So a batch settled there settles the check;
// a batch that is not (one too long, an argument asked again, or indeed an
// incomplete reply) leaves it undecided.
InOrder SettleFromStray(ReplyTokenizer *query, ReplyTokenizer *reply, const Token &stray, const char *lastFormFeed) {
    ArgumentBatch batch;
    FillBatch(query, &batch);
    if (batch.queryResult == 0 && !batch.queryEnded) return InOrder::kUndecided;
    if (!SettleEchoToken(&batch, stray, lastFormFeed) || !SettleBatch(&batch, reply, lastFormFeed)) {
        return InOrder::kUndecided;
    }
    return OutcomeOf(batch);
}

// The first pass over the reply, filling the recording, with the query read
// alongside from its first argument's line: the reply echoes the query's
// command lines in their order, each "@PJL", command and one argument exactly
// as the query writes it, each with a form feed after it, until the query
// ends.  Then every argument is answered, a repeated one by its first echo
// too.  At an echo that is not the query's next line, the rest is settled
// from there (SettleFromStray).
InOrder ReadInOrder(ReplyTokenizer *query, const NulEndedText &reply, const char *lastFormFeed,
                    TokenRecording *recording) {
    ReplyTokenizer tokenizer;
    TokenizerRecord(&tokenizer, reply, recording);
    const char *line = nullptr;  // the "@PJL" of the reply's latest command line
    for (;;) {
        const Token &token = TokenizerReadKinds(&tokenizer, KindBit(TOKEN_PJL) | KindBit(TOKEN_ARGUMENT));
        if (token.place.kind == TOKEN_PJL) {
            line = token.place.begin;
            continue;
        }
        if (token.place.kind == TOKEN_END) return InOrder::kUndecided;
        const Token echo = token;
        // The echo's line is "@PJL", its command and the echo, then its line feed.
        const Token &lineEnd = TokenizerRead(&tokenizer);
        if (lineEnd.result != 0 || lineEnd.place.kind != TOKEN_LINE_END || *lineEnd.place.begin != '\n') {
            return InOrder::kUndecided;
        }
        const uint32_t length = static_cast<uint32_t>(lineEnd.place.begin + 1 - line);
        const LineSkip skip = TokenizerSkipLine(query, line, length);
        if (skip == LineSkip::kOtherText) return SettleFromStray(query, &tokenizer, echo, lastFormFeed);
        if (lastFormFeed == nullptr || lastFormFeed < echo.cursor) return InOrder::kUndecided;
        if (skip == LineSkip::kSkippedToTheEnd) return InOrder::kAnswered;
    }
}

}  // namespace

uint32_t CompareQueryWithReply(const NulEndedText &query, const NulEndedText &reply, TokenRecording *recording) {
    // A query without arguments asks nothing of the reply, which is then not
    // read here.
    ReplyTokenizer queryReader;
    uint32_t outcome = PAT_OK;
    if (!StartAtFirstArgument(&queryReader, query, &outcome)) return outcome;
    const char *lastFormFeed = LastFormFeed(reply);
    switch (ReadInOrder(&queryReader, reply, lastFormFeed, recording)) {
        case InOrder::kAnswered: return PAT_OK;
        case InOrder::kQueryBroken: return PAT_ERROR_INVALID_DATA;
        case InOrder::kUndecided: break;
    }
    return CheckInBatches(query, reply, lastFormFeed, recording);
}
