// A printer state as a state file describes it: what the simulator answers
// when it is polled, and what `pathost status` shows without any printer.
// Words that the printer itself would say (paper sizes, media, levels, bin
// states, emulation names) are kept exactly as written, so a state file can
// also describe a printer that says something unexpected.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct TrayState {
    std::string name;   // tray1 .. tray4, lct, bypass (see printer_vocabulary.h)
    std::string size;   // paper-size keyword, e.g. A4LONG
    std::string level;  // END, 1/5 .. 4/5, FULL; "-" for a tray without a level sensor
    std::string media;  // media keyword, e.g. PLAIN
    bool locked = false;
};

struct OutputBinState {
    std::string name;   // UPPER, INNER, FINISHERPROOF, FINISHERSHIFT, FINISHERBOOKLET
    std::string state;  // READY, PAPEREXIST, FULL
};

struct EmulationState {
    std::string name;     // MOXI, POSTSCRIPT, ZEMA, ...
    std::string version;
};

struct PrinterDescription {
    std::string maker;
    std::string model;
    std::string description;

    std::vector<uint32_t> statusCodes;  // engine status, in the order the printer reports them
    int stateNumber = 1;
    std::string statusText;             // the text after the state number (service codes live here)
    bool noResponse = false;            // the printer does not answer at all

    uint32_t counter = 0;
    std::string supplies;               // supply values after the counter, "/"-separated
    uint64_t memoryBytes = 0;

    std::string firmware;                    // system firmware version
    std::vector<EmulationState> emulations;  // in file order
    std::vector<TrayState> trays;
    std::vector<OutputBinState> outputBins;
    std::vector<std::string> options;        // option names of printer_vocabulary.h
    std::vector<std::string> punchHoles;     // punch unit hole sets, e.g. US2 US3

    std::string frontCoverTray = "NONE";     // print-tray answers: TRAY1 .. LCT, BYPASS, NONE
    std::string slipSheetTray = "NONE";
    std::string chapterTray = "NONE";

    std::string zemaMemoryUsage;             // answers to INFO ZEMA; empty: not answered
    std::string zemaImageRotation;
    std::string zemaOther;
};

// Reads a state file.  On failure returns false with "FILE:LINE: what" in
// *error and leaves *printer in an unspecified state.
bool ReadStateFile(const std::string &path, PrinterDescription *printer, std::string *error);

// The same for text already in memory; `origin` names it in messages.
bool ParseStateText(const std::string &text, const std::string &origin, PrinterDescription *printer,
                    std::string *error);

const TrayState *FindTray(const PrinterDescription &printer, const std::string &name);
bool HasOption(const PrinterDescription &printer, const std::string &name);
