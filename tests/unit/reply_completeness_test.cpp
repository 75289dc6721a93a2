// The completeness check against its rule written out plainly: the query's
// distinct arguments (its TOKEN_ARGUMENT tokens, cut as a 100-character
// buffer keeps them, up to its first error), each answered by its first
// echo among the reply's command-line arguments with a form feed somewhere
// after it.  Compared on the full query and reply and on deterministic
// variations of both: answers reordered, repeated, dropped, moved past the
// last form feed, and bytes the grammar turns on put anywhere.  Also the
// recording the check hands to the interpretation.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "pat.h"
#include "pjl/reply_completeness.h"
#include "pjl/reply_tokenizer.h"
#include "support/pjl_texts.h"
#include "support/token_reading.h"

namespace {

constexpr uint32_t kKeptLength = 99;  // a 100-character token buffer

struct Echo {
    std::string word;
    const char *cursor;
};

std::string Kept(const TokenPlace &place) { return std::string(place.begin, KeptLength(place, kKeptLength)); }

// The rule, read with the tokenizer alone.
uint32_t ExpectedResult(const std::string &query, const std::string &reply) {
    std::vector<std::string> arguments;
    bool queryBroken = false;
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, Terminated(query.c_str()));
    for (;;) {
        const Token &token = TokenizerRead(&tokenizer);
        if (token.result != 0) {
            queryBroken = true;
            break;
        }
        if (token.place.kind == TOKEN_END) break;
        if (token.place.kind == TOKEN_ARGUMENT) arguments.push_back(Kept(token.place));
    }
    std::vector<Echo> echoes;
    TokenizerInit(&tokenizer, Terminated(reply.c_str()));
    for (;;) {
        const Token &token = TokenizerRead(&tokenizer);
        if (token.place.kind == TOKEN_END && token.result == 0) break;
        if (token.result == 0 && token.place.kind == TOKEN_ARGUMENT) echoes.push_back({Kept(token.place), token.cursor});
    }
    const size_t lastFormFeed = reply.rfind('\f');
    for (const std::string &argument : arguments) {
        const auto first =
            std::find_if(echoes.begin(), echoes.end(), [&](const Echo &e) { return e.word == argument; });
        if (first == echoes.end() || lastFormFeed == std::string::npos ||
            reply.data() + lastFormFeed < first->cursor) {
            return PAT_ERROR_INCOMPLETE_REPLY;
        }
    }
    return queryBroken ? PAT_ERROR_INVALID_DATA : 0;
}

struct Checked {
    uint32_t result;
    TokenRecording recording;
};

void Check(const std::string &query, const std::string &reply, Checked *out) {
    out->result = CompareQueryWithReply(Terminated(query.c_str()), Terminated(reply.c_str()), &out->recording);
}

// The reply cut into its answers, each up to and with its form feed.
std::vector<std::string> Answers(const std::string &reply) {
    std::vector<std::string> answers;
    size_t begin = 0;
    for (size_t ff = reply.find('\f'); ff != std::string::npos; ff = reply.find('\f', begin)) {
        answers.push_back(reply.substr(begin, ff + 1 - begin));
        begin = ff + 1;
    }
    if (begin < reply.size()) answers.push_back(reply.substr(begin));
    return answers;
}

struct Random {
    uint32_t seed;
    uint32_t Below(uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    }
};

// The reply's answers in another order, some repeated or dropped, one
// maybe after the last form feed or the last without its own, then a byte
// or two changed.
std::string VariedReply(Random *random) {
    std::vector<std::string> answers = Answers(kFullReplyText);
    switch (random->Below(4)) {
        case 0: std::reverse(answers.begin(), answers.end()); break;
        case 1: std::swap(answers[random->Below(answers.size())], answers[random->Below(answers.size())]); break;
        case 2: answers.insert(answers.begin(), answers[random->Below(answers.size())]); break;
        default: break;
    }
    if (random->Below(3) == 0) answers.erase(answers.begin() + random->Below(answers.size()));
    std::string reply;
    for (const std::string &answer : answers) reply += answer;
    if (random->Below(4) == 0) {
        // An answer after the last form feed.
        const std::string &late = answers[random->Below(answers.size())];
        reply += late.substr(0, late.size() - (late.back() == '\f' ? 1 : 0));
    }
    if (random->Below(5) == 0 && reply.back() == '\f') reply.pop_back();  // the last answer without it
    const char grammar[] = " \r\n\t\f:=\"@X";
    for (uint32_t edits = random->Below(3); edits > 0 && !reply.empty(); --edits) {
        reply[random->Below(reply.size())] = grammar[random->Below(sizeof grammar - 1)];
    }
    return reply;
}

