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
    std::string command;       // poll, watch, serve, replay, status
    std::string address;       // poll: HOST[:PORT] (the first of `printers`)
    std::vector<std::string> printers;  // watch, serve: every HOST[:PORT]
    std::string libraryPath;   // --lib; empty: next to the program
    std::vector<std::string> languages = {"EN"};
    uint32_t sourceType = 1;
    uint32_t queryFlags = kDefaultQueryFlags;
    double timeoutSeconds = 5;
    bool deviceIdGiven = false;
    std::string deviceId;      // --device-id, or the content of --device-id-file
    // --device-id-file: one for every printer, or one per printer in their order.
    std::vector<std::string> deviceIdFiles;
    std::string community = "public";  // SNMP
    int snmpPort = 161;
    int snmpVersion = 2;       // 1 or 2 (v2c)
    double intervalSeconds = 10;  // watch, serve
    bool json = false;         // watch: one JSON object per poll
    int httpPort = 8080;       // serve; 0: any free port
    std::string bindAddress = "127.0.0.1";  // serve
    std::string replyFile;     // replay
    std::string stateFile;     // status
    std::string picturePath;   // --picture
    std::string saveReplyPath; // poll --save-reply
    bool help = false;         // --help: print the usage, nothing else
};

// The --device-id-file of the printer at `index` of `printers`; empty when
// none is given.
std::string DeviceIdFileOf(const HostOptions &options, size_t index);

// Returns false with a message for anything a user could get wrong.
bool ParseHostOptions(int argc, char **argv, HostOptions *options, std::string *error);

extern const char kHostUsage[];
