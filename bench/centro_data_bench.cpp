// PatSetCentroDataTo on the reply to the full query and on larger replies
// (more tray answers and padding lines): the cost per reply byte must stay
// flat as the reply grows.
#include <benchmark/benchmark.h>

#include <string.h>

#include <string>

#include "pat.h"
#include "platform/platform.h"
#include "prninfo/record.h"
#include "support/pjl_texts.h"
#include "support/reply_tree.h"

namespace {

const char *const kListNames[] = {"pEngineStatus", "pLoadedEmul", "pLoadedFont",   "pTrayInfo",   "pOutBinInfo",
                                  "pDeviceInfo",   "pEmulUniqInfo", "pCounterInfo", "pSupplyInfo", "pColorCorrection"};

void ReleaseRecord(PrnInfoEx *record) {
    for (const char *name : kListNames) ClearItemList(record, name);
    for (char **text : {&record->pModelName, &record->pMakerName, &record->pDescription, &record->pSYSVersion,
                        &record->pMainProgVersion, &record->pKMSVersion}) {
        if (*text != nullptr) GlobalFree(*text);
        *text = nullptr;
    }
}

PrnInfoEx FreshRecord() {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    return record;
}

PatInfoNode *FullQuery() {
    PrnInfoEx asked = FreshRecord();
    for (uint16_t id : {3, 4, 5, 6, 11, 1}) {
        PatItem *tray = FindOrAddItem(HeadField(&asked.pTrayInfo), kTrayItemSize, id, &asked.nTrayInfo);
        (void)tray;
    }
    PatInfoNode *query = PatCreateQueryInfo(&asked, 2, kFullQueryFlags);
    ReleaseRecord(&asked);
    return query;
}

// The full reply, then more answers about the trays and status lines the
// library does not read, until the reply has `size` bytes.
std::string LargeReply(size_t size) {
    const std::string full = kFullReplyText;
    const std::string trayAnswers = full.substr(full.find("@PJL INQUIRE INTRAY1SIZE"),
                                                full.find("@PJL INFO OUTBINSTATUS") -
                                                    full.find("@PJL INQUIRE INTRAY1SIZE"));
    const std::string padding =
        "@PJL INFO STATUS\r\nCODE=10001\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n"
        "PADDING [2 ENUMERATED]\r\n\tLINE ONE\r\n\tLINE=TWO\r\n\f";
    std::string reply = full;
    while (reply.size() + trayAnswers.size() + padding.size() < size) reply += trayAnswers + padding;
    while (reply.size() + padding.size() < size) reply += padding;
    return reply;
}

void RunReply(benchmark::State &state, const std::string &reply) {
    PatInfoNode *tree = MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId);
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

BENCHMARK(BM_FullQueryReply);
BENCHMARK(BM_Reply16K);
BENCHMARK(BM_Reply64K);

}  // namespace

BENCHMARK_MAIN();
