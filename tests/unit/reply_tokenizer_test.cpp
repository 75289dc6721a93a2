#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "pjl/reply_tokenizer.h"
#include "support/token_reading.h"

namespace {

struct TokenText {
    int32_t kind;
    std::string text;
    uint32_t result;
    bool operator==(const TokenText &o) const { return kind == o.kind && text == o.text && result == o.result; }
};

std::ostream &operator<<(std::ostream &os, const TokenText &t) {
    return os << "(" << t.kind << " \"" << t.text << "\" r" << t.result << ")";
}

// Every token up to and including the first end, as the dispatcher reads them.
std::vector<TokenText> Tokens(const char *text, uint32_t capacity = 33) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, Terminated(text));
    std::vector<TokenText> out;
    std::vector<char> buffer(capacity, '\0');
    for (int guard = 0; guard < 1000; ++guard) {
        int32_t kind = 0;
        const uint32_t result = TokenizerNext(&tokenizer, buffer.data(), capacity, &kind);
        out.push_back({kind, buffer.data(), result});
        if (kind == TOKEN_END) break;
    }
    return out;
}

std::vector<int32_t> Kinds(const std::vector<TokenText> &tokens) {
    std::vector<int32_t> kinds;
    for (const TokenText &t : tokens) kinds.push_back(t.kind);
    return kinds;
}

TEST(ReplyTokenizer, ConfigurationReply) {
    const char *reply =
        "@PJL INFO CONFIG\r\n"
        "IN TRAYS [1 ENUMERATED]\r\n"
        "\tINTRAY1\r\n"
        "MEMORY=8388608\r\n"
        "\f";
    const std::vector<TokenText> expected = {
        {TOKEN_PJL, "@PJL", 0},        {TOKEN_COMMAND, "INFO", 0},         {TOKEN_ARGUMENT, "CONFIG", 0},
        {TOKEN_LINE_END, "\n", 0},     {TOKEN_KEY, "IN TRAYS", 0},         {TOKEN_BRACKET_FIRST, "1", 0},
        {TOKEN_BRACKET_NEXT, "ENUMERATED", 0}, {TOKEN_LINE_END, "\n", 0}, {TOKEN_TAB, "\t", 0},
        {TOKEN_ITEM, "INTRAY1", 0},    {TOKEN_LINE_END, "\n", 0},          {TOKEN_KEY, "MEMORY", 0},
        {TOKEN_KEY_VALUE, "8388608", 0}, {TOKEN_LINE_END, "\n", 0},        {TOKEN_FORM_FEED, "\f", 0},
        {TOKEN_END, "\f", 0},
    };
    // The end of the text leaves the buffer as the last token left it.
    std::vector<TokenText> tokens = Tokens(reply);
    EXPECT_EQ(tokens, expected);
}

TEST(ReplyTokenizer, InquireAnswerAndItemValues) {
    EXPECT_EQ(Tokens("@PJL INQUIRE INTRAY1SIZE\r\nA4\r\n\f"),
              (std::vector<TokenText>{{TOKEN_PJL, "@PJL", 0},
                                  {TOKEN_COMMAND, "INQUIRE", 0},
                                  {TOKEN_ARGUMENT, "INTRAY1SIZE", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_KEY, "A4", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_FORM_FEED, "\f", 0},
                                  {TOKEN_END, "\f", 0}}));
    // Item values after "=" or after blanks; a bracket after a key value;
    // LF alone ends lines as well as CR LF.
    EXPECT_EQ(Tokens("@PJL INFO CONFIG\nVERSION=X [2 ITEMS]\n\tZEMA = \"1.0 \"\n\tMOXI 2.0\n\f"),
              (std::vector<TokenText>{{TOKEN_PJL, "@PJL", 0},
                                  {TOKEN_COMMAND, "INFO", 0},
                                  {TOKEN_ARGUMENT, "CONFIG", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_KEY, "VERSION", 0},
                                  {TOKEN_KEY_VALUE, "X", 0},
                                  {TOKEN_BRACKET_FIRST, "2", 0},
                                  {TOKEN_BRACKET_NEXT, "ITEMS", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_TAB, "\t", 0},
                                  {TOKEN_ITEM, "ZEMA", 0},
                                  {TOKEN_ITEM_VALUE, "1.0", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_TAB, "\t", 0},
                                  {TOKEN_ITEM, "MOXI", 0},
                                  {TOKEN_ITEM_VALUE, "2.0", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_FORM_FEED, "\f", 0},
                                  {TOKEN_END, "\f", 0}}));
}

