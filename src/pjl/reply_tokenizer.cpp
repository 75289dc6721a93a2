#include "reply_tokenizer.h"

#include <string.h>

namespace {

constexpr char kEscape = 0x1B;
constexpr char kCommandPrefix[] = "@PJL";
constexpr uint32_t kCommandPrefixLength = sizeof kCommandPrefix - 1;

// Character classes: which scans a character stops.
enum CharClass : uint8_t {
    kEndsKey = 0x01,    // ends every word: \r \n : = [ ] and NUL
    kEndsWord = 0x02,   // ends words other than keys: those and the blank
    kEndsQuote = 0x04,  // the closing quote, and NUL
    kSkipped = 0x08,    // passed over between tokens: blank and \r
    kControl = 0x10,    // a token of its own: NUL, \t, \n, \f
};

struct CharClassTable {
    uint8_t of[256];
};

constexpr CharClassTable MakeCharClasses() {
    CharClassTable table{};
    const char keyEnds[] = "\r\n:=[]";  // and its NUL
    for (const char c : keyEnds) table.of[static_cast<uint8_t>(c)] |= kEndsKey | kEndsWord;
    table.of[' '] |= kEndsWord | kSkipped;
    table.of['\r'] |= kSkipped;
    table.of['"'] |= kEndsQuote;
    table.of[0] |= kEndsQuote | kControl;
    table.of['\t'] |= kControl;
    table.of['\n'] |= kControl;
    table.of['\f'] |= kControl;
    return table;
}

constexpr CharClassTable kCharClasses = MakeCharClasses();

bool IsClass(char c, uint8_t mask) { return (kCharClasses.of[static_cast<uint8_t>(c)] & mask) != 0; }

// The character at the cursor, or NUL at the end of the text.
char Current(const ReplyTokenizer *t) { return t->cursor < t->end ? *t->cursor : '\0'; }

void Consume(ReplyTokenizer *t) { ++t->cursor; }

// Moves the cursor to the first character of class `mask`, or to the end of
// the text.  Before `safeEnd` such a character is known to lie ahead, so the
// loop needs no check of the end.
void SkipUntil(ReplyTokenizer *t, uint8_t mask, const char *safeEnd) {
    const char *p = t->cursor;
    if (p < safeEnd) {
        while (!IsClass(*p, mask)) ++p;
    } else {
        while (p < t->end && !IsClass(*p, mask)) ++p;
    }
    t->cursor = p;
}

// Moves over blanks and carriage returns.
inline void SkipBlanks(ReplyTokenizer *t) {
    const char *p = t->cursor;
    if (p < t->blankSafeEnd) {
        while (IsClass(*p, kSkipped)) ++p;
    } else {
        while (p < t->end && IsClass(*p, kSkipped)) ++p;
    }
    t->cursor = p;
}

// Just past the last character in [begin, end) that is (or, with inClass
// false, is not) of class `mask`; begin when there is none.
const char *PastLast(const char *begin, const char *end, uint8_t mask, bool inClass) {
    for (const char *p = end; p > begin; --p) {
        if (IsClass(p[-1], mask) == inClass) return p;
    }
    return begin;
}

// A text that ends with its NUL (terminated) stops every scan there.  One
// without needs its own stops, found from its end: usually at once, as a
// reply ends with a line.  Quoted strings are rare: they check every step.
void StartText(ReplyTokenizer *t, const char *text, const char *end, bool terminated) {
    t->cursor = text;
    t->state = kBetweenCommands;
    t->end = end;
    if (terminated) {
        t->wordSafeEnd = t->quoteSafeEnd = t->blankSafeEnd = end + 1;
    } else {
        t->wordSafeEnd = PastLast(text, end, kEndsKey, true);
        t->quoteSafeEnd = text;
        t->blankSafeEnd = PastLast(text, end, kSkipped, false);
    }
}

// Copies the token cut to capacity - 1 without its trailing blanks.
void StoreToken(char *buffer, uint32_t capacity, const char *start, uint32_t length) {
    if (length > capacity - 1) length = capacity - 1;
    while (length > 0 && start[length - 1] == ' ') --length;
    // Eight bytes at a time: tokens are short, and a call of memcpy costs more
    // than the copy.
    uint32_t i = 0;
    for (; i + 8 <= length; i += 8) memcpy(buffer + i, start + i, 8);
    for (; i < length; ++i) buffer[i] = start[i];
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
    SkipUntil(t, kEndsQuote, t->quoteSafeEnd);
    const uint32_t length = static_cast<uint32_t>(t->cursor - *start);
    if (Current(t) == '"') Consume(t);
    return length;
}

uint32_t ScanWord(ReplyTokenizer *t, int32_t wordKind, const char **start) {
    const uint8_t mask = wordKind == TOKEN_KEY ? kEndsKey : kEndsWord;
    const char *p = *start = t->cursor;
    if (p < t->wordSafeEnd) {
        while (!IsClass(*p, mask)) ++p;
    } else {
        while (p < t->end && !IsClass(*p, mask)) ++p;
    }
    t->cursor = p;
    return static_cast<uint32_t>(p - *start);
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

Step BreakGrammar(ReplyTokenizer *t, int32_t kind) {
    t->state = kBetweenCommands;
    return {kind, true};
}

Step FindCommandLine(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    for (;;) {
        const void *at = memchr(t->cursor, '@', static_cast<size_t>(t->end - t->cursor));
        if (at == nullptr) break;
        t->cursor = static_cast<const char *>(at);
        if (static_cast<size_t>(t->end - t->cursor) >= kCommandPrefixLength &&
            memcmp(t->cursor, kCommandPrefix, kCommandPrefixLength) == 0) {
            StoreToken(buffer, capacity, kCommandPrefix, kCommandPrefixLength);
            t->cursor += kCommandPrefixLength;
            SkipBlanks(t);
            return Goto(t, TOKEN_PJL, kAfterPjl);
        }
        Consume(t);
    }
    t->cursor = t->end;
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
            SkipBlanks(t);
            return Goto(t, TOKEN_ARGUMENT_COLON, kAfterArgumentColon);
        case '=':
            Consume(t);
            SkipBlanks(t);
            return Goto(t, kind, kAfterArgumentEquals);
        default: return Goto(t, kind, kCommandLineEnd);
    }
}

Step AfterArgumentColon(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_QUALIFIER);
    return kind == TOKEN_QUALIFIER ? Goto(t, kind, kCommandArguments) : BreakGrammar(t, kind);
}

