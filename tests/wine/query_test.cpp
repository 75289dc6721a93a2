// The query trees as the host gets them from patmodel.dll.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "dll_fixture.h"
#include "support/pjl_texts.h"

namespace {

using CreateQueryInfoFn = PatInfoNode *(WINAPI *)(PrnInfoEx *, uint32_t, uint32_t);
using CreateEmulUniqQueryInfoFn = PatInfoNode *(WINAPI *)(uint32_t, uint32_t, uint32_t, uint32_t);

CreateQueryInfoFn CreateQueryInfo() { return PatExport<CreateQueryInfoFn>("PatCreateQueryInfo"); }

void FreeQueryTree(PatInfoNode *root) {
    if (root == nullptr) return;
    for (PatInfoNode *child = root->pFirstChild; child != nullptr;) {
        PatInfoNode *next = child->pNextSibling;
        GlobalFree(child);
        child = next;
    }
    GlobalFree(root);
}

std::vector<std::string> Children(const PatInfoNode *root) {
    std::vector<std::string> out;
    for (const PatInfoNode *child = root->pFirstChild; child != nullptr; child = child->pNextSibling) {
        out.push_back(std::to_string(child->dwId) + ":" +
                      std::string(static_cast<const char *>(PAT_NODE_PAYLOAD(child)), child->dwLength));
    }
    return out;
}

std::string TextNode(const char *text, size_t size) { return "1000:" + std::string(text, size); }

struct TrayRecord {
    PrnInfoEx info;
    PatTrayItem trays[8];

    TrayRecord(std::initializer_list<uint16_t> ids) {
        memset(this, 0, sizeof *this);
        info.dwVersion = 404;
        PatTrayItem **link = &info.pTrayInfo;
        for (uint16_t id : ids) {
            PatTrayItem *tray = &trays[info.nTrayInfo++];
            tray->dwSize = sizeof *tray;
            tray->wId = id;
            *link = tray;
            link = &tray->pNext;
        }
    }
};

TEST(WineQuery, FullQueryByteForByte) {
    ASSERT_NE(PatDll(), nullptr);
    TrayRecord record({3, 4, 5, 6, 11, 1});
    SetLastError(1234);
    PatInfoNode *root = CreateQueryInfo()(&record.info, 2, kFullQueryFlags);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(root->dwId, 1u);
    EXPECT_EQ(Children(root),
              (std::vector<std::string>{"1002:", TextNode(kFullQueryText, sizeof kFullQueryText)}));
    EXPECT_EQ(GlobalSize(root->pLastChild), sizeof(PatInfoNode) + sizeof kFullQueryText);
    FreeQueryTree(root);
}

TEST(WineQuery, SmallTrees) {
    ASSERT_NE(PatDll(), nullptr);
    TrayRecord none({});
    PatInfoNode *root = CreateQueryInfo()(&none.info, 2, 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(root->pFirstChild, nullptr);
    FreeQueryTree(root);

    root = CreateQueryInfo()(&none.info, 2, 0x2);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Children(root), std::vector<std::string>{"1002:"});
    FreeQueryTree(root);

    root = CreateQueryInfo()(&none.info, 0x102, 0x10);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Children(root), std::vector<std::string>{TextNode(kOutBinQueryText, sizeof kOutBinQueryText)});
    FreeQueryTree(root);
}

TEST(WineQuery, Refusals) {
    ASSERT_NE(PatDll(), nullptr);
    TrayRecord record({});
    EXPECT_EQ(CreateQueryInfo()(nullptr, 2, 0x1F), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(CreateQueryInfo()(&record.info, 3, 0x1F), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
    record.info.dwVersion = 403;
    EXPECT_EQ(CreateQueryInfo()(&record.info, 2, 0x1F), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(WineQuery, EmulationQuery) {
    ASSERT_NE(PatDll(), nullptr);
    auto create = PatExport<CreateEmulUniqQueryInfoFn>("PatCreateEmulUniqQueryInfo");
    PatInfoNode *root = create(1, 2, 0x1000F, 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(Children(root), std::vector<std::string>{TextNode(kEmulUniqQueryText, sizeof kEmulUniqQueryText)});
    FreeQueryTree(root);
    EXPECT_EQ(create(1, 2, 14, 0), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(create(0, 2, 15, 0), nullptr);
    EXPECT_EQ(GetLastError(), 87u);
}

}  // namespace
