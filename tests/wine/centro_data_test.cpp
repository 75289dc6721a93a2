// PatSetCentroDataTo as the host calls it in patmodel.dll: realistic replies
// into whole records, compared field by field.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "dll_fixture.h"
#include "support/pjl_texts.h"
#include "support/record_dump.h"
#include "support/reply_tree.h"

namespace {

using CreateQueryInfoFn = PatInfoNode *(WINAPI *)(PrnInfoEx *, uint32_t, uint32_t);
using SetCentroDataToFn = PatBool(WINAPI *)(PatInfoNode *, uint32_t, PrnInfoEx *, uint32_t);

SetCentroDataToFn SetCentroDataTo() { return PatExport<SetCentroDataToFn>("PatSetCentroDataTo"); }

// A record whose lists and texts the test releases as the host does.
struct HostRecord {
    PrnInfoEx info;
    HostRecord() {
        memset(&info, 0, sizeof info);
        info.dwVersion = 404;
    }
    ~HostRecord() { Release(); }

    template <typename Item>
    static void FreeChain(Item *item) {
        while (item != nullptr) {
            Item *next = item->pNext;
            GlobalFree(item);
            item = next;
        }
    }
    void Release() {
        FreeChain(info.pEngineStatus);
        FreeChain(info.pLoadedEmul);
        FreeChain(info.pLoadedFont);
        FreeChain(info.pTrayInfo);
        FreeChain(info.pOutBinInfo);
        FreeChain(info.pDeviceInfo);
        FreeChain(info.pEmulUniqInfo);
        FreeChain(info.pCounterInfo);
        FreeChain(info.pSupplyInfo);
        FreeChain(info.pColorCorrection);
        for (char *text : {info.pModelName, info.pMakerName, info.pDescription, info.pSYSVersion,
                           info.pMainProgVersion, info.pKMSVersion}) {
            if (text != nullptr) GlobalFree(text);
        }
        const uint32_t version = info.dwVersion;
        memset(&info, 0, sizeof info);
        info.dwVersion = version;
    }
    // Adds trays the host already knows (the test owns them through the record).
    void AddTrays(std::initializer_list<uint16_t> ids) {
        PatTrayItem **link = &info.pTrayInfo;
        while (*link != nullptr) link = &(*link)->pNext;
        for (uint16_t id : ids) {
            auto *tray = static_cast<PatTrayItem *>(GlobalAlloc(GPTR, sizeof(PatTrayItem)));
            tray->dwSize = sizeof *tray;
            tray->wId = id;
            *link = tray;
            link = &tray->pNext;
            ++info.nTrayInfo;
        }
    }
};

PatInfoNode *FullQuery() {
    HostRecord asked;
    asked.AddTrays({3, 4, 5, 6, 11, 1});
    return PatExport<CreateQueryInfoFn>("PatCreateQueryInfo")(&asked.info, 2, kFullQueryFlags);
}

PatInfoNode *QueryFor(uint32_t flags) {
    HostRecord asked;
    return PatExport<CreateQueryInfoFn>("PatCreateQueryInfo")(&asked.info, 2, flags);
}

TEST(WineCentroData, FullReply) {
    ASSERT_NE(PatDll(), nullptr);
    HostRecord record;
    PatInfoNode *tree = MakeReplyTree(FullQuery(), kFullReplyText, kFullDeviceId);
    SetLastError(1234);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(DumpRecord(record.info), kFullReplyRecord);
    FreeTestTree(tree);
}

TEST(WineCentroData, AnswersInAnotherOrder) {
    ASSERT_NE(PatDll(), nullptr);
    const std::string full = kFullReplyText;
    const size_t outBins = full.find("@PJL INFO OUTBINSTATUS");
    const size_t inquiries = full.find("@PJL INQUIRE");
    const std::string reordered =
        full.substr(outBins) + full.substr(inquiries, outBins - inquiries) + full.substr(0, inquiries);
    HostRecord record;
    record.AddTrays({3, 4, 5, 6, 11, 1});
    PatInfoNode *tree = MakeReplyTree(FullQuery(), reordered.c_str(), kFullDeviceId);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 1);
    EXPECT_EQ(DumpRecord(record.info), kFullReplyRecord);
    FreeTestTree(tree);
}

