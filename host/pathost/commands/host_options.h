// pathost's command line: what it was asked, and the tables of its commands
// and options from which the parser, the checks, the messages and the usage
// text are all made.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "library/pat_exports.h"
#include "library/poll_cycle.h"
#include "page/status_server.h"
#include "printer/printer_poll.h"
#include "report/full_report.h"

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

// What a command takes besides its options.
enum class CommandTakes {
    OnePrinter,    // HOST[:PORT]
    Printers,      // HOST[:PORT]..., at least one
    ReplyFile,     // --reply FILE
    StateFile,     // --state FILE
};

struct HostCommand {
    const char *name;       // null ends the table
    const char *arguments;  // as the usage and the error messages show them
    CommandTakes takes;
    int (*run)(const PatExports &exports, const HostOptions &options);
    const char *help;
};

// Every command, in the order of the usage text.
extern const HostCommand kHostCommands[];

// The command of that name, or null.
const HostCommand *FindHostCommand(const std::string &name);

// The --device-id-file of the printer at `index` of `printers`; empty when
// none is given.
std::string DeviceIdFileOf(const HostOptions &options, size_t index);

// What the wings below take of the command line: the poll of the printer at
// `index` of `printers`, the report, the page.
PollSettings PollSettingsOf(const HostOptions &options, size_t index);
ReportSettings ReportSettingsOf(const HostOptions &options);
PageSettings PageSettingsOf(const HostOptions &options);

// Returns false with a message for anything a user could get wrong.
bool ParseHostOptions(int argc, char **argv, HostOptions *options, std::string *error);

// The usage text, made from the tables.
std::string HostUsage();
