#include "reply_tokenizer.h"

#include <string.h>

#include "common/short_text.h"

namespace {

constexpr char kEscape = 0x1B;
constexpr uint32_t kPjlPrefix = static_cast<uint32_t>(LoadPiece("@PJL", 4));

// Character classes: which scans a character stops.  The text's NUL stops
// every scan, so no scan looks at where the text ends.
enum CharClass : uint8_t {
    kEndsKey = 0x01,     // ends every word: \r \n : = [ ] and NUL
    kEndsWord = 0x02,    // ends words other than keys: those and the blank
    kEndsQuote = 0x04,   // the closing quote, and NUL
    kSkipped = 0x08,     // passed over between tokens: blank and \r
    kControl = 0x10,     // a token of its own: NUL, \t, \n, \f
    kOpensQuote = 0x20,  // the double quote where a token begins
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

inline uint8_t ClassOf(char c) { return kCharClasses.of[static_cast<uint8_t>(c)]; }

// The kind of each control character's token, by its low four bits (NUL, \t,
// \n and \f differ in them).
constexpr TokenKind kControlKinds[16] = {TOKEN_END,      TOKEN_END, TOKEN_END, TOKEN_END,  TOKEN_END,       TOKEN_END,
                                         TOKEN_END,      TOKEN_END, TOKEN_END, TOKEN_TAB,  TOKEN_LINE_END,  TOKEN_END,
                                         TOKEN_FORM_FEED, TOKEN_END, TOKEN_END, TOKEN_END};
static_assert(kControlKinds['\t' & 15] == TOKEN_TAB && kControlKinds['\n' & 15] == TOKEN_LINE_END &&
                  kControlKinds['\f' & 15] == TOKEN_FORM_FEED && kControlKinds[0] == TOKEN_END,
              "each control character has its own entry");

inline TokenKind ControlKind(char c) { return kControlKinds[c & 15]; }

// The fast lane: the openings of the library's own command lines, up to the
// blank after the command, compared a machine word at a time instead of read
// through the machine.  The tokens are the very ones the machine would give;
// a line that opens otherwise is read by the machine.
struct KnownOpening {
    uint64_t head;      // the first 8 characters
    uint64_t rest;      // the 8 that end the opening (they overlap the head)
    uint32_t length;    // of the opening, its blank included
};

constexpr KnownOpening Opening(const char *text) {
    const uint32_t length = TextLength(text);
    return {LoadPiece(text, 8), LoadPiece(text + length - 8, 8), length};
}

constexpr KnownOpening kKnownOpenings[] = {Opening("@PJL INQUIRE "), Opening("@PJL INFO ")};
constexpr uint32_t kLongestOpening = 13;

#define TOKENIZER_STEP [[gnu::always_inline]] inline

// The machine's fields while it reads a batch: kept in registers, stored once
// per batch.
struct Machine {
    const char *cursor;
    TokenizerState state;
    const char *end;

    TOKENIZER_STEP void SkipBlanks() {
        while (ClassOf(*cursor) & kSkipped) ++cursor;
    }

    // One raw token at the cursor, and the blanks after it: a control
    // character (the end of the text spans nothing and is never passed),
    // everything between double quotes (the closing one consumed), or a word;
    // wordKind is reported for the last two.
    TOKENIZER_STEP TokenKind Scan(TokenPlace *token, TokenKind wordKind) {
        const char *p = cursor;
        const uint8_t cls = ClassOf(*p);
        TokenKind kind = wordKind;
        if (__builtin_expect((cls & (kControl | kOpensQuote)) != 0, 0)) {
            if (cls & kControl) {
                kind = ControlKind(*p);
                token->begin = p;
                if (kind != TOKEN_END) ++p;
            } else {
                token->begin = ++p;
                while (!(ClassOf(*p) & kEndsQuote)) ++p;
                token->length = static_cast<uint32_t>(p - token->begin);
                if (*p == '"') ++p;
                cursor = p;
                SkipBlanks();
                return kind;
            }
        } else {
            const uint8_t stops = wordKind == TOKEN_KEY ? kEndsKey : kEndsWord;
            token->begin = p;
            while (!(ClassOf(*p) & stops)) ++p;
        }
        token->length = static_cast<uint32_t>(p - token->begin);
        cursor = p;
        SkipBlanks();
        return kind;
    }

