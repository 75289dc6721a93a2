// The PJL reply tokenizer: a state machine that knows the line structure of
// a printer's PJL answer and reports with every token where in that structure
// it stands, so the interpretation can dispatch on a word's position.  It
// reads a NUL-ended text in place (payload_text.h), never allocates, and
// reads tokens ahead in batches: a reader takes them one by one, inline.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "payload_text.h"

// The numbers are shared with the reply interpretation; keep them.
enum TokenKind : int32_t {
    TOKEN_PJL = 1,              // "@PJL" opening a command line
    TOKEN_COMMAND = 2,          // first word after "@PJL"
    TOKEN_LINE_END = 3,         // a line feed, or a word where a line end was due
    TOKEN_ARGUMENT = 4,         // further word of a command line
    TOKEN_ARGUMENT_COLON = 5,   // command-line word followed by ":"
    TOKEN_QUALIFIER = 6,        // the word after that ":"
    TOKEN_ARGUMENT_VALUE = 7,   // value after a command-line word and "="
    TOKEN_KEY = 8,              // first word of a body line, blanks allowed
    TOKEN_KEY_VALUE = 9,        // value after a key and "="
    TOKEN_BRACKET_FIRST = 10,   // first word after "["
    TOKEN_BRACKET_NEXT = 11,    // each further word before "]"
    TOKEN_ITEM = 12,            // first word of a tab-indented line
    TOKEN_ITEM_VALUE = 13,      // the word after it
    TOKEN_FORM_FEED = 14,       // a form feed where a token begins
    TOKEN_TAB = 15,             // a tab where a token begins
    TOKEN_END = 255,            // the end of the text
};

// States of the machine; the numbers follow the grammar's description.
enum TokenizerState : int32_t {
    kBetweenCommands = 1,
    kAfterPjl = 2,
    kCommandArguments = 3,
    kAfterArgumentColon = 4,
    kAfterArgumentEquals = 5,
    kCommandLineEnd = 6,
    kBodyLineStart = 7,
    kAfterKeyEquals = 8,
    kBracketFirst = 9,
    kBracketNext = 10,
    kBodyLineEnd = 11,
    kAfterTabOrFormFeed = 12,
    kIndentedItem = 13,
    kIndentedValue = 14,
};

// A token's place in the text: its kind and the characters it spans as read,
// neither cut nor trimmed (KeptLength does that).  The end of the text found
// between commands spans nothing: begin is null, and a reader keeps the word
// it had.
struct TokenPlace {
    const char *begin;
    uint32_t length;
    TokenKind kind;
};

// A token with its result (PAT_OK, or PAT_ERROR_INVALID_DATA where the text
// breaks the grammar and the machine goes back to waiting for the next
// "@PJL") and where the tokenizer stood after it.
struct Token {
    TokenPlace place;
    const char *cursor;
    TokenizerState state;
    uint32_t result;
};

// The first tokens of a text as one reading found them.  A reply is read
// twice, by the completeness check and by the interpretation; the second
// reading takes what the first kept and reads only the rest.
struct TokenRecording {
    static constexpr uint32_t kCapacity = 384;  // the reply to a full query, with room
    const char *text = nullptr;                 // the text recorded
    uint32_t count = 0;
    Token token[kCapacity];
};

// How many tokens the tokenizer reads at once when it records nothing.
constexpr uint32_t kTokenReadAhead = 32;

struct ReplyTokenizer {
    // The machine: where it stands after the last token it read ahead.
    const char *cursor;
    TokenizerState state;
    const char *end;  // the text's NUL
    // Tokens read ahead and not handed out yet.
    const Token *next;
    const Token *last;
    TokenRecording *recording;  // where tokens read go while it has room; null: ahead
    Token ahead[kTokenReadAhead];
};

// Starts reading the text from its beginning, between commands.
void TokenizerInit(ReplyTokenizer *tokenizer, const NulEndedText &text);

