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
    kOpensQuote = 0x20, // the double quote where a token begins
};

struct CharClassTable {
    uint8_t of[256];
};

constexpr CharClassTable MakeCharClasses() {
    CharClassTable table{};
    const char keyEnds[] = "\r\n:=[]";  // and its NUL
    for (const char c : keyEnds) table.of[static_cast<uint8_t>(c)] |= kEndsKey | kEndsWord;
    table.of[static_cast<uint8_t>(' ')] |= kEndsWord | kSkipped;
    table.of[static_cast<uint8_t>('\r')] |= kSkipped;
    table.of[static_cast<uint8_t>('"')] |= kEndsQuote | kOpensQuote;
    table.of[0] |= kEndsQuote | kControl;
    table.of[static_cast<uint8_t>('\t')] |= kControl;
    table.of[static_cast<uint8_t>('\n')] |= kControl;
    table.of[static_cast<uint8_t>('\f')] |= kControl;
    return table;
}

constexpr CharClassTable kCharClasses = MakeCharClasses();

// The kind of token each control character is.
struct ControlKindTable {
    uint8_t of[256];
};

constexpr ControlKindTable MakeControlKinds() {
    ControlKindTable table{};
    table.of[0] = TOKEN_END;
    table.of[static_cast<uint8_t>('\t')] = TOKEN_TAB;
    table.of[static_cast<uint8_t>('\n')] = TOKEN_LINE_END;
    table.of[static_cast<uint8_t>('\f')] = TOKEN_FORM_FEED;
    return table;
}

constexpr ControlKindTable kControlKinds = MakeControlKinds();

// Every token passes through the functions below: they are inlined into the
// one loop of TokenizerReadAhead, so a token costs a state's step and its
// scans, not a chain of calls.  They come in two builds.  A text that ends
// at its NUL (kNulEnded) needs no look at its end at all: the NUL may be
// read and stops every scan, and the cursor never passes it.  A text without
// one checks its end where a scan may reach it (see StartText).
#define TOKENIZER_STEP [[gnu::always_inline]] static

[[gnu::always_inline]] inline uint8_t ClassOf(char c) { return kCharClasses.of[static_cast<uint8_t>(c)]; }

// Outcome of one state's step: the kind to report and whether the grammar broke.
struct Step {
    int32_t kind;
    uint32_t result;  // PAT_ERROR_INVALID_DATA when the grammar broke
};

template <bool kNulEnded>
struct Machine {
    // The character at the cursor, or NUL at the end of the text.
    TOKENIZER_STEP char Current(const ReplyTokenizer *t) { return kNulEnded || t->cursor < t->end ? *t->cursor : '\0'; }

    TOKENIZER_STEP void Consume(ReplyTokenizer *t) { ++t->cursor; }

    // The first character from p on of class `mask`, or the end of the text.
    // Before `safeEnd` such a character is known to lie ahead, so the loop needs
    // no check of the end.
    TOKENIZER_STEP const char *SkipUntil(const ReplyTokenizer *t, const char *p, uint8_t mask, const char *safeEnd) {
        if (kNulEnded || p < safeEnd) {
            while (!(ClassOf(*p) & mask)) ++p;
        } else {
            while (p < t->end && !(ClassOf(*p) & mask)) ++p;
        }
        return p;
    }

    // Moves over blanks and carriage returns.
    TOKENIZER_STEP void SkipBlanks(ReplyTokenizer *t) {
        const char *p = t->cursor;
        if (kNulEnded || p < t->blankSafeEnd) {
            while (ClassOf(*p) & kSkipped) ++p;
        } else {
            while (p < t->end && (ClassOf(*p) & kSkipped)) ++p;
        }
        t->cursor = p;
    }

    TOKENIZER_STEP void Place(TokenPlace *token, const char *begin, const char *end) {
        token->begin = begin;
        token->length = static_cast<uint32_t>(end - begin);
    }

