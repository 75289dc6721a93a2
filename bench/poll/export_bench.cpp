// The exports a host calls to show a printer, each alone.
#include <benchmark/benchmark.h>

#include <string.h>

#include "bench_printer.h"
#include "status_info_tree.h"

namespace {

void BM_GetStatusString(benchmark::State &state) {
    PolledRecord record;
    StatusInfoTree tree(kBenchSource, record.Get());
    char text[512];
    for (auto _ : state) {
        uint32_t length = sizeof text;
        PatGetStatusString(kBenchSource, tree.Root(), PAT_STATUS_INTERFACE_VERSION,
                           static_cast<uint32_t>(state.range(0)), text, &length);
    }
}
BENCHMARK(BM_GetStatusString)->ArgName("form")->Arg(1)->Arg(2);

void BM_CreateAndDisposeBitmapInfo(benchmark::State &state) {
    PolledRecord record;
    StatusInfoTree tree(kBenchSource, record.Get());
    for (auto _ : state) {
        PatDisposeBitmapInfo(PatCreateBitmapInfo(kBenchSource, tree.Root(), PAT_STATUS_INTERFACE_VERSION));
    }
}
BENCHMARK(BM_CreateAndDisposeBitmapInfo);

void BM_GetDeviceName(benchmark::State &state) {
    const uint32_t finisher = 838;
    const void *names[] = {"Bypass Tray", "Finisher Shift Tray", &finisher};
    const uint32_t checks[] = {PAT_CHECK_NAMED_DEVICE, PAT_CHECK_NAMED_DEVICE, PAT_CHECK_OPTION};
    const int kind = static_cast<int>(state.range(0));
    char text[256];
    for (auto _ : state) {
        uint32_t length = sizeof text;
        PatGetDeviceName(kind, names[kind - 1], checks[kind - 1], text, &length);
    }
}
BENCHMARK(BM_GetDeviceName)->ArgName("kind")->DenseRange(1, 3);

void BM_SetLocale(benchmark::State &state) {
    for (auto _ : state) PatSetLocale("zh_cn");
    PatSetLocale("EN");
}
BENCHMARK(BM_SetLocale);

void BM_LoadBitmap(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(PatLoadBitmap("BM_POINT_7"));
}
BENCHMARK(BM_LoadBitmap);

void BM_LoadDIBitmap(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(PatLoadDIBitmap("BM_BASE"));
}
BENCHMARK(BM_LoadDIBitmap);

void BM_GetPalette(benchmark::State &state) {
    for (auto _ : state) {
        uint32_t size = 0;
        PatGetPalette(nullptr, &size);  // this family has no palette: the answer is an error
    }
}
BENCHMARK(BM_GetPalette);

void BM_GetDllVersion(benchmark::State &state) {
    for (auto _ : state) {
        PatVersionInfo version = {};
        version.dwSize = sizeof version;
        PatGetDllVersion(&version);
    }
}
BENCHMARK(BM_GetDllVersion);

void BM_GetPeripheralProfile(benchmark::State &state) {
    for (auto _ : state) {
        PatPeripheralProfile profile;
        uint32_t length = sizeof profile;
        PatGetPeripheralProfile(kBenchSource, &profile, &length);
    }
}
BENCHMARK(BM_GetPeripheralProfile);

void BM_GetStatusHelpFileName(benchmark::State &state) {
    PolledRecord record;
    char text[260];
    for (auto _ : state) {
        uint32_t length = sizeof text;
        PatGetStatusHelpFileName(kBenchSource, record.Get(), 0, text, &length);
    }
}
BENCHMARK(BM_GetStatusHelpFileName);

void BM_PrnInfoExToPrnInfo(benchmark::State &state) {
    PolledRecord record;
    static PrnInfo basic;
    for (auto _ : state) PatPrnInfoExToPrnInfo(record.Get(), &basic, 0xFFFFFFFFu);
}
BENCHMARK(BM_PrnInfoExToPrnInfo);

// Source type 1 with its status word and two engine statuses; the engine
// status list is rebuilt by every call.
void BM_PMInfoToPrnInfoEx(benchmark::State &state) {
    PatPMStatusBlock status = {0x00000081};
    PatPMEngineStatusEntry jam = {0, 42001, "Paper Misfeed", 3};
    PatPMEngineStatusEntry toner = {0, 10073, "Toner almost empty", 1};
    void *entries[] = {&jam, &toner};
    PatPMList engineStatus = {2, entries};
    PatPMInfoD info;
    memset(&info, 0, sizeof info);
    info.pStatus = &status;
    info.pEngineStatus = &engineStatus;
    PrnInfoEx record = EmptyRecord();
    for (auto _ : state) PatPMInfoToPrnInfoEx(kBenchSource, &info, 'd', 0x3, &record);
    ReleaseRecord(kExports, &record);
}
BENCHMARK(BM_PMInfoToPrnInfoEx);

}  // namespace

BENCHMARK_MAIN();