TEST(WineCentroData, MissingAnswersLeaveTheRecordUntouched) {
    ASSERT_NE(PatDll(), nullptr);
    HostRecord record;
    record.AddTrays({3});
    record.info.dwMemoryKB = 5;
    const std::string reply = std::string(kFullReplyText).substr(0, std::string(kFullReplyText).find("@PJL INFO OUTBIN"));
    PrnInfoEx before;
    memcpy(&before, &record.info, sizeof before);
    const std::string dumpBefore = DumpRecord(record.info);

    PatInfoNode *tree = MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_INCOMPLETE_REPLY);
    FreeTestTree(tree);

    tree = MakeReplyTree(FullQuery(), kFullReplyText, nullptr);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_INCOMPLETE_REPLY);
    FreeTestTree(tree);

    EXPECT_EQ(memcmp(&before, &record.info, sizeof before), 0);
    EXPECT_EQ(DumpRecord(record.info), dumpBefore);
}

TEST(WineCentroData, BrokenBlocksBetweenAnswersAreSkipped) {
    ASSERT_NE(PatDll(), nullptr);
    const std::string full = kFullReplyText;
    const size_t outBins = full.find("@PJL INFO OUTBIN");
    const std::string reply = "@PJL ECHO 1234\r\n\f" + full.substr(0, outBins) +
                              "@PJL USTATUS JOB\r\nEND\r\nNAME = \"JOB 1\"\r\n\f" + full.substr(outBins) +
                              "@PJL INFO STATUS\r\n\f";
    HostRecord record;
    PatInfoNode *tree = MakeReplyTree(FullQuery(), reply.c_str(), kFullDeviceId);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(DumpRecord(record.info), kFullReplyRecord);
    FreeTestTree(tree);

    // Broken blocks do not stand in for a missing answer.
    tree = MakeReplyTree(QueryFor(0x4 | 0x10),
                         "@PJL ECHO 1\r\n\f@PJL INFO OUTBINSTATUS\r\nUPPER=READY\r\n\f"
                         "@PJL USTATUS JOB\r\nNAME = \"J\"\r\n\f",
                         nullptr);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_INCOMPLETE_REPLY);
    FreeTestTree(tree);
}

TEST(WineCentroData, EmulationSpecificReply) {
    ASSERT_NE(PatDll(), nullptr);
    using CreateEmulFn = PatInfoNode *(WINAPI *)(uint32_t, uint32_t, uint32_t, uint32_t);
    HostRecord record;
    const uint32_t zema = 15;
    PatInfoNode *root = MakeTestNode(PAT_TREE_REPLY_EMUL_ROOT, &zema, sizeof zema);
    AttachTestNode(root, PatExport<CreateEmulFn>("PatCreateEmulUniqQueryInfo")(1, 2, 15, 0));
    AttachText(root, PAT_NODE_PJL_TEXT,
               "@PJL INFO ZEMA\r\nMEMORYUSAGE=PAGE\r\nIMAGEROTATION=POSSIBLE\r\nOTHER=\"Some text\"\r\n\f");
    EXPECT_EQ(SetCentroDataTo()(root, 0, &record.info, 2), 1);
    EXPECT_EQ(GetLastError(), 0u);
    const std::string dump = DumpRecord(record.info);
    EXPECT_NE(dump.find("emulUniq[1]: 15 memory=1 other=\"Some text\" rotation=1\n"), std::string::npos) << dump;
    FreeTestTree(root);
}

TEST(WineCentroData, Refusals) {
    ASSERT_NE(PatDll(), nullptr);
    HostRecord record;
    PatInfoNode *tree = MakeReplyTree(nullptr, "@PJL INFO CONFIG\r\nMEMORY=1048576\r\n\f", nullptr);
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 3), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(SetCentroDataTo()(nullptr, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), 87u);
    tree->dwId = 1;
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), 87u);
    tree->dwId = 2;
    record.info.dwVersion = 403;
    EXPECT_EQ(SetCentroDataTo()(tree, 0, &record.info, 2), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(record.info.dwMemoryKB, 0u);
    FreeTestTree(tree);
}

}  // namespace
