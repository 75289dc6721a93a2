// Info node trees on the host's side: nodes the host builds for the library
// (reply trees), and the release of every node of a tree, the library's
// query trees included.  Every node is one block of the global heap, so a
// tree that mixes the host's nodes and the library's is released the same way.
#pragma once

#include <stdint.h>

#include <memory>

#include "library/pat_exports.h"

// A new node whose payload is a copy of `length` bytes at `payload`, appended
// as the last child of `parent` when that is not null.  Null when memory runs out.
PatInfoNode *NewInfoNode(const PatExports &exports, PatInfoNode *parent, uint32_t id, const void *payload,
                         uint32_t length);

// Appends `child`, a root until now, as the last child of `parent`.
void AttachInfoNode(PatInfoNode *parent, PatInfoNode *child);

// The first child of `parent` with this id, or null.
PatInfoNode *FindChild(PatInfoNode *parent, uint32_t id);

// Releases `root` and everything below it.  Null is fine.
void FreeInfoTree(const PatExports &exports, PatInfoNode *root);

// A tree released with its owner.
struct InfoTreeRelease {
    const PatExports *exports = nullptr;
    void operator()(PatInfoNode *root) const { FreeInfoTree(*exports, root); }
};
using InfoTree = std::unique_ptr<PatInfoNode, InfoTreeRelease>;

inline InfoTree OwnInfoTree(const PatExports &exports, PatInfoNode *root) {
    return InfoTree(root, InfoTreeRelease{&exports});
}
