#include "reply_tokenizer.h"

#include <string.h>

namespace {

constexpr char kEscape = 0x1B;
constexpr char kCommandPrefix[] = "@PJL";

// The character at p, or NUL once p has reached the end of the text.
char CharAt(const ReplyTokenizer *t, const char *p) {
    if (t->limit != nullptr && p >= t->limit) return '\0';
    return *p;
}

char Current(const ReplyTokenizer *t) { return CharAt(t, t->cursor); }

void Consume(ReplyTokenizer *t) { ++t->cursor; }

bool EndsWord(char c, int32_t wordKind) {
    switch (c) {
        case '\r':
        case '\n':
        case ':':
        case '=':
        case '[':
        case ']':
        case '\0': return true;
        case ' ': return wordKind != TOKEN_KEY;
        default: return false;
    }
}

// Copies the token cut to capacity - 1 and drops its trailing blanks.
void StoreToken(char *buffer, uint32_t capacity, const char *start, uint32_t length) {
    if (length > capacity - 1) length = capacity - 1;
    memcpy(buffer, start, length);
    while (length > 0 && buffer[length - 1] == ' ') --length;
    buffer[length] = '\0';
}

int32_t ControlKind(char c) {
    switch (c) {
        case '\0': return TOKEN_END;
        case '\t': return TOKEN_TAB;
        case '\n': return TOKEN_LINE_END;
        case '\f': return TOKEN_FORM_FEED;
        default: return 0;
    }
}

// Everything after the opening quote up to the closing one, which is consumed.
uint32_t ScanQuoted(ReplyTokenizer *t, const char **start) {
    Consume(t);
    *start = t->cursor;
    while (Current(t) != '\0' && Current(t) != '"') Consume(t);
    const uint32_t length = static_cast<uint32_t>(t->cursor - *start);
    if (Current(t) == '"') Consume(t);
    return length;
}

uint32_t ScanWord(ReplyTokenizer *t, int32_t wordKind, const char **start) {
    *start = t->cursor;
    while (!EndsWord(Current(t), wordKind)) Consume(t);
    return static_cast<uint32_t>(t->cursor - *start);
}

bool TextContinuesWith(const ReplyTokenizer *t, const char *p, const char *word) {
    for (; *word != '\0'; ++p, ++word) {
        if (CharAt(t, p) != *word) return false;
    }
    return true;
}

// Outcome of one state's step: the kind to report and whether the grammar broke.
struct Step {
    int32_t kind;
    bool error;
};

Step Goto(ReplyTokenizer *t, int32_t kind, int32_t state) {
    t->state = state;
    return {kind, false};
}

Step Fail(ReplyTokenizer *t, int32_t kind) {
    t->state = kBetweenCommands;
    return {kind, true};
}

Step FindCommandLine(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    for (; Current(t) != '\0'; Consume(t)) {
        if (TextContinuesWith(t, t->cursor, kCommandPrefix)) {
            StoreToken(buffer, capacity, kCommandPrefix, sizeof kCommandPrefix - 1);
            t->cursor += sizeof kCommandPrefix - 1;
            TokenizerSkipBlanks(t);
            return Goto(t, TOKEN_PJL, kAfterPjl);
        }
    }
    return {TOKEN_END, false};  // the buffer keeps what it held
}

Step AfterPjl(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_COMMAND);
    return Goto(t, kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandArguments);
}

Step CommandArguments(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ARGUMENT);
    if (kind == TOKEN_LINE_END) return Goto(t, kind, kBetweenCommands);
    switch (Current(t)) {
        case ':':
            Consume(t);
            TokenizerSkipBlanks(t);
            return Goto(t, TOKEN_ARGUMENT_COLON, kAfterArgumentColon);
        case '=':
            Consume(t);
            TokenizerSkipBlanks(t);
            return Goto(t, kind, kAfterArgumentEquals);
        default: return Goto(t, kind, kCommandLineEnd);
    }
}

Step AfterArgumentColon(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_QUALIFIER);
    return kind == TOKEN_QUALIFIER ? Goto(t, kind, kCommandArguments) : Fail(t, kind);
}

Step AfterArgumentEquals(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ARGUMENT_VALUE);
    return Goto(t, kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandLineEnd);
}

// A next line opening with "@" or ESC means the command has no body.
Step CommandLineEnd(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_LINE_END);
    if (kind != TOKEN_LINE_END) return Fail(t, kind);
    const char next = Current(t);
    return Goto(t, kind, next == '@' || next == kEscape ? kBetweenCommands : kBodyLineStart);
}

Step BodyLineStart(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_KEY);
    if (kind != TOKEN_KEY) return Fail(t, kind);
    switch (Current(t)) {
        case '\n': return Goto(t, kind, kBodyLineEnd);
        case '[': Consume(t); return Goto(t, kind, kBracketFirst);
        case '=': Consume(t); return Goto(t, kind, kAfterKeyEquals);
        default: return Fail(t, kind);
    }
}

Step AfterKeyEquals(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_KEY_VALUE);
    if (kind != TOKEN_KEY_VALUE) return Fail(t, kind);
    if (Current(t) != '[') return Goto(t, kind, kBodyLineEnd);
    Consume(t);
    return Goto(t, kind, kBracketFirst);
}