TEST(ReplyTokenizer, CommandLineForms) {
    // A qualifier after ":", a value after "=", a command with no argument
    // and an empty command.
    EXPECT_EQ(Tokens("@PJL SET LPARM : PCL COPIES = 2\r\n@PJL ECHO\r\n@PJL\r\n"),
              (std::vector<TokenText>{{TOKEN_PJL, "@PJL", 0},
                                  {TOKEN_COMMAND, "SET", 0},
                                  {TOKEN_ARGUMENT_COLON, "LPARM", 0},
                                  {TOKEN_QUALIFIER, "PCL", 0},
                                  {TOKEN_ARGUMENT, "COPIES", 0},
                                  {TOKEN_ARGUMENT_VALUE, "2", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_PJL, "@PJL", 0},
                                  {TOKEN_COMMAND, "ECHO", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_PJL, "@PJL", 0},
                                  {TOKEN_LINE_END, "\n", 0},
                                  {TOKEN_END, "\n", 0}}));
}

TEST(ReplyTokenizer, QuotedKeyValueLosesQuotesAndTrailingBlank) {
    const std::vector<TokenText> tokens = Tokens("@PJL INFO X\r\nNAME=\"A B \"\r\n\f");
    ASSERT_GT(tokens.size(), 5u);
    EXPECT_EQ(tokens[5], (TokenText{TOKEN_KEY_VALUE, "A B", 0}));
    EXPECT_EQ(tokens.back(), (TokenText{TOKEN_END, "\f", 0}));
}

TEST(ReplyTokenizer, LibraryQueryTextReadsAsCommandLines) {
    const char *query =
        "\x1B%-12345X@PJL\r\n@PJL INFO CONFIG\r\n@PJL INQUIRE INTRAY1SIZE\r\n@PJL INFO OUTBINSTATUS\r\n"
        "\x1B%-12345X";
    const std::vector<TokenText> tokens = Tokens(query);
    EXPECT_EQ(Kinds(tokens), (std::vector<int32_t>{1, 3, 1, 2, 4, 3, 1, 2, 4, 3, 1, 2, 4, 3, 255}));
    for (const TokenText &t : tokens) EXPECT_EQ(t.result, 0u) << t;
    EXPECT_EQ(tokens[12].text, "OUTBINSTATUS");
}

struct GrammarErrorCase {
    const char *name;
    const char *text;
    size_t errorAt;  // index of the token that reports 13
    int32_t kind;    // its kind
};

