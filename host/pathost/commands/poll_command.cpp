// pathost poll: the whole status poll of one printer, and its report.
#include <stdio.h>

#include <algorithm>

#include "commands/commands.h"
#include "report/full_report.h"
#include "library/host_record.h"
#include "printer/printer_poll.h"

namespace {

int Finish(PrinterPoll &s, PollOutcome outcome, PrnInfoEx *record) {
    const long answers = std::count(s.replies.begin(), s.replies.end(), '\f');
    fprintf(stderr, "pathost: %s: %d %s, %ld answers, %u bytes\n", s.printer.c_str(), s.queries,
            s.queries == 1 ? "query" : "queries", answers, static_cast<unsigned>(s.replies.size()));
    if (!s.options.saveReplyPath.empty() && !WriteWholeFile(s.options.saveReplyPath, s.replies)) {
        fprintf(stderr, "pathost: %s: cannot be written\n", s.options.saveReplyPath.c_str());
    }
    switch (outcome) {
        case PollOutcome::Refused: return kExitRefused;
        case PollOutcome::Interpreted:
            return PrintPolledPrinter(s.exports, s.options, record, stdout) ? kExitDone : kExitRefused;
        case PollOutcome::NoPrinter:
            // What a monitor shows for a printer that does not answer.
            record->bNoResponse = 1;
            PrintPolledPrinter(s.exports, s.options, record, stdout);
            return kExitNoPrinter;
    }
    return kExitRefused;
}

}  // namespace

int RunPoll(const PatExports &exports, const HostOptions &options) {
    PrinterPoll s(exports, options, 0);
    if (!s.addressValid) {
        fprintf(stderr, "pathost: bad printer address \"%s\" (HOST, HOST:PORT or [IPv6]:PORT)\n",
                options.address.c_str());
        return kExitUsage;
    }
    std::string error;
    if (!LoadDeviceId(options, s.deviceIdFile, &s.givenDeviceId, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    PrnInfoEx record = EmptyRecord();
    const PollOutcome outcome = PollPrinter(s, &record);
    const int status = Finish(s, outcome, &record);
    ReleaseRecord(exports, &record);
    return status;
}
