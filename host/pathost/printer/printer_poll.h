// One status poll of one printer: the library's query sent over the
// printer's transport (raw TCP or a USB port), the answers and the printer's
// device ID (given, or asked of the printer) handed back to the library,
// into the caller's record.  `poll` runs it once, `watch` and `serve` again
// and again.
#pragma once

#include <memory>
#include <string>

#include "library/pat_exports.h"
#include "library/poll_cycle.h"
#include "printer/printer_transport.h"

enum class PollOutcome { Interpreted, Refused, NoPrinter };

// What a poll asks and how.
struct PollSettings {
    uint32_t queryFlags = kDefaultQueryFlags;
    TransportSettings transport;
    bool deviceIdGiven = false;  // the device ID is not asked of the printer
    std::string deviceId;        // the one given
    std::string deviceIdFile;    // when not empty, read again at every poll in place of deviceId
};

struct PrinterPoll {
    PrinterPoll(const PatExports &e, const std::string &address, const PollSettings &s);

    const PatExports &exports;
    const PollSettings settings;
    std::string address;  // as given
    std::string printer;  // HOST:PORT, for messages
    std::unique_ptr<PrinterTransport> transport;  // null when the address is none
    std::string givenDeviceId;  // the device ID given, or the file's
    // Of the latest poll:
    std::string deviceId;       // the one handed to the library
    bool deviceIdAsked = false; // of the printer, in this poll
    std::string replies;        // all the printer said, for --save-reply
    int queries = 0;
};

// Fills `record` (a fresh or an earlier poll's) from the printer.
PollOutcome PollPrinter(PrinterPoll &poll, PrnInfoEx *record);

// A message about this printer on standard error.
void NotePrinter(const PrinterPoll &poll, const std::string &what);
