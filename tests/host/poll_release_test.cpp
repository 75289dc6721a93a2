// Everything a poll builds goes back: the record's items and texts, the
// query and reply trees, the bitmap infos.  The host's calls run against the
// static library here, whose global heap counts its live blocks (leak
// checkers cannot run under i386 emulation).
#include <gtest/gtest.h>

#include <stdio.h>

#include "device_id.h"
#include "full_report.h"
#include "host_record.h"
#include "linked_exports.h"
#include "pjl_answers.h"
#include "platform/linux/heap_hooks.h"
#include "poll_cycle.h"
#include "record_from_state.h"

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
        options_.languages = {"EN", "DE", "JP", "PL", "ZH_TW"};
        report_ = tmpfile();
        ASSERT_NE(report_, nullptr);
    }
    void TearDown() override { fclose(report_); }

    const PatExports exports_ = LinkedExports();
    HostOptions options_;
    FILE *report_ = nullptr;
    long liveBefore_ = 0;
};

TEST_F(PollRelease, APollOfEverySampleLeavesNoBlockBehind) {
    for (const char *name : {"idle_full", "paper_jam", "toner_out", "service_call"}) {
        const PrinterDescription printer = Sample(name);
        PrnInfoEx record = EmptyRecord();
        ASSERT_EQ(PollRound(exports_, printer, kDefaultQueryFlags, &record), 0u) << name;
        ASSERT_EQ(PollRound(exports_, printer, PAT_ITEMS_INPUT_TRAYS, &record), 0u) << name;
        EXPECT_TRUE(PrintPolledPrinter(exports_, options_, &record, report_)) << name;
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
    EXPECT_TRUE(PrintPrinterStatus(exports_, options_, &record, report_));
    ReleaseRecord(exports_, &record);
    EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_);
}

}  // namespace
