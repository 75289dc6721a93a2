// The query's arguments as the completeness check reads them (simple lines
// directly, the rest through the tokenizer, or compared with an echo) against
// the tokenizer alone on arbitrary text, NUL-ended and as a payload without a
// terminator: the same argument places, the same end or error.
#include <stdlib.h>
#include <string.h>

#include "target_support.h"
#include "pjl/query_arguments.h"
#include "pjl/reply_tokenizer.h"

namespace {

// Whether two readers hand out the same arguments to the end or an error.
bool SameRest(QueryArgumentReader *a, QueryArgumentReader *b) {
    for (;;) {
        TokenPlace fromA;
        TokenPlace fromB;
        const uint32_t resultA = NextQueryArgument(a, &fromA);
        const uint32_t resultB = NextQueryArgument(b, &fromB);
        if (resultA != resultB) return false;
        if (resultA != 0) return true;
        if (fromA.kind != fromB.kind) return false;
        if (fromA.kind == TOKEN_END) return true;
        if (fromA.begin != fromB.begin || fromA.length != fromB.length) return false;
    }
}

// The argument offered to SkipQueryArgument as its echo would be, when it
// is a word the tokenizer read: taken, the reader goes on as after reading
// it; a word one character short of it is never taken.
void OfferAsEcho(const QueryArgumentReader &reader, const TokenPlace &argument, const char *end) {
    const char *after = argument.begin + argument.length;
    const bool word = after < end && (*after == ' ' || *after == '\r' || *after == '\n');
    if (argument.length == 0 || argument.length >= 99 || !word) return;
    QueryArgumentReader skipping = reader;
    if (argument.length > 1) {
        Expect(!SkipQueryArgument(&skipping, argument.begin, argument.length - 1), "a shorter word");
    }
    if (!SkipQueryArgument(&skipping, argument.begin, argument.length)) return;
    QueryArgumentReader reading = reader;
    TokenPlace read;
    Expect(NextQueryArgument(&reading, &read) == 0 && read.begin == argument.begin && read.length == argument.length,
           "the argument skipped is the one read");
    Expect(SameRest(&skipping, &reading), "skipping goes on as reading does");
}

// Reads both ways in step and aborts at the first difference.
void CompareWithTokenizer(const BoundedText &text, size_t textLength) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    QueryArgumentReader reader;
    QueryArgumentsStart(&reader, text);
    // Every token consumes a character or ends a line; more than this is a hang.
    const size_t maxTokens = 8 * (textLength + 2);
    for (size_t tokens = 0;;) {
        TokenPlace expected;
        uint32_t expectedResult;
        do {
            if (++tokens > maxTokens) abort();
            expectedResult = TokenizerRead(&tokenizer, &expected);
        } while (expectedResult == 0 && expected.kind != TOKEN_END && expected.kind != TOKEN_ARGUMENT);
        if (expectedResult == 0 && expected.kind == TOKEN_ARGUMENT) OfferAsEcho(reader, expected, text.end);
        TokenPlace argument;
        const uint32_t result = NextQueryArgument(&reader, &argument);
        Expect(result == expectedResult, "the same error");
        if (result != 0) return;
        Expect(argument.kind == expected.kind, "the same kind");
        if (argument.kind == TOKEN_END) return;
        Expect(argument.begin == expected.begin && argument.length == expected.length, "the same place");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ExactCopy terminated(data, size, true);
    const size_t textLength = strlen(terminated.bytes);
    CompareWithTokenizer(BoundText(terminated.bytes, static_cast<uint32_t>(textLength + 1)), textLength);
    ExactCopy payload(data, size);
    CompareWithTokenizer(BoundText(payload.bytes, static_cast<uint32_t>(size)), size);
    return 0;
}
