// The arguments of a query's command lines (the word after the command, such
// as "CONFIG" or "INTRAY1SIZE"), exactly as the reply tokenizer reports them:
// its TOKEN_ARGUMENT tokens up to the end of the text or its first error.
//
// A query is nearly always the library's own: "@PJL COMMAND ARGUMENT" lines
// between two UELs.  Lines of that shape are read straight from the text,
// a character class and a step per character; at the first line of any other
// shape the tokenizer takes over from that line's "@PJL" to the end.  The
// tokenizer waits between commands for the next "@PJL" there, so it reads on
// exactly as it would have from the start.
#pragma once

#include <stdint.h>

#include "bounded_text.h"
#include "reply_tokenizer.h"

struct QueryArgumentReader {
    const char *cursor;  // between commands, while the lines are simple
    const char *end;
    const char *plainSafeEnd;  // past the last character that ends a plain word
    bool endsAtNul;
    bool tokenizing;  // the tokenizer reads the rest
    ReplyTokenizer tokenizer;
    uint32_t next;  // the tokenizer's tokens read ahead, and the next to hand out
    uint32_t count;
    RecordedToken ahead[kTokenReadAhead];
};

// Starts reading the arguments of the text from its beginning.
void QueryArgumentsStart(QueryArgumentReader *reader, const BoundedText &text);

// Reads the next argument's place into *argument (kind TOKEN_ARGUMENT), or
// reports the end of the text (kind TOKEN_END): PAT_OK.  Returns
// PAT_ERROR_INVALID_DATA when the text breaks the grammar before the next
// argument.  Not called again after the end or an error.
uint32_t NextQueryArgument(QueryArgumentReader *reader, TokenPlace *argument);

// Reads the next argument when it is the `length` characters at `word` on a
// line that opens as the library's own do ("@PJL INQUIRE " or "@PJL INFO ",
// the argument right after); true when it did.  False when it read nothing,
// the next argument left to NextQueryArgument.  `word` must be a word as the
// tokenizer reads one (length 1 or more): none of its characters ends a word
// (\r \n : = [ ], the blank, the NUL) and the first is no tab, line feed,
// form feed or double quote.  The query's text is then compared, not read a
// character at a time.
bool SkipQueryArgument(QueryArgumentReader *reader, const char *word, uint32_t length);
