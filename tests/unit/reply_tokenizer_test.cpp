#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "pjl/reply_tokenizer.h"

namespace {

struct Token {
    int32_t kind;
    std::string text;
    uint32_t result;
    bool operator==(const Token &o) const { return kind == o.kind && text == o.text && result == o.result; }
};

std::ostream &operator<<(std::ostream &os, const Token &t) {
    return os << "(" << t.kind << " \"" << t.text << "\" r" << t.result << ")";
}

// A NUL-ended text, its terminator inside the bounds.
BoundedText Terminated(const char *text) { return BoundText(text, static_cast<uint32_t>(strlen(text) + 1)); }

// Every token up to and including the first end, as the dispatcher reads them.
std::vector<Token> Tokens(const char *text, uint32_t capacity = 33) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, Terminated(text));
    std::vector<Token> out;
    std::vector<char> buffer(capacity, '\0');
    for (int guard = 0; guard < 1000; ++guard) {
        int32_t kind = 0;
        const uint32_t result = TokenizerNext(&tokenizer, buffer.data(), capacity, &kind);
        out.push_back({kind, buffer.data(), result});
        if (kind == TOKEN_END) break;
    }
    return out;
}

std::vector<int32_t> Kinds(const std::vector<Token> &tokens) {
    std::vector<int32_t> kinds;
    for (const Token &t : tokens) kinds.push_back(t.kind);
    return kinds;
}

TEST(ReplyTokenizer, ConfigurationReply) {
    const char *reply =
        "@PJL INFO CONFIG\r\n"
        "IN TRAYS [1 ENUMERATED]\r\n"
        "\tINTRAY1\r\n"
        "MEMORY=8388608\r\n"
        "\f";
    const std::vector<Token> expected = {
        {TOKEN_PJL, "@PJL", 0},        {TOKEN_COMMAND, "INFO", 0},         {TOKEN_ARGUMENT, "CONFIG", 0},
        {TOKEN_LINE_END, "\n", 0},     {TOKEN_KEY, "IN TRAYS", 0},         {TOKEN_BRACKET_FIRST, "1", 0},
        {TOKEN_BRACKET_NEXT, "ENUMERATED", 0}, {TOKEN_LINE_END, "\n", 0}, {TOKEN_TAB, "\t", 0},
        {TOKEN_ITEM, "INTRAY1", 0},    {TOKEN_LINE_END, "\n", 0},          {TOKEN_KEY, "MEMORY", 0},
        {TOKEN_KEY_VALUE, "8388608", 0}, {TOKEN_LINE_END, "\n", 0},        {TOKEN_FORM_FEED, "\f", 0},
        {TOKEN_END, "\f", 0},
    };
    // The end of the text leaves the buffer as the last token left it.
    std::vector<Token> tokens = Tokens(reply);
    EXPECT_EQ(tokens, expected);
}

