// What the status page shows of one printer after a poll: the poll as JSON,
// the status texts and the names of the record's items in every language,
// and the status picture as PNG.  Made on the polling thread, the only one
// that calls the library; read, never changed, by the server's threads.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "library/pat_exports.h"
#include "printer/printer_poll.h"
#include "report/full_report.h"

struct PrinterView {
    std::string name;     // HOST:PORT, as in messages
    long polls = 0;       // 0: not polled yet, nothing else is set
    long changes = 0;     // how often what is shown changed: the picture's version
    nlohmann::json poll;  // time, printer, outcome, device ID, record, layers
    // Per library language name ("DE"): texts (short, long), trays,
    // outputBins, options, each item named in that language.
    std::map<std::string, nlohmann::json> languages;
    std::string png;      // the status picture; empty when it cannot be drawn
};

// The view of a poll's record.  `previous` is the printer's view before this
// poll; when the poll shows the same, its texts and picture are kept and
// only the poll's time and count move on.
std::shared_ptr<const PrinterView> ViewOfPoll(const PatExports &exports, const ReportSettings &options,
                                              const PrinterPoll &poll, PollOutcome outcome, PrnInfoEx *record,
                                              const PrinterView &previous);