TEST(ReplyTokenizer, GrammarErrorsReportTheScannedKindAndResynchronise) {
    const GrammarErrorCase cases[] = {
        // The echoed command line straight followed by the form feed.
        {"answer without body", "@PJL INFO CONFIG\r\n\f@PJL INFO X\r\nA\r\n\f", 4, TOKEN_FORM_FEED},
        // An empty value, the value word where a line end is due, then the line feed in state 7.
        {"blank after equals", "@PJL INFO CONFIG\r\nMEMORY= 1024\r\n\f", 7, TOKEN_LINE_END},
        {"text ends after command word", "@PJL INFO", 2, TOKEN_END},
        {"indented line first in body", "@PJL INFO CONFIG\r\n\tX\r\n\f", 4, TOKEN_TAB},
        {"qualifier missing", "@PJL INFO A:\r\n", 3, TOKEN_LINE_END},
        {"bracket never closed", "@PJL INFO A\r\nK[1 2", 7, TOKEN_END},
        {"key line ends at a colon", "@PJL INFO A\r\nK:V\r\n\f", 4, TOKEN_KEY},
        // A word cannot start at ":" inside a bracket; reading on would never end.
        {"colon inside a bracket", "@PJL INFO A\r\nK[1 : 2]\r\n\f", 6, TOKEN_BRACKET_NEXT},
    };
    for (const GrammarErrorCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TokenText> tokens = Tokens(c.text);
        ASSERT_GT(tokens.size(), c.errorAt);
        for (size_t i = 0; i < c.errorAt; ++i) EXPECT_EQ(tokens[i].result, 0u) << i << " " << tokens[i];
        EXPECT_EQ(tokens[c.errorAt].result, 13u);
        EXPECT_EQ(tokens[c.errorAt].kind, c.kind);
    }
}

TEST(ReplyTokenizer, AfterAnErrorTheNextCommandLineIsFound) {
    const std::vector<TokenText> tokens = Tokens("@PJL INFO CONFIG\r\n\f@PJL INFO X\r\nA\r\n\f");
    ASSERT_EQ(tokens.size(), 13u);
    EXPECT_EQ(tokens[5], (TokenText{TOKEN_PJL, "@PJL", 0}));
    EXPECT_EQ(tokens[7], (TokenText{TOKEN_ARGUMENT, "X", 0}));
    EXPECT_EQ(tokens[12], (TokenText{TOKEN_END, "\f", 0}));
}

TEST(ReplyTokenizer, EndIsStickyAndCleanOnlyBetweenCommands) {
    ReplyTokenizer tokenizer;
    const char *text = "@PJL INFO";
    TokenizerInit(&tokenizer, Terminated(text));
    char buffer[33];
    int32_t kind = 0;
    const Token *read = nullptr;
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
    EXPECT_EQ(kind, TOKEN_COMMAND);
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 13u);
    EXPECT_EQ(kind, TOKEN_END);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind, &read), 0u);
        EXPECT_EQ(kind, TOKEN_END);
        EXPECT_EQ(read->cursor, text + strlen(text));
    }
}

TEST(ReplyTokenizer, OverlongWordsAreCutAndSkippedWhole) {
    const std::string word40(40, 'W');
    const std::string text = "@PJL INQUIRE " + word40 + "\r\nA\r\n\f";
    for (uint32_t capacity : {33u, 100u, 1u}) {
        SCOPED_TRACE(capacity);
        const std::vector<TokenText> tokens = Tokens(text.c_str(), capacity);
        ASSERT_EQ(tokens.size(), 8u);
        EXPECT_EQ(tokens[2].kind, TOKEN_ARGUMENT);
        EXPECT_EQ(tokens[2].text, word40.substr(0, capacity - 1));
        EXPECT_EQ(tokens[3].kind, TOKEN_LINE_END);
        EXPECT_EQ(tokens[4].text, std::string("A").substr(0, capacity - 1));
        EXPECT_EQ(tokens[7].result, 0u);
    }
    // "@PJL" itself is cut to the capacity too.
    EXPECT_EQ(Tokens("@PJL\n", 3)[0].text, "@P");
}

