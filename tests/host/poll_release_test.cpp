// Everything a poll builds goes back: the record's items and texts, the
// query and reply trees, the bitmap infos.  The host's calls run against the
// static library here, whose global heap counts its live blocks (leak
// checkers cannot run under i386 emulation).
#include <gtest/gtest.h>

#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <fstream>
#include <atomic>
#include <map>
#include <sstream>
#include <thread>

#include "commands/commands.h"
#include "device_id.h"
#include "library/host_record.h"
#include "library/linked_exports.h"
#include "library/poll_cycle.h"
#include "library/record_from_state.h"
#include "pjl_answers.h"
#include "platform/linux/heap_hooks.h"
#include "report/full_report.h"
#include "sim_server.h"

namespace {

PrinterDescription Sample(const char *name) {
    PrinterDescription printer;
    std::string error;
    EXPECT_TRUE(ReadStateFile(std::string(PAT_SOURCE_DIR) + "/samples/" + name + ".state", &printer, &error))
        << error;
    return printer;
}

// One query and its answers, as `pathost poll` exchanges them.
uint32_t PollRound(const PatExports &exports, const PrinterDescription &printer, uint32_t flags, PrnInfoEx *record,
                   bool dropLastAnswer = false) {
    Query query;
    if (const uint32_t error = BuildQuery(exports, record, flags, &query)) return error;
    std::string reply = AnswerPjlRequests(printer, query.text);
    if (dropLastAnswer) reply.erase(reply.rfind("@PJL"));
    const std::string deviceId = DeviceIdOf(printer);
    return InterpretReply(exports, &query, reply, &deviceId, record);
}

class PollRelease : public ::testing::Test {
protected:
    void SetUp() override {
        liveBefore_ = platform_heap::LiveBlocks();
        settings_.languages = {"EN", "DE", "JP", "PL", "ZH_TW"};
        report_ = tmpfile();
        ASSERT_NE(report_, nullptr);
    }
    void TearDown() override { fclose(report_); }

    const PatExports exports_ = LinkedExports();
    ReportSettings settings_;
    FILE *report_ = nullptr;
    long liveBefore_ = 0;
};

TEST_F(PollRelease, APollOfEverySampleLeavesNoBlockBehind) {
    for (const char *name : {"idle_full", "paper_jam", "toner_out", "service_call"}) {
        const PrinterDescription printer = Sample(name);
        PrnInfoEx record = EmptyRecord();
        ASSERT_EQ(PollRound(exports_, printer, kDefaultQueryFlags, &record), 0u) << name;
        ASSERT_EQ(PollRound(exports_, printer, PAT_ITEMS_INPUT_TRAYS, &record), 0u) << name;
        EXPECT_TRUE(PrintPolledPrinter(exports_, settings_, &record, report_)) << name;
        ReleaseRecord(exports_, &record);
        EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_) << name;
    }
}

TEST_F(PollRelease, ARefusedReplyLeavesNoBlockBehind) {
    PrnInfoEx record = EmptyRecord();
    EXPECT_EQ(PollRound(exports_, Sample("idle_full"), kDefaultQueryFlags, &record, true), PAT_ERROR_INCOMPLETE_REPLY);
    ReleaseRecord(exports_, &record);
    EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_);
}

TEST_F(PollRelease, AStatusFromAStateLeavesNoBlockBehind) {
    PrnInfoEx record = EmptyRecord();
    ASSERT_TRUE(FillRecordFromState(exports_, Sample("service_call"), &record));
    EXPECT_TRUE(PrintPrinterStatus(exports_, settings_, &record, report_));
    ReleaseRecord(exports_, &record);
    EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_);
}

}  // namespace

// A monitoring loop of 1,000 polls against a simulator that changes state
// and misbehaves in every way it can: no block of the library stays live,
// and each change is printed once.
TEST_F(PollRelease, AThousandWatchedPollsLeaveNoBlockBehind) {
    char folder[] = "/tmp/pat_watch_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string portFile = std::string(folder) + "/port", deviceIdFile = std::string(folder) + "/device-id";
    std::vector<ScriptStep> script;
    const struct { const char *sample; double seconds; Fault fault; } steps[] = {
        {"paper_jam", 0.4, Fault::None},     {"toner_out", 0.3, Fault::Garbage},
        {"toner_out", 0.4, Fault::None},     {"idle_full", 0.3, Fault::Partial},
        {"service_call", 0.4, Fault::None},  {"paper_jam", 0.3, Fault::CloseEarly},
        {"no_response", 0.3, Fault::None},   {"idle_full", 0.4, Fault::CloseAfterJob},
        {"paper_jam", 0.2, Fault::Silent},
    };
    for (const auto &step : steps) script.push_back({Sample(step.sample), step.seconds, step.fault});
    ServerSettings settings;
    settings.port = 0;
    settings.portFile = portFile;
    settings.deviceIdFile = deviceIdFile;
    settings.idleSeconds = 5;
    // The watch loop takes SIGINT and SIGTERM for itself: the simulator on
    // its thread is stopped by a flag, however the test ends, and joined.
    std::atomic<bool> stop{false};
    settings.stop = &stop;
    std::thread simulator([&] { ServeScript(script, settings); });
    struct StopSimulator {
        std::atomic<bool> &stop;
        std::thread &thread;
        ~StopSimulator() {
            stop = true;
            thread.join();
        }
    } stopSimulator{stop, simulator};
    std::string port;
    for (int i = 0; i < 500 && port.empty(); ++i) {
        std::ifstream(portFile) >> port;
        if (port.empty()) usleep(10000);
    }
    ASSERT_FALSE(port.empty());

    HostOptions options;
    options.command = "watch";
    options.printers = {"127.0.0.1:" + port};
    options.deviceIdGiven = true;
    options.deviceIdFiles = {deviceIdFile};
    options.timeoutSeconds = 0.05;
    // A pause after each poll: the thousand polls span at least 5 s, more
    // than a round of the script, however fast the machine.
    options.intervalSeconds = 0.005;
    const std::string output = std::string(folder) + "/changes";
    // The changes into a file, the printer's faults to nowhere.
    fflush(stdout);
    fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    ASSERT_NE(freopen(output.c_str(), "w", stdout), nullptr);
    ASSERT_NE(freopen("/dev/null", "w", stderr), nullptr);
    const int status = WatchPrinters(exports_, options, 1000);
    fflush(stdout);
    fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_);

    std::ifstream changes(output);
    std::string line, previous;
    std::map<std::string, int> seen;
    while (std::getline(changes, line)) {
        const std::string status = line.substr(line.find("  ") + 2);  // without the time
        EXPECT_NE(status, previous) << "printed twice: " << line;
        previous = status;
        ++seen[status.substr(status.find("  ") + 2)];
    }
    EXPECT_GE(seen.size(), 4u);
    unlink(output.c_str());
    unlink(portFile.c_str());
    unlink(deviceIdFile.c_str());
    rmdir(folder);
}
