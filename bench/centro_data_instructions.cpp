// Runs PatSetCentroDataTo a given number of times on one reply, for counting
// executed instructions from outside (valgrind cannot run i386 programs
// here; qemu's execution log can):
//   qemu-i386-static -singlestep -d exec,nochain -D /dev/stdout \
//     build/native/centro_data_instructions 65536 2 | grep -c Trace
// The count for 2 calls minus the count for 1 is the cost of one call.
// Size 0 means the reply to the full query; a third argument "last" puts the
// answers after the padding, "tokens" reads the reply with the tokenizer
// alone (to its end, every token's place, as the dispatcher reads them)
// instead of the export.
// Each call of the export lies between a call of ExportWindowOpens and one of
// ExportWindowCloses, whose addresses go to standard error first ("window
// OPEN CLOSE"): counting only the instructions between them leaves out the
// record's set-up and the host's release of it (tools/dev/instructions.sh).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "centro_data_fixtures.h"
#include "pjl/reply_tokenizer.h"

using namespace bench_fixtures;

namespace {

// Every token of the reply, as the dispatcher reads them: a batch at a time.
// The tokens are only counted here, so that the count is the tokenizer's own;
// whether the reply reads without an error is checked once, before.
uint32_t Tokenize(const std::string &reply, bool check) {
    ReplyTokenizer tokenizer;
    TokenizerInit(&tokenizer, {reply.c_str(), reply.c_str() + reply.size()});
    uint32_t tokens = 0;
    for (;;) {
        TokenizerReadAhead(&tokenizer);
        tokens += static_cast<uint32_t>(tokenizer.last - tokenizer.next);
        for (const Token *token = tokenizer.next; check && token != tokenizer.last; ++token) {
            if (token->result != 0) return 0;
        }
        if (tokenizer.last[-1].place.kind == TOKEN_END) return tokens;
        tokenizer.next = tokenizer.last;
    }
}

// Empty, and never inlined: where the count of the export alone starts and ends.
[[gnu::noinline]] void ExportWindowOpens() { asm volatile(""); }
[[gnu::noinline]] void ExportWindowCloses() { asm volatile(""); }

}  // namespace

int main(int argc, char **argv) {
    const size_t size = argc > 1 ? strtoul(argv[1], nullptr, 10) : 0;
    const long calls = argc > 2 ? strtol(argv[2], nullptr, 10) : 1;
    const bool answersLast = argc > 3 && strcmp(argv[3], "last") == 0;
    const bool tokensOnly = argc > 3 && strcmp(argv[3], "tokens") == 0;
    const std::string reply = size == 0 ? std::string(kFullReplyText) : LargeReply(size, answersLast);
    PatInfoNode *tree = ReplyTreeFor(reply);
    fprintf(stderr, "window %p %p\n", reinterpret_cast<void *>(&ExportWindowOpens),
            reinterpret_cast<void *>(&ExportWindowCloses));
    if (tokensOnly && Tokenize(reply, true) == 0) return 1;
    for (long i = 0; i < calls && tokensOnly; ++i) {
        if (Tokenize(reply, false) == 0) return 1;
    }
    for (long i = 0; i < calls && !tokensOnly; ++i) {
        PrnInfoEx record = FreshRecord();
        ExportWindowOpens();
        const PatBool read = PatSetCentroDataTo(tree, 0, &record, 2);
        ExportWindowCloses();
        if (!read) return 1;
        ReleaseRecord(&record);
    }
    FreeTestTree(tree);
    fprintf(stderr, "%zu reply bytes, %ld calls\n", reply.size(), calls);
    return 0;
}