// A token is handed over as its place in the text, as read; what a buffer
// keeps of it is cut first and trimmed after, so blanks that only a cut brings
// to the end are dropped too.
TEST(ReplyTokenizer, PlacesSpanTheTextAsReadAndKeptLengthCutsThenTrims) {
    struct PlaceCase {
        const char *name;
        std::string key;  // the first body line's key
        uint32_t length;  // its place's length
        uint32_t kept32, kept99;
    };
    const PlaceCase cases[] = {
        {"blanks before the bracket", "IN TRAYS  ", 10, 8, 8},
        {"longer than a buffer", std::string(40, 'K'), 40, 32, 40},
        {"blanks that the cut leaves last", "ABC" + std::string(29, ' ') + "X", 33, 3, 33},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = "@PJL INFO CONFIG\r\n" + c.key + "[1 ENUMERATED]\r\n\f";
        ReplyTokenizer tokenizer;
        TokenizerInit(&tokenizer, Terminated(text.c_str()));
        TokenPlace token{};
        for (int i = 0; i < 5; ++i) {
            const Token &read = TokenizerRead(&tokenizer);
            ASSERT_EQ(read.result, 0u);
            token = read.place;
        }
        EXPECT_EQ(token.kind, TOKEN_KEY);
        EXPECT_EQ(token.begin, text.c_str() + 18);
        EXPECT_EQ(token.length, c.length);
        EXPECT_EQ(KeptLength(token, 32), c.kept32);
        EXPECT_EQ(KeptLength(token, 99), c.kept99);
    }
    // The end met between commands spans nothing: a copy keeps the buffer.
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, Terminated(""));
    const Token &read = TokenizerRead(&tokenizer);
    EXPECT_EQ(read.result, 0u);
    const TokenPlace end = read.place;
    EXPECT_EQ(end.kind, TOKEN_END);
    char buffer[4] = "old";
    CopyToken(end, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "old");
}

// A word runs to a character that ends words (a key's blanks belong to it);
// tabs, form feeds and quotes inside it are its own; a quoted string runs to
// its closing quote or the end of the text.
TEST(ReplyTokenizer, WordsKeepControlCharactersAndStopOnEnders) {
    struct WordCase {
        const char *text;
        size_t at;  // the token looked at
        int32_t kind;
        const char *token;
        uint32_t result;
    };
    const WordCase cases[] = {
        {"@PJL INFO A\tB\fC\"D E\r\n", 2, TOKEN_ARGUMENT, "A\tB\fC\"D", 0},
        {"@PJL INFO A\tB\fC\"D E\r\n", 3, TOKEN_LINE_END, "E", 0},
        {"@PJL INFO :X\r\n", 2, TOKEN_ARGUMENT_COLON, "", 0},
        {"@PJL INFO X\r\nK=\"no end", 5, TOKEN_KEY_VALUE, "no end", 0},
        {"@PJL INFO X\r\nK=\"no end", 6, TOKEN_END, "", 13},
        {"@PJL INFO X\r\nK=\"a:b\" \r\n\f", 5, TOKEN_KEY_VALUE, "a:b", 0},
        {"@PJL INFO X\r\nK=\"a:b\" \r\n\f", 6, TOKEN_LINE_END, "\n", 0},
        // Blanks and carriage returns between tokens are passed over: a blank
        // body line is a line feed where a key is due.
        {"@PJL INFO X\r\n  \r\n\f", 4, TOKEN_LINE_END, "\n", 13},
    };
    for (const WordCase &c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<TokenText> tokens = Tokens(c.text);
        ASSERT_GT(tokens.size(), c.at);
        EXPECT_EQ(tokens[c.at], (TokenText{c.kind, c.token, c.result}));
    }
}

TEST(ReplyTokenizer, PayloadWithoutNulEndsAtItsLength) {
    // No NUL within the payload: the bytes beyond it must not be read as text.
    const char bytes[] = "@PJL INFO CONFIG\r\nKEY=VALUE\r\n\fTRAILING GARBAGE @PJL INFO X";
    const OpenedPayload payload(bytes, 30);  // ends just after the form feed
    ASSERT_EQ(payload.result, 0u);
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, payload.text());
    char buffer[33];
    int32_t kind = 0;
    const Token *read = nullptr;
    std::vector<int32_t> kinds;
    uint32_t result = 0;
    do {
        result |= TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind, &read);
        kinds.push_back(kind);
    } while (kind != TOKEN_END && kinds.size() < 50);
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(kinds, (std::vector<int32_t>{1, 2, 4, 3, 8, 9, 3, 14, 255}));
    EXPECT_EQ(read->cursor, payload.text().begin + 30);

    // A payload that ends inside "@PJL" does not hold it.
    const OpenedPayload cut(bytes, 3);
    TokenizerInit(&tokenizer, cut.text());
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind, &read), 0u);
    EXPECT_EQ(kind, TOKEN_END);
    EXPECT_EQ(read->cursor, cut.text().begin + 3);

    // A payload with its NUL is read in place, up to the NUL.
    const OpenedPayload inPlace(bytes, sizeof bytes);
    EXPECT_EQ(inPlace.text().begin, bytes);
    EXPECT_EQ(inPlace.text().end, bytes + sizeof bytes - 1);
}

