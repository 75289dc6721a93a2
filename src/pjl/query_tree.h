// The query trees handed to the host: what to send to the printer (node
// 1000) and whether to read its device ID (node 1002).
#pragma once

#include <stdint.h>

#include "pat.h"

// Returns 0 and the new tree in *root, or the error for the export to report
// (nothing is left allocated then).
uint32_t BuildQueryTree(const PrnInfoEx *record, uint32_t itemFlags, PatInfoNode **root);
uint32_t BuildEmulUniqQueryTree(uint32_t emulationCode, PatInfoNode **root);
