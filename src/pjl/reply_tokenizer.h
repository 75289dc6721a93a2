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


struct ReplyTokenizer {
    const char *cursor;
    int32_t state;
    const char *end;  // the end of the bounded text (bounded_text.h)
    // Scans read without checking `end` while they start before these: each
    // lies just past a character that stops that scan (the text's own NUL
    // when it has one), so one check per scan replaces one per character.
    const char *wordSafeEnd;   // past the last of \r \n : = [ ]
    const char *quoteSafeEnd;  // past the last double quote
    const char *blankSafeEnd;  // past the last character that is neither blank nor \r
};

// Starts reading the text from its beginning, between commands.
void TokenizerInit(ReplyTokenizer *tokenizer, const BoundedText &text);

// Reads the next token into buffer (at most capacity - 1 characters and a NUL;
// capacity >= 1) and its kind into *kind.  Returns PAT_OK, or
// PAT_ERROR_INVALID_DATA when the text breaks the grammar (the state machine
// then waits for the next "@PJL").
uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind);

// One raw token at the cursor; wordKind is reported for words and quoted strings.
int32_t TokenizerScan(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t wordKind);

// Moves over blanks and carriage returns (not tabs).
void TokenizerSkipBlanks(ReplyTokenizer *tokenizer);
