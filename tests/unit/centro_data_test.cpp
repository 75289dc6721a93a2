// PatSetCentroDataTo through its export: whole replies into whole records.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "pat.h"
#include "support/alloc_sweep.h"
#include "support/pjl_texts.h"
#include "support/record_dump.h"
#include "support/record_fixture.h"
#include "support/reply_tree.h"

namespace {

// The query the host sent for a printer whose record lists all six trays.
PatInfoNode *FullQuery() {
    PrnInfoEx asked = MakeRecord();
    for (uint16_t id : {3, 4, 5, 6, 11, 1}) AddTestItem(&asked.pTrayInfo, &asked.nTrayInfo, id);
    PatInfoNode *query = PatCreateQueryInfo(&asked, 2, kFullQueryFlags);
    ReleaseRecord(&asked);
    return query;
}

PatInfoNode *QueryFor(uint32_t flags) {
    PrnInfoEx asked = MakeRecord();
    return PatCreateQueryInfo(&asked, 2, flags);
}

class CentroData : public testing::Test {
protected:
    PrnInfoEx record = MakeRecord();
    PatInfoNode *tree = nullptr;

    void TearDown() override {
        FreeTestTree(tree);
        ReleaseRecord(&record);
    }

    // Takes the tree over (releasing the one held before, if another).
    PatBool Apply(PatInfoNode *replyTree, uint32_t interfaceVersion = 2) {
        if (replyTree != tree) FreeTestTree(tree);
        tree = replyTree;
        SetLastError(1234);
        return PatSetCentroDataTo(tree, 0, &record, interfaceVersion);
    }

    // Fails the call as expected and leaves the record exactly as it was.
    void ExpectRefusedUntouched(PatInfoNode *replyTree, uint32_t error) {
        AddTestItem(&record.pTrayInfo, &record.nTrayInfo, 3)->dwFlags = 0x21;
        AddTestItem(&record.pOutBinInfo, &record.nOutBinInfo, 1)->wState = 1;
        SetStringItemForTest("old maker");
        PrnInfoEx before;
        memcpy(&before, &record, sizeof before);
        const std::string dumpBefore = DumpRecord(record);
        EXPECT_EQ(Apply(replyTree), 0);
        EXPECT_EQ(GetLastError(), error);
        EXPECT_EQ(memcmp(&before, &record, sizeof before), 0);
        EXPECT_EQ(DumpRecord(record), dumpBefore);
    }

