// One question and answer between the host and the library: the query the
// library builds for a record, and the reply tree that brings the printer's
// answers back to the library with that query attached.
#pragma once

#include <stdint.h>

#include <string>

#include "library/info_trees.h"
#include "library/pat_exports.h"

// What a full poll asks for: state, configuration, trays, output bins,
// emulations, identity, duplex option and engine status.
const uint32_t kDefaultQueryFlags = PAT_ITEMS_STATE | PAT_ITEMS_CONFIGURATION | PAT_ITEMS_INPUT_TRAYS |
                                    PAT_ITEMS_OUTPUT_BINS | PAT_ITEMS_EMULATIONS | PAT_ITEMS_IDENTITY |
                                    PAT_ITEMS_DUPLEX_OPTION | PAT_ITEMS_ENGINE_STATUS;
static_assert(kDefaultQueryFlags == 0x000A051Eu, "the default named in --help");

struct Query {
    InfoTree tree;                // the library's query tree, released with the query
    std::string text;             // what to send; empty when nothing is asked in PJL
    bool asksDeviceId = false;
    int requests = 0;             // answers to wait for, each closed by a form feed
};

// Builds the query for the record and the item selection flags.  Returns 0
// or the library's error.
uint32_t BuildQuery(const PatExports &exports, PrnInfoEx *record, uint32_t flags, Query *query);

// Hands the reply text and, when the query asked for it and one is given, the
// device ID to the library with the query's tree attached, and releases every tree.
// Returns 0 or the library's error.
uint32_t InterpretReply(const PatExports &exports, Query *query, const std::string &reply,
                        const std::string *deviceId, PrnInfoEx *record);

// The number of PJL requests in a query text.
int CountRequests(const std::string &queryText);