TEST(ReplyTokenizer, InquireAnswerAndItemValues) {
    EXPECT_EQ(Tokens("@PJL INQUIRE INTRAY1SIZE\r\nA4\r\n\f"),
              (std::vector<Token>{{TOKEN_PJL, "@PJL", 0},
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
              (std::vector<Token>{{TOKEN_PJL, "@PJL", 0},
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
              (std::vector<Token>{{TOKEN_PJL, "@PJL", 0},
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
    const std::vector<Token> tokens = Tokens("@PJL INFO X\r\nNAME=\"A B \"\r\n\f");
    ASSERT_GT(tokens.size(), 5u);
    EXPECT_EQ(tokens[5], (Token{TOKEN_KEY_VALUE, "A B", 0}));
    EXPECT_EQ(tokens.back(), (Token{TOKEN_END, "\f", 0}));
}

TEST(ReplyTokenizer, LibraryQueryTextReadsAsCommandLines) {
    const char *query =
        "\x1B%-12345X@PJL\r\n@PJL INFO CONFIG\r\n@PJL INQUIRE INTRAY1SIZE\r\n@PJL INFO OUTBINSTATUS\r\n"
        "\x1B%-12345X";
    const std::vector<Token> tokens = Tokens(query);
    EXPECT_EQ(Kinds(tokens), (std::vector<int32_t>{1, 3, 1, 2, 4, 3, 1, 2, 4, 3, 1, 2, 4, 3, 255}));
    for (const Token &t : tokens) EXPECT_EQ(t.result, 0u) << t;
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
        const std::vector<Token> tokens = Tokens(c.text);
        ASSERT_GT(tokens.size(), c.errorAt);
        for (size_t i = 0; i < c.errorAt; ++i) EXPECT_EQ(tokens[i].result, 0u) << i << " " << tokens[i];
        EXPECT_EQ(tokens[c.errorAt].result, 13u);
        EXPECT_EQ(tokens[c.errorAt].kind, c.kind);
    }
}

TEST(ReplyTokenizer, AfterAnErrorTheNextCommandLineIsFound) {
    const std::vector<Token> tokens = Tokens("@PJL INFO CONFIG\r\n\f@PJL INFO X\r\nA\r\n\f");
    ASSERT_EQ(tokens.size(), 13u);
    EXPECT_EQ(tokens[5], (Token{TOKEN_PJL, "@PJL", 0}));
    EXPECT_EQ(tokens[7], (Token{TOKEN_ARGUMENT, "X", 0}));
    EXPECT_EQ(tokens[12], (Token{TOKEN_END, "\f", 0}));
}

TEST(ReplyTokenizer, EndIsStickyAndCleanOnlyBetweenCommands) {
    ReplyTokenizer tokenizer;
    const char *text = "@PJL INFO";
    TokenizerInit(&tokenizer, Terminated(text));
    char buffer[33];
    int32_t kind = 0;
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
    EXPECT_EQ(kind, TOKEN_COMMAND);
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 13u);
    EXPECT_EQ(kind, TOKEN_END);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
        EXPECT_EQ(kind, TOKEN_END);
        EXPECT_EQ(tokenizer.cursor, text + strlen(text));
    }
}

TEST(ReplyTokenizer, OverlongWordsAreCutAndSkippedWhole) {
    const std::string word40(40, 'W');
    const std::string text = "@PJL INQUIRE " + word40 + "\r\nA\r\n\f";
    for (uint32_t capacity : {33u, 100u, 1u}) {
        SCOPED_TRACE(capacity);
        const std::vector<Token> tokens = Tokens(text.c_str(), capacity);
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
        for (int i = 0; i < 5; ++i) ASSERT_EQ(TokenizerRead(&tokenizer, &token), 0u);
        EXPECT_EQ(token.kind, TOKEN_KEY);
        EXPECT_EQ(token.begin, text.c_str() + 18);
        EXPECT_EQ(token.length, c.length);
        EXPECT_EQ(KeptLength(token, 32), c.kept32);
        EXPECT_EQ(KeptLength(token, 99), c.kept99);
    }
    // The end met between commands spans nothing: a copy keeps the buffer.
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, Terminated(""));
    TokenPlace end{};
    EXPECT_EQ(TokenizerRead(&tokenizer, &end), 0u);
    EXPECT_EQ(end.kind, TOKEN_END);
    char buffer[4] = "old";
    CopyToken(end, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "old");
}

TEST(ReplyTokenizer, ScanKeepsControlCharactersInsideWordsAndStopsOnEnders) {
    struct ScanCase {
        const char *text;
        int32_t wordKind;
        int32_t kind;
        const char *token;
        char next;  // the character at the cursor afterwards
    };
    const ScanCase cases[] = {
        {"A\tB\fC\"D E", TOKEN_ARGUMENT, TOKEN_ARGUMENT, "A\tB\fC\"D", 'E'},
        {"IN TRAYS  [", TOKEN_KEY, TOKEN_KEY, "IN TRAYS", '['},
        {"  ", TOKEN_KEY, TOKEN_KEY, "", '\0'},
        {":X", TOKEN_ARGUMENT, TOKEN_ARGUMENT, "", ':'},
        {"\"no end", TOKEN_KEY_VALUE, TOKEN_KEY_VALUE, "no end", '\0'},
        {"\"a:b\" \r c", TOKEN_KEY_VALUE, TOKEN_KEY_VALUE, "a:b", 'c'},
        {"\t x", TOKEN_KEY, TOKEN_TAB, "\t", 'x'},
        {"", TOKEN_KEY, TOKEN_END, "", '\0'},
    };
    for (const ScanCase &c : cases) {
        SCOPED_TRACE(c.text);
        ReplyTokenizer tokenizer;
        TokenizerInit(&tokenizer, Terminated(c.text));
        char buffer[33];
        EXPECT_EQ(TokenizerScan(&tokenizer, buffer, sizeof buffer, c.wordKind), c.kind);
        EXPECT_STREQ(buffer, c.token);
        EXPECT_EQ(*tokenizer.cursor, c.next);
    }
}

TEST(ReplyTokenizer, BoundedTextEndsAtItsLength) {
    // No NUL within the bound: the bytes beyond it must not be read as text.
    const char bytes[] = "@PJL INFO CONFIG\r\nKEY=VALUE\r\n\fTRAILING GARBAGE @PJL INFO X";
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, BoundText(bytes, 30));  // ends just after the form feed
    char buffer[33];
    int32_t kind = 0;
    std::vector<int32_t> kinds;
    uint32_t result = 0;
    do {
        result |= TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind);
        kinds.push_back(kind);
    } while (kind != TOKEN_END && kinds.size() < 50);
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(kinds, (std::vector<int32_t>{1, 2, 4, 3, 8, 9, 3, 14, 255}));
    EXPECT_EQ(tokenizer.cursor, bytes + 30);

    // A bound inside "@PJL" does not find it.
    TokenizerInit(&tokenizer, BoundText(bytes, 3));
    EXPECT_EQ(TokenizerNext(&tokenizer, buffer, sizeof buffer, &kind), 0u);
    EXPECT_EQ(kind, TOKEN_END);
    EXPECT_EQ(tokenizer.cursor, bytes + 3);
}

// Reading many tokens at once gives each token, result and position that
// reading them one by one gives, whatever the batch size, and stops after the
// end of the text.
TEST(ReplyTokenizer, ReadAheadAgreesWithReadingOneByOne) {
    const char bytes[] = "@PJL INFO CONFIG\r\nKEY=VALUE\r\n\fTRAILING @PJL INFO X";
    const BoundedText texts[] = {
        Terminated("@PJL INFO CONFIG\r\nIN TRAYS [1 ENUMERATED]\r\n\tINTRAY1 PC\r\nMEMORY=8\r\n\f"),
        Terminated("@PJL INFO X:\r\nKEY=\"Q V\" \r\nA]B\r\n@PJL ECHO Y\r\n@PJL INFO STATUS\r\nCODE"),
        Terminated(""),
        BoundText(bytes, 30),
        BoundText(bytes, sizeof bytes - 1),
    };
    for (const BoundedText &text : texts) {
        ReplyTokenizer single;
        TokenizerInit(&single, text);
        std::vector<RecordedToken> expected;
        for (int guard = 0; guard < 100; ++guard) {
            RecordedToken token{};
            token.result = TokenizerRead(&single, &token.place);
            token.cursor = single.cursor;
            token.state = single.state;
            expected.push_back(token);
            if (token.place.kind == TOKEN_END) break;
        }
        for (uint32_t capacity : {1u, 3u, kTokenReadAhead}) {
            SCOPED_TRACE(std::string(text.begin, text.end) + " / " + std::to_string(capacity));
            ReplyTokenizer batched;
            TokenizerInit(&batched, text);
            std::vector<RecordedToken> ahead(capacity);
            size_t at = 0;
            while (at < expected.size()) {
                const uint32_t count = TokenizerReadAhead(&batched, ahead.data(), capacity);
                ASSERT_GE(count, 1u);
                ASSERT_LE(count, capacity);
                ASSERT_LE(at + count, expected.size());
                for (uint32_t i = 0; i < count; ++i, ++at) {
                    EXPECT_EQ(ahead[i].place.kind, expected[at].place.kind) << at;
                    EXPECT_EQ(ahead[i].place.begin, expected[at].place.begin) << at;
                    EXPECT_EQ(ahead[i].place.length, expected[at].place.length) << at;
                    EXPECT_EQ(ahead[i].result, expected[at].result) << at;
                    EXPECT_EQ(ahead[i].cursor, expected[at].cursor) << at;
                    EXPECT_EQ(ahead[i].state, expected[at].state) << at;
                }
                EXPECT_EQ(batched.cursor, ahead[count - 1].cursor);
                EXPECT_EQ(batched.state, ahead[count - 1].state);
            }
        }
    }
}

}  // namespace
