// pathost watch: a monitoring host's loop.  Every interval each printer is
// polled into a fresh record; a line is printed when its status changes
// (or, with --json, one object per poll), until SIGINT or SIGTERM.  Every
// record and tree of a poll is released before the next.
#include <stdio.h>

#include <memory>
#include <vector>

#include <nlohmann/json.hpp>

#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "commands/monitor_loop.h"
#include "library/host_record.h"
#include "report/full_report.h"
#include "report/poll_json.h"
#include "report/report.h"
#include "report/status_picture.h"
#include "report/status_report.h"
#include "status_info_tree.h"

namespace {

// What a watch compares from one poll to the next.
struct StatusSnapshot {
    std::vector<uint32_t> codes;  // engine status, in the record's order
    bool noResponse = false;
    std::string shortText;        // in the first language, UTF-8

    bool operator!=(const StatusSnapshot &other) const {
        return codes != other.codes || noResponse != other.noResponse || shortText != other.shortText;
    }
};

struct WatchedPrinter {
    std::unique_ptr<PrinterPoll> poll;
    bool seen = false;
    StatusSnapshot last;
};

StatusSnapshot SnapshotOf(Report &report, const HostOptions &options, PrnInfoEx *record) {
    StatusSnapshot snapshot;
    for (const PatEngineStatusItem *item = record->pEngineStatus; item != nullptr; item = item->pNext) {
        snapshot.codes.push_back(item->dwStatusCode);
    }
    snapshot.noResponse = record->bNoResponse != 0;
    if (report.SelectLanguage(options.languages[0])) {
        snapshot.shortText = StatusText(report, options.sourceType, record, PAT_TEXT_FORM_SHORT);
    }
    return snapshot;
}

std::string CodesText(const std::vector<uint32_t> &codes) {
    std::string text;
    for (uint32_t code : codes) text += (text.empty() ? "" : " ") + std::to_string(code);
    return text;
}

void PrintChange(const WatchedPrinter &printer, const StatusSnapshot &now) {
    const std::string text = now.shortText.empty() ? "(no status reported)" : now.shortText;
    // One line per change: a multi-line text is joined.
    std::string line = text;
    for (char &c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    printf("%s  %s  %s  [%s]\n", LocalTime().c_str(), printer.poll->printer.c_str(), line.c_str(),
           CodesText(now.codes).c_str());
    fflush(stdout);
}

nlohmann::json LayersJson(const PatExports &exports, uint32_t sourceType, PrnInfoEx *record) {
    if (!StatusPictureAvailable()) return nlohmann::json();
    StatusInfoTree tree(sourceType, record);
    std::vector<std::string> layers;
    std::string problem;
    if (!ComposeStatusPicture(exports, sourceType, tree.Root(), &layers, nullptr, &problem)) {
        fprintf(stderr, "pathost: %s\n", problem.c_str());
    }
    return layers;
}

void PrintPollJson(Report &report, const HostOptions &options, const WatchedPrinter &printer, PollOutcome outcome,
                   PrnInfoEx *record) {
    nlohmann::json texts = nlohmann::json::object();
    for (const std::string &language : options.languages) {
        if (!report.SelectLanguage(language)) continue;
        texts[language] = {{"short", StatusText(report, options.sourceType, record, PAT_TEXT_FORM_SHORT)},
                           {"long", StatusText(report, options.sourceType, record, PAT_TEXT_FORM_LONG)}};
    }
    nlohmann::json poll = PollJson(*printer.poll, outcome, *record);
    poll["texts"] = texts;
    poll["layers"] = LayersJson(report.Exports(), options.sourceType, record);
    printf("%s\n", JsonText(poll).c_str());
    fflush(stdout);
}

void PollOnce(const PatExports &exports, const HostOptions &options, WatchedPrinter &printer) {
    HostRecord record(exports);
    const PollOutcome outcome = PollIntoRecord(*printer.poll, record.Get());
    Report report(exports, stdout, ReportLanguage(ReportSettingsOf(options)));
    if (options.json) {
        PrintPollJson(report, options, printer, outcome, record.Get());
    } else if (outcome != PollOutcome::Refused) {
        const StatusSnapshot now = SnapshotOf(report, options, record.Get());
        if (!printer.seen || now != printer.last) PrintChange(printer, now);
        printer.seen = true;
        printer.last = now;
    }
}

}  // namespace

int RunWatch(const PatExports &exports, const HostOptions &options) {
    StopOnSignals();
    const int status = WatchPrinters(exports, options, 0);
    if (status == kExitDone) fprintf(stderr, "pathost: watch stopped\n");
    return status;
}

int WatchPrinters(const PatExports &exports, const HostOptions &options, long rounds) {
    std::vector<std::unique_ptr<PrinterPoll>> polls;
    int status = kExitDone;
    if (!OpenPrinters(exports, options, &polls, &status)) return status;
    std::vector<WatchedPrinter> printers(polls.size());
    for (size_t i = 0; i < polls.size(); ++i) printers[i].poll = std::move(polls[i]);
    for (long round = 0; !StopRequested() && (rounds == 0 || round < rounds); ++round) {
        for (WatchedPrinter &printer : printers) {
            if (!StopRequested()) PollOnce(exports, options, printer);
        }
        if (rounds == 0 || round + 1 < rounds) PauseUnlessStopped(options.intervalSeconds);
    }
    return kExitDone;
}