bool SameToken(const Token &a, const Token &b) {
    return a.place.kind == b.place.kind && a.place.begin == b.place.begin && a.place.length == b.place.length &&
           a.result == b.result && a.cursor == b.cursor && a.state == b.state;
}

// Every token of the text, each read by a run of its own: no room for the
// fast lane, every token through the machine's steps.
std::vector<Token> ReadStepByStep(const NulEndedText &text) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    std::vector<Token> tokens;
    for (int guard = 0; guard < 100000; ++guard) {
        Token token;
        EXPECT_EQ(TokenizerReadRun(&tokenizer, &token, 1), 1u);
        tokens.push_back(token);
        if (token.place.kind == TOKEN_END) break;
    }
    return tokens;
}

void ExpectReadsAsSteps(ReplyTokenizer *tokenizer, const std::vector<Token> &steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const Token &token = TokenizerRead(tokenizer);
        ASSERT_TRUE(SameToken(token, steps[i])) << "token " << i;
    }
}

// The library's own lines, from the fast lane, and lines of every other
// shape: the same tokens, results and positions as the steps give, read in
// batches, recorded, and replayed with the rest read on from the recording's
// end.
TEST(ReplyTokenizer, BatchesRecordingAndReplayReadAsTheSteps) {
    std::string longReply;
    for (int i = 0; i < 120; ++i) longReply += "@PJL INQUIRE INTRAY1\r\nLOCKED\r\n\f";
    const std::string texts[] = {
        "\x1B%-12345X@PJL\r\n@PJL INFO CONFIG\r\n@PJL INQUIRE  INTRAY1SIZE \r\n@PJL INFO\r\n@PJL INQUIRE\r\n",
        "@PJL INFO CONFIG\r\nIN TRAYS [1 ENUMERATED]\r\n\tINTRAY1 PC\r\nMEMORY=8\r\n\f@PJL INFO X:Y=Z\r\n",
        "@PJL INFO X:\r\nKEY=\"Q V\" \r\nA]B\r\n@PJL ECHO Y\r\n@PJL INQUIRE \"Q\"\r\n@PJL INFO STATUS\r\nCODE",
        "@PJL INQUIRE ",
        "@PJL INFO ",
        "",
        longReply,
    };
    for (const std::string &text : texts) {
        SCOPED_TRACE(text.substr(0, 60));
        const NulEndedText whole = Terminated(text.c_str());
        const std::vector<Token> steps = ReadStepByStep(whole);
        ReplyTokenizer tokenizer;
        TokenizerInit(&tokenizer, whole);
        ExpectReadsAsSteps(&tokenizer, steps);
        auto recording = std::make_unique<TokenRecording>();
        TokenizerRecord(&tokenizer, whole, recording.get());
        ExpectReadsAsSteps(&tokenizer, std::vector<Token>(steps.begin(), steps.begin() + (steps.size() + 1) / 2));
        EXPECT_EQ(recording->count, std::min<size_t>(steps.size(), TokenRecording::kCapacity));
        TokenizerReplay(&tokenizer, whole, *recording);
        ExpectReadsAsSteps(&tokenizer, steps);
    }
}

}  // namespace