// The full query, maybe with a line repeated, a line of another shape, or a
// byte changed.
std::string VariedQuery(Random *random) {
    std::string query = kFullQueryText;
    const size_t line = query.find("@PJL INQUIRE INTRAY", random->Below(query.size() - 40));
    switch (random->Below(5)) {
        case 0:
            if (line != std::string::npos) query.insert(line, query.substr(line, query.find('\n', line) + 1 - line));
            break;
        case 1: query.insert(query.find("@PJL INFO OUTBIN"), "@PJL INFO A:B\r\n@PJL INQUIRE \"IN TRAYS\"\r\n"); break;
        case 2: query[random->Below(query.size())] = " \r\n:=\"@"[random->Below(7)]; break;
        case 3:
            query.insert(query.find("@PJL INQUIRE INTRAY2"), "@PJL INQUIRE " + std::string(120, 'L') + "\r\n");
            break;
        default: break;
    }
    return query;
}

TEST(ReplyCompleteness, FollowsItsRuleOnVariedQueriesAndReplies) {
    Random random{2026};
    auto checked = std::make_unique<Checked>();
    for (int i = 0; i < 1500; ++i) {
        const std::string query = VariedQuery(&random);
        const std::string reply = VariedReply(&random);
        Check(query, reply, checked.get());
        ASSERT_EQ(checked->result, ExpectedResult(query, reply))
            << "case " << i << "\nquery: " << testing::PrintToString(query)
            << "\nreply: " << testing::PrintToString(reply);
    }
}

// A question asked twice is answered by its first echo, whether or not the
// reply answers in the order asked and repeats the answer.
TEST(ReplyCompleteness, RepeatedQuestionsAreAnsweredByTheirFirstEcho) {
    const std::string query = "@PJL INQUIRE A\r\n@PJL INQUIRE B\r\n@PJL INQUIRE A\r\n\x1B";
    const struct {
        const char *reply;
        uint32_t result;
    } cases[] = {
        {"@PJL INQUIRE A\r\n1\r\n\f@PJL INQUIRE B\r\n2\r\n\f", 0},
        {"@PJL INQUIRE A\r\n1\r\n\f@PJL INQUIRE C\r\n3\r\n\f@PJL INQUIRE B\r\n2\r\n\f", 0},
        {"@PJL INQUIRE A\r\n1\r\n\f@PJL INQUIRE C\r\n\f@PJL INQUIRE B\r\n2\r\n\f@PJL INQUIRE A\r\n1\r\n", 0},
        {"@PJL INQUIRE B\r\n2\r\n\f@PJL INQUIRE A\r\n1\r\n", PAT_ERROR_INCOMPLETE_REPLY},
        {"@PJL INQUIRE A\r\n1\r\n\f@PJL INQUIRE C\r\n3\r\n\f", PAT_ERROR_INCOMPLETE_REPLY},
    };
    auto checked = std::make_unique<Checked>();
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.reply));
        Check(query, c.reply, checked.get());
        EXPECT_EQ(checked->result, c.result);
        EXPECT_EQ(ExpectedResult(query, c.reply), c.result);
    }
}

// Arguments longer than a token buffer are compared as it keeps them: the
// first 99 characters.
TEST(ReplyCompleteness, LongArgumentsAreComparedAsTheBufferKeepsThem) {
    const std::string kept(99, 'K');
    const std::string query = "@PJL INQUIRE " + kept + "QUERY\r\n\x1B";
    auto checked = std::make_unique<Checked>();
    Check(query, "@PJL INQUIRE " + kept + "REPLY\r\nX\r\n\f", checked.get());
    EXPECT_EQ(checked->result, 0u);
    Check(query, "@PJL INQUIRE " + kept.substr(1) + "\r\nX\r\n\f", checked.get());
    EXPECT_EQ(checked->result, PAT_ERROR_INCOMPLETE_REPLY);
}

// The interpretation takes the first tokens of the reply from the check: as
// the tokenizer reads them, up to the recording's capacity; none when the
// query asks nothing.
TEST(ReplyCompleteness, RecordsTheFirstTokensOfTheReply) {
    Random random{7};
    auto checked = std::make_unique<Checked>();
    std::string longReply;
    for (int i = 0; i < 20; ++i) longReply += kFullReplyText;
    for (const std::string &reply : {std::string(kFullReplyText), longReply, VariedReply(&random)}) {
        Check(kFullQueryText, reply, checked.get());
        const TokenRecording &recording = checked->recording;
        ReplyTokenizer tokenizer;
        TokenizerInit(&tokenizer, Terminated(reply.c_str()));
        std::vector<Token> expected(TokenRecording::kCapacity);
        const uint32_t count = TokenizerReadRun(&tokenizer, expected.data(), TokenRecording::kCapacity);
        ASSERT_EQ(recording.text, reply.c_str());
        ASSERT_EQ(recording.count, count);
        for (uint32_t i = 0; i < count; ++i) {
            const Token &a = recording.token[i];
            const Token &b = expected[i];
            ASSERT_TRUE(a.place.begin == b.place.begin && a.place.length == b.place.length &&
                        a.place.kind == b.place.kind && a.result == b.result && a.cursor == b.cursor &&
                        a.state == b.state)
                << "token " << i;
        }
    }
    checked = std::make_unique<Checked>();
    Check("\x1B%-12345X@PJL\r\n\x1B%-12345X", kFullReplyText, checked.get());
    EXPECT_EQ(checked->result, 0u);
    EXPECT_EQ(checked->recording.count, 0u);
}

}  // namespace