Step BracketFirst(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_BRACKET_FIRST);
    return kind == TOKEN_BRACKET_FIRST ? Goto(t, kind, kBracketNext) : Fail(t, kind);
}

// A ":", "=" or "[" inside a bracket is never consumed by a word; staying in
// this state there would report empty words forever, so it breaks the grammar.
Step BracketNext(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const char *start = t->cursor;
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_BRACKET_NEXT);
    if (kind != TOKEN_BRACKET_NEXT) return Fail(t, kind);
    if (Current(t) != ']') return t->cursor == start ? Fail(t, kind) : Goto(t, kind, kBracketNext);
    Consume(t);
    TokenizerSkipBlanks(t);
    return Goto(t, kind, kBodyLineEnd);
}

Step BodyLineEnd(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_LINE_END);
    if (kind != TOKEN_LINE_END) return Fail(t, kind);
    switch (Current(t)) {
        case '@': return Goto(t, kind, kBetweenCommands);
        case '\t':
        case '\f': return Goto(t, kind, kAfterTabOrFormFeed);
        default: return Goto(t, kind, kBodyLineStart);
    }
}

Step AfterTabOrFormFeed(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_TAB);
    if (kind == TOKEN_FORM_FEED) return Goto(t, kind, kBetweenCommands);
    if (kind == TOKEN_TAB) return Goto(t, kind, kIndentedItem);
    return Fail(t, kind);
}

Step IndentedItem(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ITEM);
    if (kind != TOKEN_ITEM) return Fail(t, kind);
    switch (Current(t)) {
        case '=':
            Consume(t);
            TokenizerSkipBlanks(t);
            return Goto(t, kind, kIndentedValue);
        case '\n': return Goto(t, kind, kBodyLineEnd);
        default: return Goto(t, kind, kIndentedValue);
    }
}

Step IndentedValue(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ITEM_VALUE);
    if (kind == TOKEN_ITEM_VALUE && Current(t) == '\n') return Goto(t, kind, kBodyLineEnd);
    return Fail(t, kind);
}

Step RunState(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    switch (t->state) {
        case kAfterPjl: return AfterPjl(t, buffer, capacity);
        case kCommandArguments: return CommandArguments(t, buffer, capacity);
        case kAfterArgumentColon: return AfterArgumentColon(t, buffer, capacity);
        case kAfterArgumentEquals: return AfterArgumentEquals(t, buffer, capacity);
        case kCommandLineEnd: return CommandLineEnd(t, buffer, capacity);
        case kBodyLineStart: return BodyLineStart(t, buffer, capacity);
        case kAfterKeyEquals: return AfterKeyEquals(t, buffer, capacity);
        case kBracketFirst: return BracketFirst(t, buffer, capacity);
        case kBracketNext: return BracketNext(t, buffer, capacity);
        case kBodyLineEnd: return BodyLineEnd(t, buffer, capacity);
        case kAfterTabOrFormFeed: return AfterTabOrFormFeed(t, buffer, capacity);
        case kIndentedItem: return IndentedItem(t, buffer, capacity);
        case kIndentedValue: return IndentedValue(t, buffer, capacity);
        default: t->state = kBetweenCommands; return FindCommandLine(t, buffer, capacity);
    }
}

}  // namespace

uint32_t TokenizerInit(ReplyTokenizer *tokenizer, const char *text) {
    tokenizer->cursor = text;
    tokenizer->state = kBetweenCommands;
    tokenizer->limit = nullptr;
    return 0;
}

uint32_t TokenizerInitBounded(ReplyTokenizer *tokenizer, const char *text, uint32_t length) {
    TokenizerInit(tokenizer, text);
    tokenizer->limit = text + length;
    return 0;
}

uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind) {
    const Step step = RunState(tokenizer, buffer, capacity);
    *kind = step.kind;
    // Only between commands is the end of the text a clean end.
    if (step.kind == TOKEN_END && tokenizer->state != kBetweenCommands) {
        tokenizer->state = kBetweenCommands;
        return kTokenizerGrammarError;
    }
    return step.error ? kTokenizerGrammarError : 0;
}

int32_t TokenizerScan(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t wordKind) {
    const char c = Current(tokenizer);
    const char *start = tokenizer->cursor;
    uint32_t length = 0;
    int32_t kind = ControlKind(c);
    if (kind != 0) {
        // The end stays the end: the cursor never moves past the last character.
        if (kind != TOKEN_END) {
            length = 1;
            Consume(tokenizer);
        }
    } else if (c == '"') {
        length = ScanQuoted(tokenizer, &start);
        kind = wordKind;
    } else {
        length = ScanWord(tokenizer, wordKind, &start);
        kind = wordKind;
    }
    StoreToken(buffer, capacity, start, length);
    TokenizerSkipBlanks(tokenizer);
    return kind;
}

void TokenizerSkipBlanks(ReplyTokenizer *tokenizer) {
    for (;;) {
        const char c = Current(tokenizer);
        if (c != ' ' && c != '\r') return;
        Consume(tokenizer);
    }
}