    struct Step {
        TokenKind kind;
        uint32_t result;  // PAT_ERROR_INVALID_DATA when the grammar broke
    };

    TOKENIZER_STEP Step Goto(TokenKind kind, TokenizerState next) {
        state = next;
        return {kind, PAT_OK};
    }

    TOKENIZER_STEP Step BreakGrammar(TokenKind kind) {
        state = kBetweenCommands;
        return {kind, PAT_ERROR_INVALID_DATA};
    }

    // The first "@PJL" from p on, or null.  A reply's next command line
    // usually starts at the cursor, which spares the search.
    TOKENIZER_STEP const char *NextCommandLine(const char *p) const {
        for (;; ++p) {
            if (*p != '@') {
                p = static_cast<const char *>(memchr(p, '@', static_cast<size_t>(end - p)));
                if (p == nullptr) return nullptr;
            }
            if (end - p >= 4 && static_cast<uint32_t>(LoadPiece(p, 4)) == kPjlPrefix) return p;
        }
    }

    TOKENIZER_STEP Step FindCommandLine(TokenPlace *token) {
        const char *line = NextCommandLine(cursor);
        if (line == nullptr) {
            cursor = end;
            token->begin = nullptr;  // a reader keeps the word it had
            token->length = 0;
            return {TOKEN_END, PAT_OK};
        }
        token->begin = line;
        token->length = 4;
        cursor = line + 4;
        SkipBlanks();
        return Goto(TOKEN_PJL, kAfterPjl);
    }

    TOKENIZER_STEP Step AfterPjl(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_COMMAND);
        return Goto(kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandArguments);
    }

    TOKENIZER_STEP Step CommandArguments(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_ARGUMENT);
        if (kind == TOKEN_LINE_END) return Goto(kind, kBetweenCommands);
        switch (*cursor) {
            case ':':
                ++cursor;
                SkipBlanks();
                return Goto(TOKEN_ARGUMENT_COLON, kAfterArgumentColon);
            case '=':
                ++cursor;
                SkipBlanks();
                return Goto(kind, kAfterArgumentEquals);
            default: return Goto(kind, kCommandLineEnd);
        }
    }