    void SetStringItemForTest(const char *maker) {
        record.pMakerName = static_cast<char *>(GlobalAlloc(GMEM_FIXED, strlen(maker) + 1));
        strcpy(record.pMakerName, maker);
    }
};

TEST_F(CentroData, FullReplyIntoAFreshRecord) {
    EXPECT_EQ(Apply(MakeReplyTree(FullQuery(), kFullReplyText, kFullDeviceId)), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(DumpRecord(record), kFullReplyRecord);
}

TEST_F(CentroData, AnswersInAnotherOrderAreAccepted) {
    // The output-bin block first, the configuration last.
    const std::string full = kFullReplyText;
    const size_t outBins = full.find("@PJL INFO OUTBINSTATUS");
    const size_t inquiries = full.find("@PJL INQUIRE");
    const std::string reordered =
        full.substr(outBins) + full.substr(inquiries, outBins - inquiries) + full.substr(0, inquiries);
    // With the trays listed beforehand (the same count keeps the list), the
    // record comes out as from the reply in the asked order.
    for (uint16_t id : {3, 4, 5, 6, 11, 1}) AddTestItem(&record.pTrayInfo, &record.nTrayInfo, id);
    EXPECT_EQ(Apply(MakeReplyTree(FullQuery(), reordered.c_str(), kFullDeviceId)), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(DumpRecord(record), kFullReplyRecord);
}

TEST_F(CentroData, EqualTrayCountKeepsTheListAndItsValues) {
    for (uint16_t id : {1, 3, 4, 5, 6, 11}) AddTestItem(&record.pTrayInfo, &record.nTrayInfo, id)->wPaperSize = 99;
    record.pTrayInfo->dwFlags = 0x8;  // tray 1 was the slip-sheet tray and stays marked
    const char *reply =
        "@PJL INFO CONFIG\r\nIN TRAYS [6 ENUMERATED]\r\n\tINTRAY1\r\n\tINTRAYMANUAL\r\n\f"
        "@PJL INQUIRE INTRAY2SIZE\r\nA3\r\n\f";
    EXPECT_EQ(Apply(MakeReplyTree(nullptr, reply, nullptr)), 1);
    const std::string dump = DumpRecord(record);
    EXPECT_NE(dump.find("trays[6]: 1 size=99 level=0 media=0 flags=0x8 3 size=99 level=0 media=0 flags=0x0"
                        " 4 size=5 level=0 media=0 flags=0x0 5 size=99"),
              std::string::npos)
        << dump;
}

TEST_F(CentroData, DifferentTrayCountRebuildsTheList) {
    for (uint16_t id : {1, 3, 4}) AddTestItem(&record.pTrayInfo, &record.nTrayInfo, id)->wPaperSize = 99;
    const char *reply = "@PJL INFO CONFIG\r\nIN TRAYS [2 ENUMERATED]\r\n\tINTRAY2\r\n\tINTRAY4\r\n\f";
    EXPECT_EQ(Apply(MakeReplyTree(nullptr, reply, nullptr)), 1);
    EXPECT_NE(DumpRecord(record).find("trays[2]: 4 size=0 level=0 media=0 flags=0x0 6 size=0"), std::string::npos)
        << DumpRecord(record);
    EXPECT_NE(DumpRecord(record).find("options[1]: 102\n"), std::string::npos);
}

struct IncompleteCase {
    const char *name;
    uint32_t flags;
    const char *reply;     // null: no child 1000
    const char *deviceId;  // null: no child 1002
    uint32_t error;
};

TEST_F(CentroData, IncompleteRepliesLeaveTheRecordUntouched) {
    const char *config = "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f";
    const IncompleteCase cases[] = {
        {"outbin answer missing", 0x4 | 0x10, config, nullptr, PAT_ERROR_INCOMPLETE_REPLY},
        {"device ID missing", 0x2 | 0x4, config, nullptr, PAT_ERROR_INCOMPLETE_REPLY},
        {"device ID empty", 0x2 | 0x4, config, "", PAT_ERROR_INCOMPLETE_REPLY},
        {"reply missing", 0x4, nullptr, "MFG:M;", PAT_ERROR_INCOMPLETE_REPLY},
        {"no form feed after the echo", 0x4, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n", nullptr,
         PAT_ERROR_INCOMPLETE_REPLY},
        {"broken blocks around, echo missing", 0x4 | 0x10,
         "@PJL ECHO 1\r\n\f@PJL INFO OUTBINSTATUS\r\nUPPER=READY\r\n\f@PJL USTATUS JOB\r\nNAME = \"J\"\r\n\f",
         nullptr, PAT_ERROR_INCOMPLETE_REPLY},
        {"echo after a broken block, no form feed after it", 0x4,
         "@PJL ECHO 1\r\n\f@PJL INFO CONFIG\r\nMEMORY=1\r\n", nullptr, PAT_ERROR_INCOMPLETE_REPLY},
        {"echo in a body, not a command line", 0x10, "@PJL INFO CONFIG\r\nOUTBINSTATUS\r\n\f", nullptr,
         PAT_ERROR_INCOMPLETE_REPLY},
    };
    for (const IncompleteCase &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefusedUntouched(MakeReplyTree(QueryFor(c.flags), c.reply, c.deviceId), c.error);
        ReleaseRecord(&record);
    }
}

TEST_F(CentroData, FirstEchoDecidesAndAFormFeedAnywhereAfterItCounts) {
    // The first echo of CONFIG is followed, much later, by a form feed: enough.
    const char *reply = "@PJL INFO CONFIG\r\nMEMORY=2048\r\n@PJL INFO OUTBINSTATUS\r\nUPPER=READY\r\n\f";
    EXPECT_EQ(Apply(MakeReplyTree(QueryFor(0x4 | 0x10), reply, nullptr)), 1);
    EXPECT_EQ(record.dwMemoryKB, 2u);
    EXPECT_EQ(record.nOutBinInfo, 1u);
}

// A long query (repeated trays) is checked in several passes over the reply;
// an argument missing late in the query must still be caught.
TEST_F(CentroData, LongQueriesAreCheckedToTheirLastArgument) {
    auto longQuery = [] {
        PrnInfoEx asked = MakeRecord();
        for (int i = 0; i < 12; ++i) AddTestItem(&asked.pTrayInfo, &asked.nTrayInfo, 3);
        AddTestItem(&asked.pTrayInfo, &asked.nTrayInfo, 4);
        PatInfoNode *query = PatCreateQueryInfo(&asked, 2, 0x8);  // 55 arguments
        ReleaseRecord(&asked);
        return query;
    };
    const std::string full = kFullReplyText;
    const size_t tray1 = full.find("@PJL INQUIRE INTRAY1SIZE");
    const size_t tray2 = full.find("@PJL INQUIRE INTRAY2SIZE");
    const size_t tray3 = full.find("@PJL INQUIRE INTRAY3SIZE");
    const size_t frontCover = full.find("@PJL INQUIRE FRONTCOVER");
    const std::string printTrays = full.substr(frontCover, tray1 - frontCover);
    const std::string withoutTray2 = printTrays + full.substr(tray1, tray2 - tray1);
    const std::string withTray2 = printTrays + full.substr(tray1, tray3 - tray1);
    ExpectRefusedUntouched(MakeReplyTree(longQuery(), withoutTray2.c_str(), nullptr), PAT_ERROR_INCOMPLETE_REPLY);
    ReleaseRecord(&record);
    EXPECT_EQ(Apply(MakeReplyTree(longQuery(), withTray2.c_str(), nullptr)), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(record.nTrayInfo, 3u);  // the bypass tray came with the print-tray answers
}

// A host's query may ask more distinct questions than one pass over the reply
// settles; each is still decided by its own first echo, wherever it stands.
TEST_F(CentroData, ManyDistinctArgumentsAreEachDecidedByTheirFirstEcho) {
    auto queryOf = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "@PJL INQUIRE A" + std::to_string(i) + "\r\n";
        text += "\x1B%-12345X";  // the closing escape: the last command has no body
        PatInfoNode *query = MakeTestNode(PAT_TREE_QUERY_ROOT, nullptr, 0);
        AttachText(query, PAT_NODE_PJL_TEXT, text);
        return query;
    };
    // Answers last to first; `missing` is left out, `noFormFeed` answered only after the last form feed.
    auto replyOf = [](int count, int missing, int noFormFeed) {
        std::string text;
        for (int i = count - 1; i >= 0; --i) {
            if (i != missing && i != noFormFeed) text += "@PJL INQUIRE A" + std::to_string(i) + "\r\nX\r\n\f";
        }
        if (noFormFeed >= 0) text += "@PJL INQUIRE A" + std::to_string(noFormFeed) + "\r\nX\r\n";
        return text;
    };
    struct Case {
        int missing, noFormFeed;
        uint32_t error;
    } const cases[] = {{-1, -1, 0}, {37, -1, PAT_ERROR_INCOMPLETE_REPLY}, {-1, 38, PAT_ERROR_INCOMPLETE_REPLY},
                       {2, -1, PAT_ERROR_INCOMPLETE_REPLY}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "missing " << c.missing << ", no form feed " << c.noFormFeed);
        const std::string reply = replyOf(40, c.missing, c.noFormFeed);
        if (c.error != 0) {
            ExpectRefusedUntouched(MakeReplyTree(queryOf(40), reply.c_str(), nullptr), c.error);
        } else {
            EXPECT_EQ(Apply(MakeReplyTree(queryOf(40), reply.c_str(), nullptr)), 1);
        }
        ReleaseRecord(&record);
        record = MakeRecord();
    }
}

// The check's reading of the reply is taken over by the interpretation: with
// the query attached (read once) the record comes out as without it (read by
// the interpretation alone), also where the reply is longer than what the
// check keeps and the interpretation reads the rest itself.
TEST_F(CentroData, ReadingOnceGivesTheRecordOfAReadingWithoutCheck) {
    std::string padding;
    for (int i = 0; i < 60; ++i) padding += "@PJL INFO STATUS\r\nCODE=10001\r\nDISPLAY=\"READY\"\r\n\f";
    const std::string full = kFullReplyText;
    const std::string tail = full.substr(full.find("@PJL INQUIRE INTRAY2SIZE"));
    const std::string replies[] = {full, padding + full, full + padding + tail};
    for (const std::string &reply : replies) {
        SCOPED_TRACE(reply.size());
        PrnInfoEx alone = MakeRecord();
        PatInfoNode *unchecked = MakeReplyTree(nullptr, reply.c_str(), kFullDeviceId);
        ASSERT_EQ(PatSetCentroDataTo(unchecked, 0, &alone, 2), 1);
        FreeTestTree(unchecked);
        ASSERT_EQ(Apply(MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId)), 1);
        EXPECT_EQ(DumpRecord(record), DumpRecord(alone));
        ReleaseRecord(&alone);
        ReleaseRecord(&record);
        record = MakeRecord();
    }
}

TEST_F(CentroData, QueryTextThatBreaksTheGrammarIsInvalidData) {
    PatInfoNode *query = MakeTestNode(PAT_TREE_QUERY_ROOT, nullptr, 0);
    AttachText(query, PAT_NODE_PJL_TEXT, "@PJL INFO CONFIG\r\n@PJL INFO X:\r\n");
    ExpectRefusedUntouched(MakeReplyTree(query, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f", nullptr),
                           PAT_ERROR_INVALID_DATA);
}

TEST_F(CentroData, ArgumentAndRootChecks) {
    // Null pointers and the interface version are checked before anything.
    EXPECT_EQ(PatSetCentroDataTo(nullptr, 0, &record, 2), 0);
    EXPECT_EQ(GetLastError(), 87u);
    tree = MakeReplyTree(nullptr, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f", nullptr);
    EXPECT_EQ(PatSetCentroDataTo(tree, 0, nullptr, 2), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatSetCentroDataTo(tree, 0, &record, 3), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatSetCentroDataTo(tree, 0, &record, 0x302), 1);
    EXPECT_EQ(record.dwMemoryKB, 1024u);
    record.dwMemoryKB = 0;

    tree->dwId = 4;
    ExpectRefusedUntouched(tree, 87u);
    ReleaseRecord(&record);

    record.dwVersion = 403;
    ExpectRefusedUntouched(MakeReplyTree(nullptr, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f", nullptr), 87u);
}

TEST_F(CentroData, EmulationRoot) {
    const char *reply = "@PJL INFO ZEMA\r\nMEMORYUSAGE=USER\r\n\f";
    struct RootCase {
        const char *name;
        std::string payload;
        PatBool result;
        uint32_t error;
    };
    const uint32_t fifteen = 15, fourteen = 14, eight[2] = {15, 0};
    const RootCase cases[] = {
        {"code 15", std::string(reinterpret_cast<const char *>(&fifteen), 4), 1, 0},
        {"code 14", std::string(reinterpret_cast<const char *>(&fourteen), 4), 0, 87},
        {"eight bytes", std::string(reinterpret_cast<const char *>(eight), 8), 0, 87},
        {"empty", "", 0, 87},
    };
    for (const RootCase &c : cases) {
        SCOPED_TRACE(c.name);
        PatInfoNode *root = MakeTestNode(PAT_TREE_REPLY_EMUL_ROOT, c.payload.data(), c.payload.size());
        AttachTestNode(root, PatCreateEmulUniqQueryInfo(1, 2, 15, 0));
        AttachText(root, PAT_NODE_PJL_TEXT, reply);
        EXPECT_EQ(Apply(root), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(record.nEmulUniqInfo, c.result ? 1u : 0u);
        ReleaseRecord(&record);
    }
    // The completeness check comes first.
    PatInfoNode *root = MakeTestNode(PAT_TREE_REPLY_EMUL_ROOT, &fourteen, 4);
    AttachTestNode(root, PatCreateEmulUniqQueryInfo(1, 2, 15, 0));
    AttachText(root, PAT_NODE_PJL_TEXT, "@PJL INFO CONFIG\r\nMEMORY=1\r\n\f");
    EXPECT_EQ(Apply(root), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_INCOMPLETE_REPLY);
}

TEST_F(CentroData, EmptyChildMetWhileWalkingKeepsEarlierChanges) {
    PatInfoNode *root = MakeReplyTree(nullptr, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f", nullptr);
    AttachTestNode(root, MakeTestNode(PAT_NODE_DEVICE_ID, nullptr, 0));
    AttachText(root, PAT_NODE_PJL_TEXT, "@PJL INFO CONFIG\r\nMEMORY=2097152\r\n\f");
    EXPECT_EQ(Apply(root), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(record.dwMemoryKB, 1024u);
}

TEST_F(CentroData, OtherChildrenArePassedOverAndEveryTextIsRead) {
    PatInfoNode *root = MakeReplyTree(nullptr, nullptr, "MFG:First;");
    AttachText(root, 77, "ignored");
    AttachText(root, PAT_NODE_DEVICE_ID, "MDL:Second;");
    EXPECT_EQ(Apply(root), 1);
    EXPECT_STREQ(record.pMakerName, "First");
    EXPECT_STREQ(record.pModelName, "Second");
}

// Blocks a printer mixes into its reply that break the grammar: an answer
// without a body, an unsolicited status block with a blank after "=", a stray
// line.  Wherever they stand, the intact answers land as if they were absent.
TEST_F(CentroData, BrokenBlocksAnywhereLeaveEveryIntactAnswerTaken) {
    const char *brokenBlocks[] = {
        "@PJL ECHO 1234\r\n\f",
        "@PJL USTATUS JOB\r\nEND\r\nNAME = \"JOB 1\"\r\nPAGES=1\r\n\f",
        "@PJL INFO STATUS\r\n\f",
        "@PJL INFO X:\r\n",
    };
    const std::string full = kFullReplyText;
    std::vector<size_t> boundaries;
    for (size_t at = full.find("@PJL"); at != std::string::npos; at = full.find("@PJL", at + 1)) {
        boundaries.push_back(at);
    }
    boundaries.push_back(full.size());
    for (const char *broken : brokenBlocks) {
        for (size_t at : boundaries) {
            SCOPED_TRACE(std::string(broken) + " at " + std::to_string(at));
            std::string reply = full;
            reply.insert(at, broken);
            EXPECT_EQ(Apply(MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId)), 1);
            EXPECT_EQ(GetLastError(), 0u);
            EXPECT_EQ(DumpRecord(record), kFullReplyRecord);
            ReleaseRecord(&record);
        }
    }
    // All of them at once, before, between and after the answers.
    std::string reply;
    for (size_t i = 0; i + 1 < boundaries.size(); ++i) {
        reply += brokenBlocks[i % 4] + full.substr(boundaries[i], boundaries[i + 1] - boundaries[i]);
    }
    reply += brokenBlocks[0];
    EXPECT_EQ(Apply(MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId)), 1);
    EXPECT_EQ(DumpRecord(record), kFullReplyRecord);
}

TEST_F(CentroData, ReadingGoesOnAfterAGrammarError) {
    const char *reply =
        "@PJL INFO CONFIG\r\nMEMORY=1048576\r\nDUPLEX\r\n\f"
        "@PJL INFO OUTBINSTATUS\r\n\f"  // no body: the bins are reset, nothing more
        "@PJL INFO CONFIG\r\nMEMORY=2097152\r\n\f";
    EXPECT_EQ(Apply(MakeReplyTree(nullptr, reply, "MFG:Maker;")), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(record.dwMemoryKB, 2048u);
    EXPECT_EQ(record.dwOutBinWord, 255u);
    EXPECT_STREQ(record.pMakerName, "Maker");
}

TEST_F(CentroData, PayloadsWithoutTerminatorAreReadToTheirLength) {
    const std::string reply = "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f";
    const std::string deviceId = "MFG:Maker;DES:Desc";
    PatInfoNode *root = MakeTestNode(PAT_TREE_REPLY_ROOT, nullptr, 0);
    AttachTestNode(root, MakeTestNode(PAT_NODE_PJL_TEXT, reply.data(), reply.size()));
    AttachTestNode(root, MakeTestNode(PAT_NODE_DEVICE_ID, deviceId.data(), deviceId.size()));
    EXPECT_EQ(Apply(root), 1);
    EXPECT_EQ(record.dwMemoryKB, 1024u);
    EXPECT_STREQ(record.pDescription, "Desc");
}

TEST(CentroDataAllocation, EveryFailedAllocationKeepsCountsAndLeaksNothing) {
    PatInfoNode *tree = MakeReplyTree(FullQuery(), kFullReplyText, kFullDeviceId);
    const long allocations = SweepAllocationFailures([&](long failAt) {
        PrnInfoEx record = MakeRecord();
        SetLastError(1234);
        const PatBool ok = PatSetCentroDataTo(tree, 0, &record, 2);
        // Only the maker and description texts fail the call.
        if (!ok) EXPECT_EQ(GetLastError(), 8u);
        if (ok) EXPECT_EQ(GetLastError(), 0u);
        if (failAt == 0) EXPECT_EQ(DumpRecord(record), kFullReplyRecord);
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    });
    EXPECT_GT(allocations, 20);
    FreeTestTree(tree);
}

}  // namespace
