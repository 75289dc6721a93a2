// What the polling commands share: their printers (poll, watch, serve), a
// fresh record for every poll, and the end of their loop on SIGINT or
// SIGTERM (watch, serve).
#pragma once

#include <memory>
#include <vector>

#include "commands/host_options.h"
#include "library/pat_exports.h"
#include "printer/printer_poll.h"

// One poll per printer of the options, each with its given device ID.
// Returns false after a message on standard error, with the exit status in
// *status, when an address is bad or a device ID cannot be loaded.
bool OpenPrinters(const PatExports &exports, const HostOptions &options,
                  std::vector<std::unique_ptr<PrinterPoll>> *printers, int *status);

// Polls the printer into a fresh record; a printer that does not answer is
// shown as one (the record's no-response flag).
PollOutcome PollIntoRecord(PrinterPoll &poll, PrnInfoEx *record);

// From here on, SIGINT and SIGTERM ask the loop to stop.
void StopOnSignals();
bool StopRequested();

// Sleeps in short steps, so that a stop request is seen at once.
void PauseUnlessStopped(double seconds);
