// A host's whole status poll, and the PJL exports it is made of.
#include <benchmark/benchmark.h>

#include "bench_printer.h"
#include "library/info_trees.h"
#include "library/library_calls.h"
#include "library/poll_cycle.h"
#include "status_info_tree.h"

namespace {

// Query, interpretation of the full reply with the device ID, the short and
// the long status text, the picture's bitmap info and its disposal, and the
// record cleared again.
void BM_WholePollCycle(benchmark::State &state) {
    const PolledPrinter &printer = BenchPrinter();
    std::string text;
    for (auto _ : state) {
        PrnInfoEx record = EmptyRecord();
        Query query;
        BuildQuery(kExports, &record, kDefaultQueryFlags, &query);
        if (InterpretReply(kExports, &query, printer.reply, &printer.deviceId, &record) != 0) {
            state.SkipWithError("the reply was refused");
            break;
        }
        StatusInfoTree tree(kBenchSource, &record);
        FetchStatusString(kExports, kBenchSource, tree.Root(), PAT_TEXT_FORM_SHORT, &text);
        FetchStatusString(kExports, kBenchSource, tree.Root(), PAT_TEXT_FORM_LONG, &text);
        PatDisposeBitmapInfo(PatCreateBitmapInfo(kBenchSource, tree.Root(), PAT_STATUS_INTERFACE_VERSION));
        ReleaseRecord(kExports, &record);
    }
    state.counters["reply_bytes"] = static_cast<double>(printer.reply.size());
}
BENCHMARK(BM_WholePollCycle);

void BM_CreateQueryInfo(benchmark::State &state) {
    PolledRecord record;
    for (auto _ : state) {
        FreeInfoTree(kExports, PatCreateQueryInfo(record.Get(), PAT_PJL_INTERFACE_VERSION, kDefaultQueryFlags));
    }
}
BENCHMARK(BM_CreateQueryInfo);

void BM_CreateEmulUniqQueryInfo(benchmark::State &state) {
    for (auto _ : state) FreeInfoTree(kExports, PatCreateEmulUniqQueryInfo(1, PAT_PJL_INTERFACE_VERSION, 15, 0));
}
BENCHMARK(BM_CreateEmulUniqQueryInfo);

// The full reply and the device ID into a record that already holds them,
// as every poll after the first does; with the query attached (checked:1) the
// library first makes sure every question has its answer.
void BM_SetCentroDataTo(benchmark::State &state) {
    const PolledPrinter &printer = BenchPrinter();
    PolledRecord record;
    PatInfoNode *root = NewInfoNode(kExports, nullptr, PAT_TREE_REPLY_ROOT, nullptr, 0);
    if (state.range(0) != 0) {
        AttachInfoNode(root, PatCreateQueryInfo(record.Get(), PAT_PJL_INTERFACE_VERSION, kDefaultQueryFlags));
    }
    NewInfoNode(kExports, root, PAT_NODE_PJL_TEXT, printer.reply.c_str(), printer.reply.size() + 1);
    NewInfoNode(kExports, root, PAT_NODE_DEVICE_ID, printer.deviceId.c_str(), printer.deviceId.size() + 1);
    for (auto _ : state) {
        if (!PatSetCentroDataTo(root, 0, record.Get(), PAT_PJL_INTERFACE_VERSION)) {
            state.SkipWithError("the reply was refused");
            break;
        }
    }
    FreeInfoTree(kExports, root);
}
BENCHMARK(BM_SetCentroDataTo)->ArgName("checked")->Arg(1)->Arg(0);

}  // namespace
