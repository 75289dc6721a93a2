// The status information tree (root 10, override node 2, base node per
// source type) merged into one private 160-byte status record.
#pragma once

#include <stdint.h>

#include "pat.h"

// Returns PAT_OK, or PAT_ERROR_INVALID_PARAMETER for any tree or record it
// refuses; on failure the status record is left as it was.  The record is a
// shallow copy: its lists and texts still point into the host's memory.
uint32_t DecodeStatusInput(uint32_t sourceType, PatInfoNode *root, PrnInfoEx *statusRecord);

// The lists that status evaluation follows, engine status and installed
// options, checked before they are walked: PAT_OK, or
// PAT_ERROR_INVALID_PARAMETER for a chain that runs on past
// PAT_MAX_CHAIN_ITEMS.
uint32_t CheckStatusLists(const PrnInfoEx *statusRecord);
