// PatCreateQueryInfo and PatCreateEmulUniqQueryInfo through their exports.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "pat.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"
#include "support/pjl_texts.h"

namespace {

const std::string kUel = "\x1B%-12345X";
const std::string kOpening = kUel + "@PJL\r\n";
const std::string kConfig = "@PJL INFO CONFIG\r\n";
const std::string kPrintTrays =
    "@PJL INQUIRE FRONTCOVERPRINTTRAY\r\n@PJL INQUIRE SLIPSHEETPRINTTRAY\r\n@PJL INQUIRE CHAPTERPRINTTRAY1\r\n";
std::string TrayBlock(const std::string &name) {
    return "@PJL INQUIRE " + name + "SIZE\r\n@PJL INQUIRE " + name + "QUANT\r\n@PJL INQUIRE " + name +
           "MEDIA\r\n@PJL INQUIRE " + name + "\r\n";
}
const std::string kBypassBlock = "@PJL INQUIRE INTRAYMSIZE\r\n@PJL INQUIRE INTRAYMMEDIA\r\n@PJL INQUIRE INTRAYMULTI\r\n";
const std::string kOutBins = "@PJL INFO OUTBINSTATUS\r\n";

// A record whose tray list lives in the test's own memory (the query only reads it).
struct Record {
    PrnInfoEx info;
    std::vector<PatTrayItem> trays;

    explicit Record(std::vector<uint16_t> trayIds = {}, uint32_t version = 404) : trays(trayIds.size()) {
        memset(&info, 0, sizeof info);
        info.dwVersion = version;
        for (size_t i = 0; i < trays.size(); ++i) {
            memset(&trays[i], 0, sizeof trays[i]);
            trays[i].dwSize = sizeof(PatTrayItem);
            trays[i].wId = trayIds[i];
            trays[i].pNext = i + 1 < trays.size() ? &trays[i + 1] : nullptr;
        }
        info.nTrayInfo = static_cast<uint32_t>(trays.size());
        info.pTrayInfo = trays.empty() ? nullptr : &trays[0];
    }
};

void FreeQueryTree(PatInfoNode *root) {
    if (root == nullptr) return;
    for (PatInfoNode *child = root->pFirstChild; child != nullptr;) {
        PatInfoNode *next = child->pNextSibling;
        GlobalFree(child);
        child = next;
    }
    GlobalFree(root);
}

// The tree as "id:payload" per child, for comparing whole trees at once.
std::vector<std::string> Children(const PatInfoNode *root) {
    std::vector<std::string> out;
    for (const PatInfoNode *child = root->pFirstChild; child != nullptr; child = child->pNextSibling) {
        std::string payload(static_cast<const char *>(PAT_NODE_PAYLOAD(child)), child->dwLength);
        EXPECT_EQ(child->pParent, root);
        out.push_back(std::to_string(child->dwId) + ":" + payload);
    }
    return out;
}

std::string TextNode(const std::string &text) { return "1000:" + text + std::string(1, '\0'); }

struct QueryCase {
    const char *name;
    uint32_t flags;
    std::vector<uint16_t> trays;
    std::vector<std::string> children;
};

TEST(QueryInfo, TreesForTheItemFlags) {
    const QueryCase cases[] = {
        {"nothing asked", 0, {}, {}},
        {"unnamed bits ignored", 0x40000000u | 0x200u | 0x1u, {}, {}},
        {"state alone asks the device ID only", 0x2, {}, {"1002:"}},
        {"output bins alone", 0x10, {}, {TextNode(kOpening + kOutBins + kUel)}},
        {"two configuration bits, one line", 0x20100, {}, {TextNode(kOpening + kConfig + kUel)}},
        {"device ID before the text", 0x400 | 0x4, {}, {"1002:", TextNode(kOpening + kConfig + kUel)}},
        {"no trays listed: the standard trays",
         0x8,
         {},
         {TextNode(kOpening + kPrintTrays + TrayBlock("INTRAY1") + TrayBlock("INTRAY2") + kUel)}},
        {"chain order, unknown id adds nothing, repeats repeat",
         0x8,
         {1, 2, 6, 1},
         {TextNode(kOpening + kPrintTrays + kBypassBlock + TrayBlock("INTRAY4") + kBypassBlock + kUel)}},
        {"trays without the tray bit are not asked", 0x80000, {3, 4}, {"1002:"}},
    };
    for (const QueryCase &c : cases) {
        SCOPED_TRACE(c.name);
        Record record(c.trays);
        SetLastError(1234);
        PatInfoNode *root = PatCreateQueryInfo(&record.info, 2, c.flags);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(GetLastError(), 0u);
        EXPECT_EQ(root->dwId, 1u);
        EXPECT_EQ(root->pParent, nullptr);
        EXPECT_EQ(root->dwLength, 0u);
        EXPECT_EQ(Children(root), c.children);
        FreeQueryTree(root);
    }
}

TEST(QueryInfo, FullQueryByteForByte) {
    Record record({3, 4, 5, 6, 11, 1});
    PatInfoNode *root = PatCreateQueryInfo(&record.info, 0x102, kFullQueryFlags);
    ASSERT_NE(root, nullptr);
    ASSERT_NE(root->pFirstChild, nullptr);
    EXPECT_EQ(root->pFirstChild->dwId, 1002u);
    EXPECT_EQ(root->pFirstChild->dwLength, 0u);
    const PatInfoNode *text = root->pFirstChild->pNextSibling;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->pNextSibling, nullptr);
    EXPECT_EQ(root->pLastChild, text);
    EXPECT_EQ(text->dwId, 1000u);
    ASSERT_EQ(text->dwLength, 763u);
    EXPECT_EQ(memcmp(PAT_NODE_PAYLOAD(text), kFullQueryText, 763), 0);
    EXPECT_EQ(GlobalSize(const_cast<PatInfoNode *>(text)), sizeof(PatInfoNode) + 763);
    FreeQueryTree(root);
}

