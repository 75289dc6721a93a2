#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "common/info_node.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"

namespace {

// Frees a tree built by the tests (the library itself never frees nodes).
void FreeTree(PatInfoNode *node) {
    while (node != nullptr) {
        PatInfoNode *next = node->pNextSibling;
        FreeTree(node->pFirstChild);
        GlobalFree(node);
        node = next;
    }
}

TEST(InfoNode, CreateCopiesPayloadAndAppendsInOrder) {
    PatInfoNode *root = CreateInfoNode(nullptr, 10, nullptr, 0);
    ASSERT_NE(root, nullptr);
    const uint32_t values[3] = {7, 8, 9};
    PatInfoNode *children[3];
    for (int i = 0; i < 3; ++i) children[i] = CreateInfoNode(root, 100 + i, &values[i], 4);

    EXPECT_EQ(GlobalSize(children[0]), sizeof(PatInfoNode) + 4);
    PatInfoNode *walk = GetFirstChild(root);
    for (int i = 0; i < 3; ++i, walk = GetNextSibling(walk)) {
        ASSERT_EQ(walk, children[i]);
        EXPECT_EQ(walk->pParent, root);
        uint32_t copy = 0;
        EXPECT_EQ(CopyNodePayload(walk, &copy, 4, kPayloadExactly), 1);
        EXPECT_EQ(copy, values[i]);
    }
    EXPECT_EQ(walk, nullptr);
    EXPECT_EQ(root->pLastChild, children[2]);
    FreeTree(root);
}

TEST(InfoNode, CreateRefusesNullSourceWithLengthBeforeAllocating) {
    EXPECT_EQ(CreateInfoNode(nullptr, 1, nullptr, 4), nullptr);
}

TEST(InfoNode, AppendRefusesNodeThatIsAlreadyLinked) {
    PatInfoNode *a = CreateInfoNode(nullptr, 1, nullptr, 0);
    PatInfoNode *b = CreateInfoNode(nullptr, 2, nullptr, 0);
    PatInfoNode *child = CreateInfoNode(a, 3, nullptr, 0);
    PatInfoNode *sibling = CreateInfoNode(a, 4, nullptr, 0);

    EXPECT_EQ(AppendInfoNode(b, child), 0);  // already has a parent
    child->pParent = nullptr;                 // still has a next sibling
    EXPECT_EQ(AppendInfoNode(b, child), 0);
    child->pParent = a;
    EXPECT_EQ(b->pFirstChild, nullptr);
    EXPECT_EQ(AppendInfoNode(nullptr, child), 0);
    EXPECT_EQ(AppendInfoNode(b, nullptr), 0);
    (void)sibling;
    FreeTree(a);
    FreeTree(b);
}

TEST(InfoNode, FindSiblingByIdReturnsFirstMatchInChainOrder) {
    PatInfoNode *root = CreateInfoNode(nullptr, 10, nullptr, 0);
    CreateInfoNode(root, 1, nullptr, 0);
    PatInfoNode *first2 = CreateInfoNode(root, 2, nullptr, 0);
    CreateInfoNode(root, 2, nullptr, 0);
    EXPECT_EQ(FindSiblingById(GetFirstChild(root), 2), first2);
    EXPECT_EQ(FindSiblingById(GetFirstChild(root), 5), nullptr);
    EXPECT_EQ(FindSiblingById(nullptr, 2), nullptr);
    FreeTree(root);
}

struct PayloadCase {
    uint32_t payloadLength;
    uint32_t requested;
    int rule;
    bool accepted;
};

TEST(InfoNode, PayloadSizeRules) {
    const PayloadCase cases[] = {
        {4, 4, kPayloadExactly, true},  {8, 4, kPayloadExactly, false}, {2, 4, kPayloadExactly, false},
        {8, 4, kPayloadAtLeast, true},  {2, 4, kPayloadAtLeast, false}, {2, 4, kPayloadAtMost, true},
        {8, 4, kPayloadAtMost, false},  {0, 0, kPayloadExactly, true},
    };
    const uint8_t bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    for (const PayloadCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "payload " << c.payloadLength << " requested " << c.requested
                                        << " rule " << c.rule);
        PatInfoNode *node = CreateInfoNode(nullptr, 1, bytes, c.payloadLength);
        uint8_t out[8];
        memset(out, 0xEE, sizeof out);
        EXPECT_EQ(CopyNodePayload(node, out, c.requested, c.rule), c.accepted ? 1 : 0);
        if (c.accepted) {
            const uint32_t copied = c.requested < c.payloadLength ? c.requested : c.payloadLength;
            EXPECT_EQ(memcmp(out, bytes, copied), 0);
            if (c.requested > c.payloadLength) EXPECT_EQ(out[copied], 0xEE) << "wrote past the payload";
        }
        GlobalFree(node);
    }
}

