#include "query_arguments.h"

#include <string.h>

#include "same_text.h"

namespace {

constexpr char kEscape = 0x1B;
constexpr char kCommandPrefix[] = "@PJL";
constexpr uint32_t kCommandPrefixLength = sizeof kCommandPrefix - 1;

// The openings of the library's own command lines, up to the blank after the
// command.  A line that opens so is read as any other, only its command word
// is compared a machine word at a time instead of read a character at a time,
// and its argument may be compared with an echo (SkipQueryArgument).  Should
// the library's lines open otherwise, they are read as any other line: these
// only save time.
constexpr char kInquireOpening[] = "@PJL INQUIRE ";
constexpr char kInfoOpening[] = "@PJL INFO ";
static_assert(sizeof kInquireOpening - 1 <= 16 && sizeof kInquireOpening - 1 > 8, "two overlapping words");
static_assert(sizeof kInfoOpening - 1 <= 12 && sizeof kInfoOpening - 1 > 8, "a word and a half-word");

#define QUERY_STEP [[gnu::always_inline]] inline

// Character classes of a simple command line.  A plain character is read
// alike wherever a command-line word begins or goes on: it neither ends a
// word (\r \n : = [ ], the blank and the NUL) nor is a token of its own or a
// quote where a word begins (tab, form feed, ").  A word that stops at a
// blank, a carriage return or a line feed stops there for the tokenizer too.
enum QueryCharClass : uint8_t {
    kPlain = 0x01,
    kBlank = 0x02,      // passed over between tokens: blank and \r
    kStopsWord = 0x04,  // blank, \r, \n
};

struct QueryCharClassTable {
    uint8_t of[256];
};

constexpr QueryCharClassTable MakeQueryCharClasses() {
    QueryCharClassTable table{};
    for (uint8_t &cls : table.of) cls = kPlain;
    const char notPlain[] = "\r\n:=[] \t\f\"";  // and its NUL
    for (const char c : notPlain) table.of[static_cast<uint8_t>(c)] = 0;
    table.of[static_cast<uint8_t>(' ')] = kBlank | kStopsWord;
    table.of[static_cast<uint8_t>('\r')] = kBlank | kStopsWord;
    table.of[static_cast<uint8_t>('\n')] = kStopsWord;
    return table;
}

constexpr QueryCharClassTable kQueryCharClasses = MakeQueryCharClasses();

QUERY_STEP uint8_t ClassOf(char c) { return kQueryCharClasses.of[static_cast<uint8_t>(c)]; }

QUERY_STEP bool IsPlain(char c) { return (ClassOf(c) & kPlain) != 0; }

// The end of the plain word at p when a blank, a carriage return or a line
// feed ends it; null when anything else does.  A word that starts before
// plainSafeEnd meets a character that is not plain before the text ends, so
// that one can be read.
QUERY_STEP const char *SimpleWordEnd(const QueryArgumentReader &reader, const char *p) {
    if (p < reader.plainSafeEnd) {
        // Four steps a round: each character read is plain only where the
        // one after it still lies before the safe end.
        for (;; p += 4) {
            if (!IsPlain(p[0])) break;
            if (!IsPlain(p[1])) {
                p += 1;
                break;
            }
            if (!IsPlain(p[2])) {
                p += 2;
                break;
            }
            if (!IsPlain(p[3])) {
                p += 3;
                break;
            }
        }
        return (ClassOf(*p) & kStopsWord) != 0 ? p : nullptr;
    }
    while (p < reader.end && IsPlain(*p)) ++p;
    return p < reader.end && (ClassOf(*p) & kStopsWord) != 0 ? p : nullptr;
}

// Past the blanks and carriage returns from p on, as between two tokens.
QUERY_STEP const char *SkipBlanks(const QueryArgumentReader &reader, const char *p) {
    while (p < reader.end && (ClassOf(*p) & kBlank) != 0) ++p;
    return p;
}

QUERY_STEP bool At(const QueryArgumentReader &reader, const char *p, char c) { return p < reader.end && *p == c; }

// The first "@PJL" from p on, or null.
const char *FindCommandLine(const QueryArgumentReader &reader, const char *p) {
    while (p < reader.end) {
        if (*p != '@') {
            p = static_cast<const char *>(memchr(p, '@', static_cast<size_t>(reader.end - p)));
            if (p == nullptr) return nullptr;
        }
        if (reader.end - p >= static_cast<ptrdiff_t>(kCommandPrefixLength) &&
            memcmp(p, kCommandPrefix, kCommandPrefixLength) == 0) {
            return p;
        }
        ++p;
    }
    return nullptr;
}

// The end of the command word of a line that opens as the library's own
// lines do (at the blank after it), or null.
QUERY_STEP const char *KnownCommandEnd(const QueryArgumentReader &reader, const char *line) {
    constexpr size_t kInquireLength = sizeof kInquireOpening - 1;
    constexpr size_t kInfoLength = sizeof kInfoOpening - 1;
    const size_t left = static_cast<size_t>(reader.end - line);
    if (left >= kInquireLength && LoadWord8(line) == LoadWord8(kInquireOpening) &&
        LoadWord8(line + kInquireLength - 8) == LoadWord8(kInquireOpening + kInquireLength - 8)) {
        return line + kInquireLength - 1;
    }
    if (left >= kInfoLength && LoadWord8(line) == LoadWord8(kInfoOpening) &&
        LoadWord4(line + kInfoLength - 4) == LoadWord4(kInfoOpening + kInfoLength - 4)) {
        return line + kInfoLength - 1;
    }
    return nullptr;
}

enum class LinePart { kLineEnd, kWord, kOther };

// The part of a command line at p (past its blanks): its line feed, or a
// simple word.  *end: just past the line feed, or the end of the word.
QUERY_STEP LinePart ReadLinePart(const QueryArgumentReader &reader, const char *p, const char **end) {
    if (p == reader.end) return LinePart::kOther;
    if (*p == '\n') {
        *end = p + 1;
        return LinePart::kLineEnd;
    }
    if (!IsPlain(*p)) return LinePart::kOther;
    *end = SimpleWordEnd(reader, p);
    return *end != nullptr ? LinePart::kWord : LinePart::kOther;
}

// Past the rest of an argument's line from its end at p: blanks, the line
// feed, and the blanks that open the next line, which must open with "@" or
// ESC (the command has no body).  Null for a line of any other shape.
QUERY_STEP const char *PastArgumentLine(const QueryArgumentReader &reader, const char *p) {
    // The library's lines end in "\r\n" and the next opens at once.
    if (reader.end - p >= 3 && p[0] == '\r' && p[1] == '\n' && (p[2] == '@' || p[2] == kEscape)) return p + 2;
    p = SkipBlanks(reader, p);
    if (!At(reader, p, '\n')) return nullptr;
    p = SkipBlanks(reader, p + 1);
    return At(reader, p, '@') || At(reader, p, kEscape) ? p : nullptr;
}

enum class LineShape { kWithoutArgument, kWithArgument, kOther };

// The shape of a line where a part other than a word stands.
LineShape ShapeEndedBy(LinePart part) {
    return part == LinePart::kLineEnd ? LineShape::kWithoutArgument : LineShape::kOther;
}

// Reads the command line that opens with "@PJL" at `line` when it is one of
// "@PJL", "@PJL COMMAND" or "@PJL COMMAND ARGUMENT" with blanks between the
// words and before its line feed, and the line after an argument's opens
// with "@" or ESC.  *next: where the reading goes on between commands.
LineShape ReadSimpleLine(const QueryArgumentReader &reader, const char *line, TokenPlace *argument,
                         const char **next) {
    const char *p = KnownCommandEnd(reader, line);
    LinePart part;
    if (p == nullptr) {
        part = ReadLinePart(reader, SkipBlanks(reader, line + kCommandPrefixLength), next);
        if (part != LinePart::kWord) return ShapeEndedBy(part);
        p = *next;
    }
    const char *begin = SkipBlanks(reader, p);  // past the command
    part = ReadLinePart(reader, begin, next);
    if (part != LinePart::kWord) return ShapeEndedBy(part);
    const char *wordEnd = *next;
    *next = PastArgumentLine(reader, wordEnd);
    if (*next == nullptr) return LineShape::kOther;
    argument->begin = begin;
    argument->length = static_cast<uint32_t>(wordEnd - begin);
    argument->kind = TOKEN_ARGUMENT;
    return LineShape::kWithArgument;
}

// From the command line at `line` on, the tokenizer reads the text: it stands
// between commands there, as it would after the simple lines before.
void StartTokenizing(QueryArgumentReader *reader, const char *line) {
    TokenizerInit(&reader->tokenizer, BoundedText{line, reader->end, reader->endsAtNul});
    reader->tokenizing = true;
    reader->next = reader->count = 0;
}

// The next argument or the end from simple lines; false when a line of
// another shape handed the rest to the tokenizer.
[[gnu::noinline]] bool ReadSimpleLines(QueryArgumentReader *reader, TokenPlace *argument) {
    for (;;) {
        const char *line = FindCommandLine(*reader, reader->cursor);
        if (line == nullptr) {
            reader->cursor = reader->end;
            *argument = {nullptr, 0, TOKEN_END};
            return true;
        }
        const char *next = nullptr;
        switch (ReadSimpleLine(*reader, line, argument, &next)) {
            case LineShape::kWithArgument: reader->cursor = next; return true;
            case LineShape::kWithoutArgument: reader->cursor = next; break;
            case LineShape::kOther: StartTokenizing(reader, line); return false;
        }
    }
}

[[gnu::noinline]] uint32_t NextTokenizedArgument(QueryArgumentReader *reader, TokenPlace *argument) {
    for (;;) {
        if (reader->next == reader->count) {
            reader->count = TokenizerReadAhead(&reader->tokenizer, reader->ahead, kTokenReadAhead);
            reader->next = 0;
        }
        const RecordedToken &token = reader->ahead[reader->next++];
        if (token.result != 0) return token.result;
        if (token.place.kind == TOKEN_END || token.place.kind == TOKEN_ARGUMENT) {
            *argument = token.place;
            return 0;
        }
    }
}

// Just past the last character of the text that is not plain; the text's
// beginning when there is none.
const char *PastLastNotPlain(const char *begin, const char *end) {
    for (const char *p = end; p > begin; --p) {
        if (!IsPlain(p[-1])) return p;
    }
    return begin;
}

// The library's own line at the cursor, its argument right after the
// command's one blank: the common case of ReadSimpleLines, read without its
// search and its calls.  False for any other line, which ReadSimpleLines
// then reads from the same cursor.
QUERY_STEP bool ReadKnownLine(QueryArgumentReader *reader, TokenPlace *argument) {
    const char *commandEnd = KnownCommandEnd(*reader, reader->cursor);
    if (commandEnd == nullptr) return false;
    const char *begin = commandEnd + 1;
    if (begin >= reader->plainSafeEnd || !IsPlain(*begin)) return false;
    const char *wordEnd = SimpleWordEnd(*reader, begin);
    if (wordEnd == nullptr) return false;
    const char *next = PastArgumentLine(*reader, wordEnd);
    if (next == nullptr) return false;
    *argument = {begin, static_cast<uint32_t>(wordEnd - begin), TOKEN_ARGUMENT};
    reader->cursor = next;
    return true;
}

}  // namespace