// Repeated tray ids may make the text longer than the usual buffer: it must
// come whole, never cut.
TEST(QueryInfo, LongTrayListsAreNeverCut) {
    const std::string lct = TrayBlock("INTRAYLCT");
    const std::string tray1 = TrayBlock("INTRAY1");
    auto repeat = [](const std::string &block, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += block;
        return out;
    };
    struct LongCase {
        uint32_t flags;
        std::vector<uint16_t> trays;
        std::string text;
    };
    const LongCase cases[] = {
        {0x8, {11, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, kOpening + kPrintTrays + lct + repeat(kBypassBlock, 10) + kUel},
        {0x8 | 0x4,
         {11, 11, 11, 1, 1, 1, 1, 1, 1, 1},
         kOpening + kConfig + kPrintTrays + repeat(lct, 3) + repeat(kBypassBlock, 7) + kUel},
        {0x8, std::vector<uint16_t>(400, 3), kOpening + kPrintTrays + repeat(tray1, 400) + kUel},
    };
    EXPECT_EQ(cases[0].text.size(), 1023u);  // the largest text of the usual buffer
    EXPECT_EQ(cases[1].text.size(), 1024u);  // the smallest that needs more
    for (const LongCase &c : cases) {
        SCOPED_TRACE(c.text.size());
        Record record(c.trays);
        PatInfoNode *root = PatCreateQueryInfo(&record.info, 2, c.flags);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(Children(root), std::vector<std::string>{TextNode(c.text)});
        FreeQueryTree(root);
    }
}

struct RefusalCase {
    const char *name;
    bool nullRecord;
    uint32_t version;
    uint32_t interfaceVersion;
};

TEST(QueryInfo, RefusalsReturnNullWithError87) {
    const RefusalCase cases[] = {
        {"null record", true, 404, 2},
        {"interface version 3", false, 404, 3},
        {"interface version 0x203 (low byte 3)", false, 404, 0x203},
        {"record version 403", false, 403, 2},
        {"record version 0", false, 0, 2},
    };
    for (const RefusalCase &c : cases) {
        SCOPED_TRACE(c.name);
        Record record({3}, c.version);
        const PrnInfoEx before = record.info;
        SetLastError(0);
        EXPECT_EQ(PatCreateQueryInfo(c.nullRecord ? nullptr : &record.info, c.interfaceVersion, 0x1F), nullptr);
        EXPECT_EQ(GetLastError(), 87u);
        EXPECT_EQ(memcmp(&before, &record.info, sizeof before), 0);
    }
}

TEST(QueryInfo, EveryFailedAllocationReportsError8AndLeavesNothing) {
    for (size_t trays : {size_t(6), size_t(40)}) {
        SCOPED_TRACE(trays);
        Record record(std::vector<uint16_t>(trays, 11));
        const long allocations = SweepAllocationFailures([&](long failAt) {
            PatInfoNode *root = PatCreateQueryInfo(&record.info, 2, 0x2 | 0x4 | 0x8 | 0x10);
            if (failAt == 0) {
                EXPECT_NE(root, nullptr);
                EXPECT_EQ(GetLastError(), 0u);
            } else {
                EXPECT_EQ(root, nullptr);
                EXPECT_EQ(GetLastError(), 8u);
            }
            FreeQueryTree(root);
        });
        // Root, device ID node, text node; a long text adds its work block.
        EXPECT_EQ(allocations, trays > 9 ? 4 : 3);
    }
    // A record refused for its version still had its root allocated first.
    Record old({}, 403);
    SweepAllocationFailures([&](long failAt) {
        EXPECT_EQ(PatCreateQueryInfo(&old.info, 2, 0x1F), nullptr);
        EXPECT_EQ(GetLastError(), failAt == 0 ? 87u : 8u);
    });
}

TEST(EmulUniqQueryInfo, BuildsTheZemaQuery) {
    for (uint32_t code : {15u, 0x1000Fu}) {
        SCOPED_TRACE(code);
        SetLastError(1234);
        PatInfoNode *root = PatCreateEmulUniqQueryInfo(1, 0x102, code, 0xDEAD);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(GetLastError(), 0u);
        EXPECT_EQ(root->dwId, 1u);
        EXPECT_EQ(Children(root), std::vector<std::string>{TextNode(kEmulUniqQueryText)});
        FreeQueryTree(root);
    }
}

TEST(EmulUniqQueryInfo, Refusals) {
    struct Case {
        uint32_t first, interfaceVersion, code;
    };
    for (const Case &c : {Case{0, 2, 15}, Case{1, 3, 15}, Case{1, 2, 14}, Case{1, 2, 0xF0000}}) {
        SCOPED_TRACE(testing::Message() << c.first << " " << c.interfaceVersion << " " << c.code);
        SetLastError(0);
        EXPECT_EQ(PatCreateEmulUniqQueryInfo(c.first, c.interfaceVersion, c.code, 0), nullptr);
        EXPECT_EQ(GetLastError(), 87u);
    }
}

TEST(EmulUniqQueryInfo, EveryFailedAllocationReportsError8AndLeavesNothing) {
    EXPECT_EQ(SweepAllocationFailures([](long failAt) {
                  PatInfoNode *root = PatCreateEmulUniqQueryInfo(1, 2, 15, 0);
                  EXPECT_EQ(root != nullptr, failAt == 0);
                  EXPECT_EQ(GetLastError(), failAt == 0 ? 0u : 8u);
                  FreeQueryTree(root);
              }),
              2);
}

}  // namespace