    // One raw token at the cursor, and the blanks after it: a control character
    // (the end of the text spans nothing), everything between double quotes (the
    // closing one consumed), or a word; wordKind is reported for the last two.
    TOKENIZER_STEP int32_t Scan(ReplyTokenizer *t, TokenPlace *token, int32_t wordKind) {
        const char *p = t->cursor;
        const char c = kNulEnded || p < t->end ? *p : '\0';
        const uint8_t cls = ClassOf(c);
        int32_t kind = wordKind;
        if (__builtin_expect((cls & (kControl | kOpensQuote)) != 0, 0)) {
            if (cls & kControl) {
                kind = kControlKinds.of[static_cast<uint8_t>(c)];
                // The end stays the end: the cursor never moves past the last character.
                const char *next = kind == TOKEN_END ? p : p + 1;
                Place(token, p, next);
                p = next;
            } else {
                const char *begin = p + 1;
                p = SkipUntil(t, begin, kEndsQuote, t->quoteSafeEnd);
                Place(token, begin, p);
                if (p < t->end && *p == '"') ++p;
            }
        } else {
            const char *end = SkipUntil(t, p, wordKind == TOKEN_KEY ? kEndsKey : kEndsWord, t->wordSafeEnd);
            Place(token, p, end);
            p = end;
        }
        t->cursor = p;
        SkipBlanks(t);
        return kind;
    }

    TOKENIZER_STEP Step Goto(ReplyTokenizer *t, int32_t kind, int32_t state) {
        t->state = state;
        return {kind, 0};
    }

    TOKENIZER_STEP Step BreakGrammar(ReplyTokenizer *t, int32_t kind) {
        t->state = kBetweenCommands;
        return {kind, PAT_ERROR_INVALID_DATA};
    }

    // The next "@PJL" on.  A reply's next command line usually starts at the
    // cursor, which spares the search.
    TOKENIZER_STEP Step FindCommandLine(ReplyTokenizer *t, TokenPlace *token) {
        for (;;) {
            if (t->cursor >= t->end || *t->cursor != '@') {
                const void *at = memchr(t->cursor, '@', static_cast<size_t>(t->end - t->cursor));
                if (at == nullptr) break;
                t->cursor = static_cast<const char *>(at);
            }
            if (static_cast<size_t>(t->end - t->cursor) >= kCommandPrefixLength &&
                memcmp(t->cursor, kCommandPrefix, kCommandPrefixLength) == 0) {
                Place(token, t->cursor, t->cursor + kCommandPrefixLength);
                t->cursor += kCommandPrefixLength;
                SkipBlanks(t);
                return Goto(t, TOKEN_PJL, kAfterPjl);
            }
            Consume(t);
        }
        t->cursor = t->end;
        token->begin = nullptr;  // a copy keeps what the buffer held
        token->length = 0;
        return {TOKEN_END, 0};
    }

