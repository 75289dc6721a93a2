// pathost's command line.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "pat.h"

// What a full poll asks for: state, configuration, trays, output bins,
// emulations, identity, duplex option and engine status.
const uint32_t kDefaultQueryFlags = PAT_ITEMS_STATE | PAT_ITEMS_CONFIGURATION | PAT_ITEMS_INPUT_TRAYS |
                                    PAT_ITEMS_OUTPUT_BINS | PAT_ITEMS_EMULATIONS | PAT_ITEMS_IDENTITY |
                                    PAT_ITEMS_DUPLEX_OPTION | PAT_ITEMS_ENGINE_STATUS;
static_assert(kDefaultQueryFlags == 0x000A051Eu, "the default named in --help");

struct HostOptions {
    std::string command;       // poll, watch, replay, status
    std::string address;       // poll: HOST[:PORT] (the first of `printers`)
    std::vector<std::string> printers;  // watch: every HOST[:PORT]
    std::string libraryPath;   // --lib; empty: next to the program
    std::vector<std::string> languages = {"EN"};
    uint32_t sourceType = 1;
    uint32_t queryFlags = kDefaultQueryFlags;
    double timeoutSeconds = 5;
    bool deviceIdGiven = false;
    std::string deviceId;      // --device-id, or the content of --device-id-file
    std::string deviceIdFile;
    std::string community = "public";  // SNMP
    int snmpPort = 161;
    int snmpVersion = 2;       // 1 or 2 (v2c)
    double intervalSeconds = 10;  // watch
    bool json = false;         // watch: one JSON object per poll
    std::string replyFile;     // replay
    std::string stateFile;     // status
    std::string picturePath;   // --picture
    std::string saveReplyPath; // poll --save-reply
    bool help = false;         // --help: print the usage, nothing else
};

// Returns false with a message for anything a user could get wrong.
bool ParseHostOptions(int argc, char **argv, HostOptions *options, std::string *error);

extern const char kHostUsage[];