void QueryArgumentsStart(QueryArgumentReader *reader, const BoundedText &text) {
    reader->cursor = text.begin;
    reader->end = text.end;
    reader->endsAtNul = text.endsAtNul;
    // The NUL that ends a text stops every word.
    reader->plainSafeEnd = text.endsAtNul ? text.end + 1 : PastLastNotPlain(text.begin, text.end);
    reader->tokenizing = false;
    reader->next = reader->count = 0;
}

uint32_t NextQueryArgument(QueryArgumentReader *reader, TokenPlace *argument) {
    if (reader->tokenizing) return NextTokenizedArgument(reader, argument);
    if (ReadKnownLine(reader, argument) || ReadSimpleLines(reader, argument)) return 0;
    return NextTokenizedArgument(reader, argument);
}

bool SkipQueryArgument(QueryArgumentReader *reader, const char *word, uint32_t length) {
    if (reader->tokenizing) return false;
    const char *commandEnd = KnownCommandEnd(*reader, reader->cursor);
    if (commandEnd == nullptr) return false;
    // The word's first character is no blank, so the argument begins there;
    // it is read as the word's characters are, up to the character after them.
    const char *begin = commandEnd + 1;
    if (reader->end - begin <= static_cast<ptrdiff_t>(length) || !SameText(begin, word, length)) return false;
    const char *wordEnd = begin + length;
    if ((ClassOf(*wordEnd) & kStopsWord) == 0) return false;
    const char *next = PastArgumentLine(*reader, wordEnd);
    if (next == nullptr) return false;
    reader->cursor = next;
    return true;
}