    TOKENIZER_STEP Step AfterPjl(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_COMMAND);
        return Goto(t, kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandArguments);
    }

    TOKENIZER_STEP Step CommandArguments(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_ARGUMENT);
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

    TOKENIZER_STEP Step AfterArgumentColon(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_QUALIFIER);
        return kind == TOKEN_QUALIFIER ? Goto(t, kind, kCommandArguments) : BreakGrammar(t, kind);
    }

    TOKENIZER_STEP Step AfterArgumentEquals(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_ARGUMENT_VALUE);
        return Goto(t, kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandLineEnd);
    }

    // A next line opening with "@" or ESC means the command has no body.
    TOKENIZER_STEP Step CommandLineEnd(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_LINE_END);
        if (kind != TOKEN_LINE_END) return BreakGrammar(t, kind);
        const char next = Current(t);
        return Goto(t, kind, next == '@' || next == kEscape ? kBetweenCommands : kBodyLineStart);
    }

    TOKENIZER_STEP Step BodyLineStart(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_KEY);
        if (kind != TOKEN_KEY) return BreakGrammar(t, kind);
        switch (Current(t)) {
            case '\n': return Goto(t, kind, kBodyLineEnd);
            case '[': Consume(t); return Goto(t, kind, kBracketFirst);
            case '=': Consume(t); return Goto(t, kind, kAfterKeyEquals);
            default: return BreakGrammar(t, kind);
        }
    }

    TOKENIZER_STEP Step AfterKeyEquals(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_KEY_VALUE);
        if (kind != TOKEN_KEY_VALUE) return BreakGrammar(t, kind);
        if (Current(t) != '[') return Goto(t, kind, kBodyLineEnd);
        Consume(t);
        return Goto(t, kind, kBracketFirst);
    }

    TOKENIZER_STEP Step BracketFirst(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_BRACKET_FIRST);
        return kind == TOKEN_BRACKET_FIRST ? Goto(t, kind, kBracketNext) : BreakGrammar(t, kind);
    }

    // A ":", "=" or "[" inside a bracket is never consumed by a word; staying in
    // this state there would report empty words forever, so it breaks the grammar.
    TOKENIZER_STEP Step BracketNext(ReplyTokenizer *t, TokenPlace *token) {
        const char *start = t->cursor;
        const int32_t kind = Scan(t, token, TOKEN_BRACKET_NEXT);
        if (kind != TOKEN_BRACKET_NEXT) return BreakGrammar(t, kind);
        if (Current(t) != ']') return t->cursor == start ? BreakGrammar(t, kind) : Goto(t, kind, kBracketNext);
        Consume(t);
        SkipBlanks(t);
        return Goto(t, kind, kBodyLineEnd);
    }

    TOKENIZER_STEP Step BodyLineEnd(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_LINE_END);
        if (kind != TOKEN_LINE_END) return BreakGrammar(t, kind);
        switch (Current(t)) {
            case '@': return Goto(t, kind, kBetweenCommands);
            case '\t':
            case '\f': return Goto(t, kind, kAfterTabOrFormFeed);
            default: return Goto(t, kind, kBodyLineStart);
        }
    }

    TOKENIZER_STEP Step AfterTabOrFormFeed(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_TAB);
        if (kind == TOKEN_FORM_FEED) return Goto(t, kind, kBetweenCommands);
        if (kind == TOKEN_TAB) return Goto(t, kind, kIndentedItem);
        return BreakGrammar(t, kind);
    }

    TOKENIZER_STEP Step IndentedItem(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_ITEM);
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

    TOKENIZER_STEP Step IndentedValue(ReplyTokenizer *t, TokenPlace *token) {
        const int32_t kind = Scan(t, token, TOKEN_ITEM_VALUE);
        if (kind == TOKEN_ITEM_VALUE && Current(t) == '\n') return Goto(t, kind, kBodyLineEnd);
        return BreakGrammar(t, kind);
    }

    TOKENIZER_STEP Step RunState(ReplyTokenizer *t, TokenPlace *token) {
        switch (t->state) {
            case kAfterPjl: return AfterPjl(t, token);
            case kCommandArguments: return CommandArguments(t, token);
            case kAfterArgumentColon: return AfterArgumentColon(t, token);
            case kAfterArgumentEquals: return AfterArgumentEquals(t, token);
            case kCommandLineEnd: return CommandLineEnd(t, token);
            case kBodyLineStart: return BodyLineStart(t, token);
            case kAfterKeyEquals: return AfterKeyEquals(t, token);
            case kBracketFirst: return BracketFirst(t, token);
            case kBracketNext: return BracketNext(t, token);
            case kBodyLineEnd: return BodyLineEnd(t, token);
            case kAfterTabOrFormFeed: return AfterTabOrFormFeed(t, token);
            case kIndentedItem: return IndentedItem(t, token);
            case kIndentedValue: return IndentedValue(t, token);
            default: t->state = kBetweenCommands; return FindCommandLine(t, token);
        }
    }

    // One token from the text (no replay): its place and kind, and the result.
    TOKENIZER_STEP uint32_t ReadOne(ReplyTokenizer *t, TokenPlace *token) {
        const Step step = RunState(t, token);
        token->kind = step.kind;
        // Only between commands is the end of the text a clean end.
        if (step.kind == TOKEN_END && t->state != kBetweenCommands) {
            t->state = kBetweenCommands;
            return PAT_ERROR_INVALID_DATA;
        }
        return step.result;
    }

    // Up to `capacity` tokens into `ahead` (TokenizerReadAhead), the
    // machine's fields held in registers for the whole run instead of being
    // stored after every token.
    static uint32_t ReadRun(ReplyTokenizer *tokenizer, RecordedToken *ahead, uint32_t capacity) {
        ReplyTokenizer t = *tokenizer;
        RecordedToken *recorded = ahead;
        RecordedToken *const full = ahead + capacity;
        do {
            recorded->result = ReadOne(&t, &recorded->place);
            recorded->cursor = t.cursor;
            recorded->state = t.state;
        } while ((recorded++)->place.kind != TOKEN_END && recorded != full);
        tokenizer->cursor = t.cursor;
        tokenizer->state = t.state;
        return static_cast<uint32_t>(recorded - ahead);
    }
};