    TOKENIZER_STEP Step AfterArgumentColon(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_QUALIFIER);
        return kind == TOKEN_QUALIFIER ? Goto(kind, kCommandArguments) : BreakGrammar(kind);
    }

    TOKENIZER_STEP Step AfterArgumentEquals(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_ARGUMENT_VALUE);
        return Goto(kind, kind == TOKEN_LINE_END ? kBetweenCommands : kCommandLineEnd);
    }

    // A next line opening with "@" or ESC means the command has no body.
    TOKENIZER_STEP TokenizerState AfterCommandLine() const {
        return *cursor == '@' || *cursor == kEscape ? kBetweenCommands : kBodyLineStart;
    }

    TOKENIZER_STEP Step CommandLineEnd(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_LINE_END);
        if (kind != TOKEN_LINE_END) return BreakGrammar(kind);
        return Goto(kind, AfterCommandLine());
    }

    TOKENIZER_STEP Step BodyLineStart(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_KEY);
        if (kind != TOKEN_KEY) return BreakGrammar(kind);
        switch (*cursor) {
            case '\n': return Goto(kind, kBodyLineEnd);
            case '[': ++cursor; return Goto(kind, kBracketFirst);
            case '=': ++cursor; return Goto(kind, kAfterKeyEquals);
            default: return BreakGrammar(kind);
        }
    }

    TOKENIZER_STEP Step AfterKeyEquals(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_KEY_VALUE);
        if (kind != TOKEN_KEY_VALUE) return BreakGrammar(kind);
        if (*cursor != '[') return Goto(kind, kBodyLineEnd);
        ++cursor;
        return Goto(kind, kBracketFirst);
    }

    TOKENIZER_STEP Step BracketFirst(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_BRACKET_FIRST);
        return kind == TOKEN_BRACKET_FIRST ? Goto(kind, kBracketNext) : BreakGrammar(kind);
    }

    // A ":", "=" or "[" inside a bracket is never consumed by a word; staying in
    // this state there would report empty words forever, so it breaks the grammar.
    TOKENIZER_STEP Step BracketNext(TokenPlace *token) {
        const char *start = cursor;
        const TokenKind kind = Scan(token, TOKEN_BRACKET_NEXT);
        if (kind != TOKEN_BRACKET_NEXT) return BreakGrammar(kind);
        if (*cursor != ']') return cursor == start ? BreakGrammar(kind) : Goto(kind, kBracketNext);
        ++cursor;
        SkipBlanks();
        return Goto(kind, kBodyLineEnd);
    }

    TOKENIZER_STEP Step BodyLineEnd(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_LINE_END);
        if (kind != TOKEN_LINE_END) return BreakGrammar(kind);
        switch (*cursor) {
            case '@': return Goto(kind, kBetweenCommands);
            case '\t':
            case '\f': return Goto(kind, kAfterTabOrFormFeed);
            default: return Goto(kind, kBodyLineStart);
        }
    }

    TOKENIZER_STEP Step AfterTabOrFormFeed(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_TAB);
        if (kind == TOKEN_FORM_FEED) return Goto(kind, kBetweenCommands);
        if (kind == TOKEN_TAB) return Goto(kind, kIndentedItem);
        return BreakGrammar(kind);
    }

    TOKENIZER_STEP Step IndentedItem(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_ITEM);
        if (kind != TOKEN_ITEM) return BreakGrammar(kind);
        switch (*cursor) {
            case '=':
                ++cursor;
                SkipBlanks();
                return Goto(kind, kIndentedValue);
            case '\n': return Goto(kind, kBodyLineEnd);
            default: return Goto(kind, kIndentedValue);
        }
    }

    TOKENIZER_STEP Step IndentedValue(TokenPlace *token) {
        const TokenKind kind = Scan(token, TOKEN_ITEM_VALUE);
        if (kind == TOKEN_ITEM_VALUE && *cursor == '\n') return Goto(kind, kBodyLineEnd);
        return BreakGrammar(kind);
    }

    TOKENIZER_STEP Step RunState(TokenPlace *token) {
        switch (state) {
            case kAfterPjl: return AfterPjl(token);
            case kCommandArguments: return CommandArguments(token);
            case kAfterArgumentColon: return AfterArgumentColon(token);
            case kAfterArgumentEquals: return AfterArgumentEquals(token);
            case kCommandLineEnd: return CommandLineEnd(token);
            case kBodyLineStart: return BodyLineStart(token);
            case kAfterKeyEquals: return AfterKeyEquals(token);
            case kBracketFirst: return BracketFirst(token);
            case kBracketNext: return BracketNext(token);
            case kBodyLineEnd: return BodyLineEnd(token);
            case kAfterTabOrFormFeed: return AfterTabOrFormFeed(token);
            case kIndentedItem: return IndentedItem(token);
            case kIndentedValue: return IndentedValue(token);
            case kBetweenCommands: break;
        }
        return FindCommandLine(token);
    }

    // One token from the text into *out.
    TOKENIZER_STEP void ReadOne(Token *out) {
        const Step step = RunState(&out->place);
        out->place.kind = step.kind;
        out->result = step.result;
        // Only between commands is the end of the text a clean end.
        if (step.kind == TOKEN_END && state != kBetweenCommands) {
            state = kBetweenCommands;
            out->result = PAT_ERROR_INVALID_DATA;
        }
        out->cursor = cursor;
        out->state = state;
    }

    // The length of the command word of a known opening at the cursor, 0 when
    // there is none.  Only read where the text holds a whole opening.
    TOKENIZER_STEP uint32_t KnownCommandLength() const {
        if (end - cursor < static_cast<ptrdiff_t>(kLongestOpening)) return 0;
        const uint64_t head = LoadPiece(cursor, 8);
        for (const KnownOpening &opening : kKnownOpenings) {
            if (head == opening.head && LoadPiece(cursor + opening.length - 8, 8) == opening.rest) {
                return opening.length - 6;  // "@PJL " before it, the blank after
            }
        }
        return 0;
    }

    // The fast lane's two tokens, "@PJL" and the command, into out[0] and
    // out[1]: as the machine reads them, without its search and its scans.
    TOKENIZER_STEP void ReadOpening(Token *out, uint32_t commandLength) {
        const char *line = cursor;
        out[0] = {{line, 4, TOKEN_PJL}, line + 5, kAfterPjl, PAT_OK};
        cursor = line + 5 + commandLength;
        SkipBlanks();
        state = kCommandArguments;
        out[1] = {{line + 5, commandLength, TOKEN_COMMAND}, cursor, kCommandArguments, PAT_OK};
    }

    // Reads up to `capacity` (>= 1) tokens into `out`, the end of the text the
    // last; returns how many.  Inlined into its one caller, whose machine is a
    // local that never leaves it: its fields stay in registers.
    TOKENIZER_STEP uint32_t ReadRun(Token *out, uint32_t capacity) {
        Token *const first = out;
        Token *const full = out + capacity;
        while (out < full) {
            if (state == kBetweenCommands && full - out >= 2) {
                const uint32_t commandLength = KnownCommandLength();
                if (commandLength != 0) {
                    ReadOpening(out, commandLength);
                    out += 2;
                    continue;
                }
            }
            ReadOne(out);
            if ((out++)->place.kind == TOKEN_END) break;
        }
        return static_cast<uint32_t>(out - first);
    }
};