TEST(InfoNode, AccessorsTolerateNull) {
    uint32_t id = 99, length = 99;
    EXPECT_EQ(GetNodeInfo(nullptr, &id, &length), 0);
    EXPECT_EQ(id, 99u);
    EXPECT_EQ(GetFirstChild(nullptr), nullptr);
    EXPECT_EQ(GetNextSibling(nullptr), nullptr);
    EXPECT_EQ(CopyNodePayload(nullptr, &id, 4, kPayloadExactly), 0);
    PatInfoNode *node = CreateInfoNode(nullptr, 5, &id, 4);
    EXPECT_EQ(CopyNodePayload(node, nullptr, 4, kPayloadExactly), 0);
    EXPECT_EQ(GetNodeInfo(node, nullptr, &length), 1);
    EXPECT_EQ(length, 4u);
    GlobalFree(node);
}

TEST(InfoNode, FailedAllocationCreatesNothing) {
    PatInfoNode *root = CreateInfoNode(nullptr, 10, nullptr, 0);
    SweepAllocationFailures([&](long failAt) {
        const uint32_t value = 1;
        PatInfoNode *child = CreateInfoNode(root, 1, &value, 4);
        EXPECT_EQ(child == nullptr, failAt != 0);
        EXPECT_EQ(root->pFirstChild, child);
        if (child != nullptr) {
            root->pFirstChild = root->pLastChild = nullptr;
            GlobalFree(child);
        }
    });
    GlobalFree(root);
}

// A chain of one node more than the ceiling, in plain memory: the search looks
// at the first PAT_MAX_TREE_NODES nodes only, and the shape check spends one
// unit of its budget per child, the budget shared between levels.
TEST(InfoNode, WalksStopAtTheTreeCeiling) {
    std::vector<PatInfoNode> chain(PAT_MAX_TREE_NODES + 1);
    for (size_t i = 0; i + 1 < chain.size(); ++i) chain[i].pNextSibling = &chain[i + 1];
    chain[PAT_MAX_TREE_NODES - 1].dwId = 7;
    chain[PAT_MAX_TREE_NODES].dwId = 8;
    EXPECT_EQ(FindSiblingById(&chain[0], 7), &chain[PAT_MAX_TREE_NODES - 1]);
    EXPECT_EQ(FindSiblingById(&chain[0], 8), nullptr);
    EXPECT_EQ(FindSiblingById(&chain[1], 8), &chain[PAT_MAX_TREE_NODES]);

    PatInfoNode parent = {};
    parent.pFirstChild = &chain[1];
    uint32_t budget = PAT_MAX_TREE_NODES;
    EXPECT_EQ(ChildChainEnds(&parent, &budget), 1);
    EXPECT_EQ(budget, 0u);
    budget = PAT_MAX_TREE_NODES;
    parent.pFirstChild = &chain[0];
    EXPECT_EQ(ChildChainEnds(&parent, &budget), 0);
    chain.back().pNextSibling = &chain[0];  // a loop
    budget = PAT_MAX_TREE_NODES;
    EXPECT_EQ(ChildChainEnds(&parent, &budget), 0);
    budget = 7;
    EXPECT_EQ(ChildChainEnds(nullptr, &budget), 1);
    EXPECT_EQ(budget, 7u);
}

}  // namespace