// Just past the last character in [begin, end) that is (or, with inClass
// false, is not) of class `mask`; begin when there is none.
const char *PastLast(const char *begin, const char *end, uint8_t mask, bool inClass) {
    for (const char *p = end; p > begin; --p) {
        if (((ClassOf(p[-1]) & mask) != 0) == inClass) return p;
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
    t->nulEnded = terminated;
    if (terminated) {
        t->wordSafeEnd = t->quoteSafeEnd = t->blankSafeEnd = end + 1;
    } else {
        t->wordSafeEnd = PastLast(text, end, kEndsKey, true);
        t->quoteSafeEnd = text;
        t->blankSafeEnd = PastLast(text, end, kSkipped, false);
    }
}

}  // namespace

void TokenizerInit(ReplyTokenizer *tokenizer, const BoundedText &text) {
    StartText(tokenizer, text.begin, text.end, text.endsAtNul);
    tokenizer->replay = tokenizer->replayEnd = nullptr;
}

void TokenizerInitReplay(ReplyTokenizer *tokenizer, const BoundedText &text, const TokenRecording *recording) {
    TokenizerInit(tokenizer, text);
    if (recording != nullptr && recording->begin == text.begin && recording->end == text.end) {
        tokenizer->replay = recording->token;
        tokenizer->replayEnd = recording->token + recording->count;
    }
}

void TokenRecordingStart(TokenRecording *recording, const ReplyTokenizer &tokenizer) {
    recording->begin = tokenizer.cursor;
    recording->end = tokenizer.end;
    recording->count = 0;
}

uint32_t TokenizerReadAhead(ReplyTokenizer *tokenizer, RecordedToken *ahead, uint32_t capacity) {
    uint32_t count = 0;
    for (; count < capacity && tokenizer->replay != tokenizer->replayEnd; ++count) {
        const RecordedToken &recorded = *tokenizer->replay++;
        ahead[count] = recorded;
        tokenizer->cursor = recorded.cursor;
        tokenizer->state = recorded.state;
        if (recorded.place.kind == TOKEN_END) return count + 1;
    }
    if (count == capacity) return count;
    return count + (tokenizer->nulEnded ? Machine<true>::ReadRun(tokenizer, ahead + count, capacity - count)
                                        : Machine<false>::ReadRun(tokenizer, ahead + count, capacity - count));
}

uint32_t TokenizerReadText(ReplyTokenizer *tokenizer, TokenPlace *token) {
    return tokenizer->nulEnded ? Machine<true>::ReadOne(tokenizer, token) : Machine<false>::ReadOne(tokenizer, token);
}

void CopyToken(const TokenPlace &token, char *buffer, uint32_t capacity) {
    if (token.begin == nullptr) return;
    const uint32_t length = KeptLength(token, capacity - 1);
    // Eight bytes at a time: tokens are short, and a call of memcpy costs more
    // than the copy.
    uint32_t i = 0;
    for (; i + 8 <= length; i += 8) memcpy(buffer + i, token.begin + i, 8);
    for (; i < length; ++i) buffer[i] = token.begin[i];
    buffer[length] = '\0';
}

uint32_t TokenizerNext(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t *kind) {
    TokenPlace token;
    const uint32_t result = TokenizerRead(tokenizer, &token);
    CopyToken(token, buffer, capacity);
    *kind = token.kind;
    return result;
}

int32_t TokenizerScan(ReplyTokenizer *tokenizer, char *buffer, uint32_t capacity, int32_t wordKind) {
    TokenPlace token;
    // The bounded build reads any text correctly: its checks only cost more.
    const int32_t kind = Machine<false>::Scan(tokenizer, &token, wordKind);
    CopyToken(token, buffer, capacity);
    return kind;
}