// Starts reading the text as TokenizerInit does, and keeps the tokens read in
// `recording` (emptied first) while it has room.
void TokenizerRecord(ReplyTokenizer *tokenizer, const NulEndedText &text, TokenRecording *recording);

// Starts reading the text as TokenizerInit does; when `recording` holds
// tokens of this very text, they are handed out first, and the reading
// resumes from where the last of them left the machine.
void TokenizerReplay(ReplyTokenizer *tokenizer, const NulEndedText &text, const TokenRecording &recording);

// Reads on from `cursor` in `state`, where a token of this text left the
// tokenizer (Token::cursor and Token::state), or between commands at any
// place of the text; tokens read ahead are dropped.
void TokenizerResume(ReplyTokenizer *tokenizer, const char *cursor, TokenizerState state);

// What TokenizerSkipLine found.
enum class LineSkip {
    kOtherText,       // the text does not go on with the line: nothing read
    kSkipped,         // passed over it; more commands may follow
    kSkippedToTheEnd  // passed over it, and reading on gives only the clean end
};

// When the text goes on, where the tokenizer stands between commands with no
// token read ahead, with the `length` characters at `line` (a command line of
// another text, from its "@PJL" to and with its line feed), passes over them
// as reading their tokens would.  Reading the same characters from the same
// state gives the same tokens, so the line's tokens are those the other text
// gave.
LineSkip TokenizerSkipLine(ReplyTokenizer *tokenizer, const char *line, uint32_t length);

// Reads up to `capacity` (>= 1) tokens from where the machine stands into
// `out`, the end of the text the last; returns how many.  Tokens still to be
// handed out by TokenizerRead are not among them: call it on a tokenizer that
// has none.  The library's own command lines ("@PJL INQUIRE ", "@PJL INFO ")
// open with two tokens read at once, a fast lane beside the machine's steps
// that gives the very same tokens; a run of one token has no room for it, so
// reading one token a run reads everything through the steps.
uint32_t TokenizerReadRun(ReplyTokenizer *tokenizer, Token *out, uint32_t capacity);

// Reads the next batch of tokens ahead (TokenizerRead calls it when none is
// left): at least one, the end of the text the last.
void TokenizerReadAhead(ReplyTokenizer *tokenizer);

// The next token.  It stays valid until the next call.  Once at the end of
// the text, every further call reports the end again.
inline const Token &TokenizerRead(ReplyTokenizer *tokenizer) {
    if (tokenizer->next == tokenizer->last) TokenizerReadAhead(tokenizer);
    return *tokenizer->next++;
}

// A token kind's bit in a set of kinds (the end of the text: bit 31).
constexpr uint32_t KindBit(TokenKind kind) { return 1u << (kind & 31); }
static_assert(KindBit(TOKEN_END) == 1u << 31 && KindBit(TOKEN_TAB) == 1u << 15, "each kind a bit of its own");

// The next token whose kind is among `kinds` (KindBit), or the end of the
// text; the tokens before it are read and passed over, whatever their result.
inline const Token &TokenizerReadKinds(ReplyTokenizer *tokenizer, uint32_t kinds) {
    kinds |= KindBit(TOKEN_END);
    for (;;) {
        const Token *token = tokenizer->next;
        const Token *const last = tokenizer->last;
        for (; token != last; ++token) {
            if ((kinds & KindBit(token->place.kind)) != 0) {
                tokenizer->next = token + 1;
                return *token;
            }
        }
        tokenizer->next = last;
        TokenizerReadAhead(tokenizer);
    }
}

// How many of the token's characters a buffer of limit + 1 keeps: at most
// limit, without the blanks that would end the copy.
inline uint32_t KeptLength(const TokenPlace &token, uint32_t limit) {
    uint32_t length = token.length < limit ? token.length : limit;
    while (length > 0 && token.begin[length - 1] == ' ') --length;
    return length;
}
