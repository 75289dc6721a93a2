// pathost's commands.  Each returns the process exit status.
#pragma once

#include "commands/host_options.h"
#include "library/pat_exports.h"

const int kExitDone = 0;
const int kExitRefused = 1;    // the library refused something, or a file could not be used
const int kExitUsage = 2;
const int kExitNoPrinter = 3;  // no printer could be reached, or it did not answer

int RunPoll(const PatExports &exports, const HostOptions &options);
int RunWatch(const PatExports &exports, const HostOptions &options);
// The status page; in builds without the HTTP server, a message saying so.
int RunServe(const PatExports &exports, const HostOptions &options);
// The watch loop alone: `rounds` polls of every printer (0: until SIGINT or
// SIGTERM), changes or JSON on standard output.
int WatchPrinters(const PatExports &exports, const HostOptions &options, long rounds);
int RunReplay(const PatExports &exports, const HostOptions &options);
int RunStatus(const PatExports &exports, const HostOptions &options);

// An IEEE 1284 device ID is preceded by its length in two bytes, which count
// themselves: no printer's device ID is longer than this.
const size_t kMaxDeviceIdLength = 65535 - 2;

// The device ID of --device-id, or of `file` (a --device-id-file) when it
// names one; false, with the reason, when the file cannot be read or the
// device ID is longer than kMaxDeviceIdLength.
bool LoadDeviceId(const HostOptions &options, const std::string &file, std::string *deviceId, std::string *error);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string &path, std::string *content);
bool WriteWholeFile(const std::string &path, const std::string &content);
