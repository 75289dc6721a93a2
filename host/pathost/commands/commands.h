// pathost's commands.  Each returns the process exit status (exit_codes.h).
#pragma once

#include "commands/host_options.h"
#include "library/pat_exports.h"

int RunPoll(const PatExports &exports, const HostOptions &options);
int RunWatch(const PatExports &exports, const HostOptions &options);
// The status page; in builds without the HTTP server, a message saying so.
int RunServe(const PatExports &exports, const HostOptions &options);
// The watch loop alone: `rounds` polls of every printer (0: until SIGINT or
// SIGTERM), changes or JSON on standard output.
int WatchPrinters(const PatExports &exports, const HostOptions &options, long rounds);
int RunReplay(const PatExports &exports, const HostOptions &options);
int RunStatus(const PatExports &exports, const HostOptions &options);
