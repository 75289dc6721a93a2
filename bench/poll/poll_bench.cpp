// A host's whole status poll and each export alone, timed: one benchmark
// per row of the poll operation table, named BM_<operation>.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_printer.h"
#include "poll_operations.h"

namespace {

void Run(benchmark::State &state, const PollOperation &operation) {
    std::unique_ptr<OperationFixture> fixture = operation.setUp();
    for (auto _ : state) {
        if (!fixture->Call()) {
            state.SkipWithError("the library refused the call");
            break;
        }
    }
}

}  // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    for (const PollOperation &operation : PollOperations()) {
        benchmark::RegisterBenchmark(("BM_" + std::string(operation.name)).c_str(), Run, operation);
    }
    benchmark::AddCustomContext("reply_bytes", std::to_string(BenchPrinter().reply.size()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