Step AfterArgumentEquals(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ARGUMENT_VALUE);
    return Goto(t, kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandLineEnd);
}

// A next line opening with "@" or ESC means the command has no body.
Step CommandLineEnd(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_LINE_END);
    if (kind != TOKEN_LINE_END) return BreakGrammar(t, kind);
    const char next = Current(t);
    return Goto(t, kind, next == '@' || next == kEscape ? kBetweenCommands : kBodyLineStart);
}

Step BodyLineStart(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_KEY);
    if (kind != TOKEN_KEY) return BreakGrammar(t, kind);
    switch (Current(t)) {
        case '\n': return Goto(t, kind, kBodyLineEnd);
        case '[': Consume(t); return Goto(t, kind, kBracketFirst);
        case '=': Consume(t); return Goto(t, kind, kAfterKeyEquals);
        default: return BreakGrammar(t, kind);
    }
}

Step AfterKeyEquals(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_KEY_VALUE);
    if (kind != TOKEN_KEY_VALUE) return BreakGrammar(t, kind);
    if (Current(t) != '[') return Goto(t, kind, kBodyLineEnd);
    Consume(t);
    return Goto(t, kind, kBracketFirst);
}

Step BracketFirst(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_BRACKET_FIRST);
    return kind == TOKEN_BRACKET_FIRST ? Goto(t, kind, kBracketNext) : BreakGrammar(t, kind);
}

// A ":", "=" or "[" inside a bracket is never consumed by a word; staying in
// this state there would report empty words forever, so it breaks the grammar.
Step BracketNext(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const char *start = t->cursor;
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_BRACKET_NEXT);
    if (kind != TOKEN_BRACKET_NEXT) return BreakGrammar(t, kind);
    if (Current(t) != ']') return t->cursor == start ? BreakGrammar(t, kind) : Goto(t, kind, kBracketNext);
    Consume(t);
    SkipBlanks(t);
    return Goto(t, kind, kBodyLineEnd);
}

Step BodyLineEnd(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_LINE_END);
    if (kind != TOKEN_LINE_END) return BreakGrammar(t, kind);
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
    return BreakGrammar(t, kind);
}

Step IndentedItem(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ITEM);
    if (kind != TOKEN_ITEM) return BreakGrammar(t, kind);
    switch (Current(t)) {
        case '=':
            Consume(t);
            SkipBlanks(t);
            return Goto(t, kind, kIndentedValue);
        case '\n': return Goto(t, kind, kBodyLineEnd);
        default: return Goto(t, kind, kIndentedValue);
    }
}

Step IndentedValue(ReplyTokenizer *t, char *buffer, uint32_t capacity) {
    const int32_t kind = TokenizerScan(t, buffer, capacity, TOKEN_ITEM_VALUE);
    if (kind == TOKEN_ITEM_VALUE && Current(t) == '\n') return Goto(t, kind, kBodyLineEnd);
    return BreakGrammar(t, kind);
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

void TokenizerInit(ReplyTokenizer *tokenizer, const BoundedText &text) {
    StartText(tokenizer, text.begin, text.end, text.endsAtNul);
}

uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind) {
    const Step step = RunState(tokenizer, buffer, capacity);
    *kind = step.kind;
    // Only between commands is the end of the text a clean end.
    if (step.kind == TOKEN_END && tokenizer->state != kBetweenCommands) {
        tokenizer->state = kBetweenCommands;
        return PAT_ERROR_INVALID_DATA;
    }
    return step.error ? PAT_ERROR_INVALID_DATA : 0;
}

int32_t TokenizerScan(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t wordKind) {
    const char c = Current(tokenizer);
    const char *start = tokenizer->cursor;
    uint32_t length = 0;
    int32_t kind = IsClass(c, kControl) ? ControlKind(c) : 0;
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
    SkipBlanks(tokenizer);
    return kind;
}

void TokenizerSkipBlanks(ReplyTokenizer *tokenizer) { SkipBlanks(tokenizer); }
