// The PJL reply tokenizer: a state machine that knows the line structure of
// a printer's PJL answer and reports with every token where in that structure
// it stands, so the interpretation can dispatch on a word's position.  It
// never allocates and never reads past the end of its text.
#pragma once

#include <stdint.h>

#include "bounded_text.h"
#include "pat.h"

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


struct RecordedToken;

struct ReplyTokenizer {
    const char *cursor;
    int32_t state;
    const char *end;  // the end of the bounded text (bounded_text.h)
    bool nulEnded;    // whether *end may be read (it is the text's NUL)
    // Scans read without checking `end` while they start before these: each
    // lies just past a character that stops that scan (the text's own NUL
    // when it has one), so one check per scan replaces one per character.
    const char *wordSafeEnd;   // past the last of \r \n : = [ ]
    const char *quoteSafeEnd;  // past the last double quote
    const char *blankSafeEnd;  // past the last character that is neither blank nor \r
    // Tokens an earlier reading of this text kept (TokenRecording), handed
    // out before the text is read on from the last of them.
    const RecordedToken *replay;
    const RecordedToken *replayEnd;
};

// A token's place in the text: its kind and the characters it spans as read,
// neither cut nor trimmed (CopyToken and KeptLength do that).  The end of the
// text found between commands spans nothing: begin is null, and a copy leaves
// the buffer as it was.
struct TokenPlace {
    const char *begin;
    uint32_t length;
    int32_t kind;
};

// A token with its result and where the tokenizer stood after it.
struct RecordedToken {
    TokenPlace place;
    const char *cursor;
    int32_t state;
    uint32_t result;
};

// The first tokens of a text as one reading found them.  A reply is read
// twice, by the completeness check and by the interpretation; the second
// reading takes what the first kept and reads only the rest.
struct TokenRecording {
    static constexpr uint32_t kCapacity = 384;  // the reply to a full query, with room
    const char *begin = nullptr;  // the text recorded: its bounds
    const char *end = nullptr;
    uint32_t count = 0;
    RecordedToken token[kCapacity];
};

// Starts reading the text from its beginning, between commands.
void TokenizerInit(ReplyTokenizer *tokenizer, const BoundedText &text);

// Starts reading the text as TokenizerInit does; when `recording` holds
// tokens of this very text, they are read from it first.
void TokenizerInitReplay(ReplyTokenizer *tokenizer, const BoundedText &text, const TokenRecording *recording);

// Starts `recording` for the text the tokenizer reads; TokenizerReadAhead
// into its free tokens fills it.
void TokenRecordingStart(TokenRecording *recording, const ReplyTokenizer &tokenizer);

// How many tokens a reader takes at once from TokenizerReadAhead.
constexpr uint32_t kTokenReadAhead = 32;

// Reads up to `capacity` (>= 1) tokens into `ahead`, each as TokenizerRead
// would return it, and stops after the end of the text; returns how many.  A
// token's cursor and state say where the tokenizer stood after it; the
// tokenizer stands after the last.  Reading many at once spares the call and
// the machine's loads and stores of every token.
uint32_t TokenizerReadAhead(ReplyTokenizer *tokenizer, RecordedToken *ahead, uint32_t capacity);

// Reads the next token's place from the text itself (no replay).
uint32_t TokenizerReadText(ReplyTokenizer *tokenizer, TokenPlace *token);

// Reads the next token's place.  Returns PAT_OK, or PAT_ERROR_INVALID_DATA
// when the text breaks the grammar (the state machine then waits for the next
// "@PJL").  Handlers mostly take their tokens from a replay: that path is
// inline.
inline uint32_t TokenizerRead(ReplyTokenizer *tokenizer, TokenPlace *token) {
    if (tokenizer->replay == tokenizer->replayEnd) return TokenizerReadText(tokenizer, token);
    const RecordedToken &recorded = *tokenizer->replay++;
    *token = recorded.place;
    tokenizer->cursor = recorded.cursor;
    tokenizer->state = recorded.state;
    return recorded.result;
}

// How many of the token's characters a buffer of limit + 1 keeps: at most
// limit, without the blanks that would end the copy.
inline uint32_t KeptLength(const TokenPlace &token, uint32_t limit) {
    uint32_t length = token.length < limit ? token.length : limit;
    while (length > 0 && token.begin[length - 1] == ' ') --length;
    return length;
}

// Copies the token into buffer (capacity >= 1) as KeptLength says, with a NUL;
// a token that spans nothing leaves the buffer untouched.
void CopyToken(const TokenPlace &token, char *buffer, uint32_t capacity);

// Reads the next token into buffer (at most capacity - 1 characters and a NUL;
// capacity >= 1) and its kind into *kind: TokenizerRead, then CopyToken.
uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind);

// One raw token at the cursor; wordKind is reported for words and quoted strings.
int32_t TokenizerScan(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t wordKind);
