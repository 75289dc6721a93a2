// The query's arguments as the completeness check reads them must be exactly
// the tokenizer's TOKEN_ARGUMENT tokens up to its first error: the same
// places in the text, the same end or error, whether read one by one or
// compared with the echoes of a reply in order.  Compared on texts of every
// shape the direct reading takes and every place it hands over, NUL-ended
// and as exact payloads, and on deterministic mutations of the full query.
#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "pjl/query_arguments.h"
#include "pjl/reply_tokenizer.h"
#include "support/pjl_texts.h"

namespace {

struct Arguments {
    std::vector<std::pair<size_t, uint32_t>> places;  // offset in the text, length
    uint32_t result = 0;  // of the token that ended the reading
    bool operator==(const Arguments &o) const { return places == o.places && result == o.result; }
};

std::ostream &operator<<(std::ostream &os, const Arguments &a) {
    for (const auto &place : a.places) os << "[" << place.first << "+" << place.second << "] ";
    return os << "result " << a.result;
}

// As the check read them before: every token, until an error or the end.
Arguments ByTokenizer(const BoundedText &text) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, text);
    Arguments out;
    for (;;) {
        TokenPlace token;
        out.result = TokenizerRead(&tokenizer, &token);
        if (out.result != 0 || token.kind == TOKEN_END) return out;
        if (token.kind == TOKEN_ARGUMENT) out.places.push_back({token.begin - text.begin, token.length});
    }
}

Arguments ByReader(const BoundedText &text, bool *handedOver = nullptr) {
    QueryArgumentReader reader;
    QueryArgumentsStart(&reader, text);
    Arguments out;
    for (;;) {
        TokenPlace argument;
        out.result = NextQueryArgument(&reader, &argument);
        if (out.result != 0 || argument.kind == TOKEN_END) break;
        EXPECT_EQ(argument.kind, TOKEN_ARGUMENT);
        out.places.push_back({argument.begin - text.begin, argument.length});
    }
    if (handedOver != nullptr) *handedOver = reader.tokenizing;
    return out;
}

// Whether the argument at [offset, offset + length) is a word the tokenizer
// read (a quoted string ends at its quote), short of the 99-character cut:
// what SkipQueryArgument may be handed.
bool WordShaped(const BoundedText &text, size_t offset, uint32_t length) {
    const char *after = text.begin + offset + length;
    return length != 0 && length < 99 && after < text.end && (*after == ' ' || *after == '\r' || *after == '\n');
}

// As the check reads a query answered in order: each argument first offered
// to SkipQueryArgument as its echo would be (and a word one character short
// of it, which must never be taken), read by NextQueryArgument when that
// declines.
Arguments ByReaderSkipping(const BoundedText &text, const Arguments &expected) {
    QueryArgumentReader reader;
    QueryArgumentsStart(&reader, text);
    Arguments out;
    for (size_t k = 0;; ++k) {
        if (k < expected.places.size() && WordShaped(text, expected.places[k].first, expected.places[k].second)) {
            const char *word = text.begin + expected.places[k].first;
            const uint32_t length = expected.places[k].second;
            if (length > 1) EXPECT_FALSE(SkipQueryArgument(&reader, word, length - 1));
            if (SkipQueryArgument(&reader, word, length)) {
                out.places.push_back(expected.places[k]);
                continue;
            }
        }
        TokenPlace argument;
        out.result = NextQueryArgument(&reader, &argument);
        if (out.result != 0 || argument.kind == TOKEN_END) return out;
        out.places.push_back({argument.begin - text.begin, argument.length});
    }
}

// Both readings agree on the text, NUL-ended and as a payload of exactly its
// bytes (a read past it is one the sanitizer reports).
void ExpectSameArguments(const std::string &text) {
    SCOPED_TRACE(testing::PrintToString(text));
    const std::unique_ptr<char[]> payload(new char[text.size() + 1]);
    memcpy(payload.get(), text.data(), text.size());
    payload[text.size()] = '\0';
    const BoundedText terminated = BoundText(payload.get(), static_cast<uint32_t>(text.size() + 1));
    const Arguments expected = ByTokenizer(terminated);
    EXPECT_EQ(ByReader(terminated), expected);
    EXPECT_EQ(ByReaderSkipping(terminated, expected), expected);
    const std::unique_ptr<char[]> exact(new char[text.size() + 1]);
    memcpy(exact.get(), text.data(), text.size());
    const BoundedText bounded = BoundText(exact.get(), static_cast<uint32_t>(text.size()));
    const Arguments expectedBounded = ByTokenizer(bounded);
    EXPECT_EQ(ByReader(bounded), expectedBounded);
    EXPECT_EQ(ByReaderSkipping(bounded, expectedBounded), expectedBounded);
}