void Start(ReplyTokenizer *tokenizer, const NulEndedText &text, TokenRecording *recording) {
    tokenizer->cursor = text.begin;
    tokenizer->state = kBetweenCommands;
    tokenizer->end = text.end;
    tokenizer->next = tokenizer->last = tokenizer->ahead;
    tokenizer->recording = recording;
}

}  // namespace

void TokenizerInit(ReplyTokenizer *tokenizer, const NulEndedText &text) { Start(tokenizer, text, nullptr); }

void TokenizerRecord(ReplyTokenizer *tokenizer, const NulEndedText &text, TokenRecording *recording) {
    Start(tokenizer, text, recording);
    recording->text = text.begin;
    recording->count = 0;
}

void TokenizerReplay(ReplyTokenizer *tokenizer, const NulEndedText &text, const TokenRecording &recording) {
    Start(tokenizer, text, nullptr);
    if (recording.text != text.begin || recording.count == 0) return;
    tokenizer->next = recording.token;
    tokenizer->last = recording.token + recording.count;
    tokenizer->cursor = tokenizer->last[-1].cursor;
    tokenizer->state = tokenizer->last[-1].state;
}

uint32_t TokenizerReadRun(ReplyTokenizer *tokenizer, Token *out, uint32_t capacity) {
    Machine machine{tokenizer->cursor, tokenizer->state, tokenizer->end};
    const uint32_t count = machine.ReadRun(out, capacity);
    tokenizer->cursor = machine.cursor;
    tokenizer->state = machine.state;
    return count;
}

void TokenizerResume(ReplyTokenizer *tokenizer, const char *cursor, TokenizerState state) {
    tokenizer->cursor = cursor;
    tokenizer->state = state;
    tokenizer->next = tokenizer->last = tokenizer->ahead;
}

// A command line ends at its line feed, the blanks after it passed over; the
// line after it says whether a body follows.
LineSkip TokenizerSkipLine(ReplyTokenizer *tokenizer, const char *line, uint32_t length) {
    if (tokenizer->next != tokenizer->last || tokenizer->state != kBetweenCommands) return LineSkip::kOtherText;
    if (tokenizer->end - tokenizer->cursor < static_cast<ptrdiff_t>(length)) return LineSkip::kOtherText;
    if (!SameText(tokenizer->cursor, line, length)) return LineSkip::kOtherText;
    Machine machine{tokenizer->cursor + length, kBetweenCommands, tokenizer->end};
    machine.SkipBlanks();
    tokenizer->cursor = machine.cursor;
    tokenizer->state = machine.AfterCommandLine();
    const bool commandAhead = tokenizer->state != kBetweenCommands || machine.NextCommandLine(machine.cursor) != nullptr;
    return commandAhead ? LineSkip::kSkipped : LineSkip::kSkippedToTheEnd;
}

void TokenizerReadAhead(ReplyTokenizer *tokenizer) {
    Token *out = tokenizer->ahead;
    uint32_t capacity = kTokenReadAhead;
    TokenRecording *recording = tokenizer->recording;
    if (recording != nullptr && recording->count < TokenRecording::kCapacity) {
        out = recording->token + recording->count;
        capacity = TokenRecording::kCapacity - recording->count;
    }
    const uint32_t count = TokenizerReadRun(tokenizer, out, capacity);
    if (out != tokenizer->ahead) recording->count += count;
    tokenizer->next = out;
    tokenizer->last = out + count;
}
