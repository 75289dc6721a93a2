// PatSetCentroDataTo on the reply to the full query and on larger replies
// (more tray answers and padding lines): the cost per reply byte must stay
// flat as the reply grows.
#include <benchmark/benchmark.h>

#include <string>

#include "centro_data_fixtures.h"

namespace {

using namespace bench_fixtures;

void RunReply(benchmark::State &state, const std::string &reply) {
    PatInfoNode *tree = ReplyTreeFor(reply);
    for (auto _ : state) {
        PrnInfoEx record = FreshRecord();
        if (!PatSetCentroDataTo(tree, 0, &record, 2)) state.SkipWithError("the reply was refused");
        ReleaseRecord(&record);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
    state.counters["reply_bytes"] = static_cast<double>(reply.size());
    state.counters["time_per_byte"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(reply.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    FreeTestTree(tree);
}

void BM_FullQueryReply(benchmark::State &state) { RunReply(state, kFullReplyText); }
void BM_Reply16K(benchmark::State &state) { RunReply(state, LargeReply(16 * 1024)); }
void BM_Reply64K(benchmark::State &state) { RunReply(state, LargeReply(64 * 1024)); }
void BM_Reply64KAnswersLast(benchmark::State &state) { RunReply(state, LargeReply(64 * 1024, true)); }

BENCHMARK(BM_FullQueryReply);
BENCHMARK(BM_Reply16K);
BENCHMARK(BM_Reply64K);
BENCHMARK(BM_Reply64KAnswersLast);

}  // namespace

BENCHMARK_MAIN();
