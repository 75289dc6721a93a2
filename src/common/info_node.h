// Info node trees: the tagged, linked blocks through which host and library
// exchange status input, queries and replies.
#pragma once

#include <stdint.h>

#include "pat.h"

// How a payload's length must relate to the requested length.
enum PayloadSizeRule : int {
    kPayloadExactly = 0,
    kPayloadAtMost = 1,
    kPayloadAtLeast = 2,
};

PatInfoNode *CreateInfoNode(PatInfoNode *parent, uint32_t id, const void *source, uint32_t length);
int AppendInfoNode(PatInfoNode *parent, PatInfoNode *child);
int CopyNodePayload(const PatInfoNode *node, void *destination, uint32_t length, int rule);
int GetNodeInfo(const PatInfoNode *node, uint32_t *idOut, uint32_t *lengthOut);
PatInfoNode *GetFirstChild(const PatInfoNode *node);
PatInfoNode *GetNextSibling(const PatInfoNode *node);
// Follows at most PAT_MAX_TREE_NODES siblings: a chain that runs on past
// them is searched no further, as if the id were not in it.
PatInfoNode *FindSiblingById(PatInfoNode *node, uint32_t id);
// 1 when the parent's child chain ends within the budget of nodes, which each
// child uses up; 0 when the chain runs on past it.  One budget shared by every
// level read bounds a whole tree.
int ChildChainEnds(const PatInfoNode *parent, uint32_t *nodeBudget);