const std::string kUel = "\x1B%-12345X";

TEST(QueryArguments, TheLibrarysQueriesAreReadWithoutTheTokenizer) {
    for (const char *query : {kFullQueryText, kOutBinQueryText, kEmulUniqQueryText}) {
        ExpectSameArguments(query);
        bool handedOver = true;
        const Arguments arguments = ByReader(BoundText(query, static_cast<uint32_t>(strlen(query) + 1)), &handedOver);
        EXPECT_FALSE(handedOver);
        EXPECT_EQ(arguments.result, 0u);
    }
    EXPECT_EQ(ByReader(BoundText(kFullQueryText, sizeof kFullQueryText)).places.size(), 28u);
}

// Each line shape read directly, and each place where the tokenizer takes
// over: the results must be the tokenizer's either way.
TEST(QueryArguments, EveryShapeAgreesWithTheTokenizer) {
    const std::string longWord(120, 'W');
    const char *const texts[] = {
        "",
        "no command at all",
        "@PJ",
        "@PJL",
        "@PJL\r\n",
        "@PJL INFO\r\n@PJL",
        "@@PJL INFO X\r\n@",
        "x@PJL@PJL INFO X\r\n\x1B",
        "@PJLINFO X\r\n@PJL INFO Y \r\r\n \r@PJL",
        "@PJL   INFO   X   \r\n   @PJL INFO Y\r\n\x1B",
        "@PJL INFO X\r\n",                   // the text ends where a body would begin
        "@PJL INFO X\r\nBODY=1\r\n\f@PJL",   // a body after the argument
        "@PJL INFO X\r\n  \x1B",
        "@PJL INFO X Y\r\n@PJL",             // a second argument
        "@PJL INFO X:Y\r\n@PJL",
        "@PJL INFO X : Y\r\n@PJL",
        "@PJL INFO X=1\r\n@PJL",
        "@PJL INFO X[1]\r\n@PJL",
        "@PJL INFO \"QUOTED ONE \"\r\n@PJL",
        "@PJL INFO X\"Y\r\n@PJL",
        "@PJL INFO X\tY\r\n@PJL",
        "@PJL INFO \tX\r\n@PJL",
        "@PJL \fINFO X\r\n@PJL",
        "@PJL INFO X\f\r\n@PJL",
        "@PJL INFO\tX\r\n@PJL",
        "@PJL :INFO X\r\n@PJL",
        "@PJL INFO X",                       // the text ends in the argument
        "@PJL INFO X ",
        "@PJL INFO X\r",
        "@PJL INFO",
        "@PJL INFO ",
        "@PJL INFO X\n@PJL INFO Y\n\x1B",
        "@PJL INFO \x1B\x7F\xFF\x01\r\n@PJL INFO @\r\n@",
        "@PJL INFO X\r\n@PJL INFO X:1\r\n@PJL INFO Y\r\n@PJL INFO Z\r\n@",  // over to the tokenizer midway
        "@PJL INFO X\r\ngarbage @PJ @PJL INFO Y\r\n@",
    };
    for (const char *text : texts) ExpectSameArguments(text);
    ExpectSameArguments(kUel + "@PJL\r\n@PJL INQUIRE " + longWord + "\r\n" + kUel);
    ExpectSameArguments(kUel + "@PJL\r\n@PJL INQUIRE " + longWord + "\r\n");
    ExpectSameArguments(std::string("@PJL INFO X\r\n@PJL INFO \0Y\r\n@", 27));  // a NUL ends the text
}

// Deterministic mutations of the full query: bytes replaced by the ones the
// grammar turns on, inserted, deleted, and the text cut short.
TEST(QueryArguments, MutationsOfTheFullQueryAgreeWithTheTokenizer) {
    const char interesting[] = " \r\n\t\f:=[]\"@\x1B" "AP";
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    const std::string full = kFullQueryText;
    for (int i = 0; i < 3000; ++i) {
        std::string text = full;
        for (uint32_t edits = 1 + next(3); edits > 0; --edits) {
            const size_t at = next(static_cast<uint32_t>(text.size()));
            const char c = interesting[next(sizeof interesting - 1)];
            switch (next(4)) {
                case 0: text[at] = c; break;
                case 1: text.insert(at, 1, c); break;
                case 2: text.erase(at, 1); break;
                default: text.resize(at); break;
            }
            if (text.empty()) break;
        }
        ExpectSameArguments(text);
        if (HasFailure()) return;
    }
}

}  // namespace
