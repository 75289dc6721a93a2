// One status poll of one printer: the library's query sent over raw TCP (or
// a USB port), the answers and the printer's device ID (given, or asked by
// SNMP or of the kernel) handed back to the library, into the caller's record.  `poll` runs
// it once, `watch` again and again.
#pragma once

#include <memory>
#include <string>

#include "commands/host_options.h"
#include "library/pat_exports.h"
#include "printer/printer_transport.h"

enum class PollOutcome { Interpreted, Refused, NoPrinter };

struct PrinterPoll {
    // The printer at `index` of the options' printers.
    PrinterPoll(const PatExports &e, const HostOptions &o, size_t index);

    const PatExports &exports;
    const HostOptions &options;
    std::string address;  // as given
    std::string printer;  // HOST:PORT, for messages
    std::string host;
    int port = 0;
    std::string usbDevice;  // the port of a "usb:DEVICE" address, else empty
    bool addressValid = false;
    std::string deviceIdFile;   // its --device-id-file, read again at every poll
    std::string givenDeviceId;  // --device-id or --device-id-file
    std::unique_ptr<PrinterTransport> connection;  // null until the first query
    // Of the latest poll:
    std::string deviceId;       // the one handed to the library
    bool deviceIdAsked = false; // of the printer (SNMP or kernel), in this poll
    std::string replies;        // all the printer said, for --save-reply
    int queries = 0;
};

// Fills `record` (a fresh or an earlier poll's) from the printer.
PollOutcome PollPrinter(PrinterPoll &poll, PrnInfoEx *record);

// A message about this printer on standard error.
void NotePrinter(const PrinterPoll &poll, const std::string &what);
