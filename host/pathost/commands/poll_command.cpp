// pathost poll: the whole status poll of one printer, and its report.
#include <stdio.h>

#include <memory>
#include <vector>

#include "base/host_files.h"
#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "commands/monitor_loop.h"
#include "library/host_record.h"
#include "printer/printer_poll.h"
#include "report/full_report.h"

namespace {

int Finish(PrinterPoll &s, const HostOptions &options, PollOutcome outcome, PrnInfoEx *record) {
    fprintf(stderr, "pathost: %s: %d %s, %d answers, %u bytes\n", s.printer.c_str(), s.queries,
            s.queries == 1 ? "query" : "queries", CountAnswers(s.replies), static_cast<unsigned>(s.replies.size()));
    if (!options.saveReplyPath.empty() && !WriteWholeFile(options.saveReplyPath, s.replies)) {
        fprintf(stderr, "pathost: %s: cannot be written\n", options.saveReplyPath.c_str());
    }
    const ReportSettings report = ReportSettingsOf(options);
    switch (outcome) {
        case PollOutcome::Refused: return kExitRefused;
        case PollOutcome::Interpreted:
            return PrintPolledPrinter(s.exports, report, record, stdout) ? kExitDone : kExitRefused;
        case PollOutcome::NoPrinter:
            // What a monitor shows for a printer that does not answer.
            record->bNoResponse = 1;
            PrintPolledPrinter(s.exports, report, record, stdout);
            return kExitNoPrinter;
    }
    return kExitRefused;
}

}  // namespace

int RunPoll(const PatExports &exports, const HostOptions &options) {
    std::vector<std::unique_ptr<PrinterPoll>> printers;
    int status = kExitDone;
    if (!OpenPrinters(exports, options, &printers, &status)) return status;
    HostRecord record(exports);
    const PollOutcome outcome = PollPrinter(*printers[0], record.Get());
    return Finish(*printers[0], options, outcome, record.Get());
}
