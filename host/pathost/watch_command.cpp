// pathost watch: a monitoring host's loop.  Every interval each printer is
// polled into a fresh record; a line is printed when its status changes
// (or, with --json, one object per poll), until SIGINT or SIGTERM.  Every
// record and tree of a poll is released before the next.
#include <signal.h>
#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "commands.h"
#include "full_report.h"
#include "host_record.h"
#include "library_calls.h"
#include "printer_poll.h"
#include "record_status_tree.h"
#include "report.h"
#include "status_picture.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

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

std::string LocalTime() {
    const time_t now = time(nullptr);
    struct tm local;
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// The short or long status text in the report's language; empty when the
// record reports no condition or the library refuses.
std::string StatusText(Report &report, uint32_t sourceType, PrnInfoEx *record, uint32_t form) {
    if (record->pEngineStatus == nullptr && !record->bNoResponse) return "";
    RecordStatusTree tree(sourceType, record);
    std::string text;
    const uint32_t error = FetchStatusString(report.Exports(), sourceType, tree.Root(), form, &text);
    if (error != 0) report.Failure("PatGetStatusString", error);
    return report.FromLibrary(text);
}

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

const char *OutcomeName(PollOutcome outcome) {
    switch (outcome) {
        case PollOutcome::Interpreted: return "answered";
        case PollOutcome::Refused: return "refused";
        case PollOutcome::NoPrinter: return "no-response";
    }
    return "";
}

nlohmann::json TextOrNull(const char *text) { return text != nullptr ? nlohmann::json(text) : nlohmann::json(); }

nlohmann::json RecordJson(const PrnInfoEx &r) {
    nlohmann::json record = {{"maker", TextOrNull(r.pMakerName)},
                             {"model", TextOrNull(r.pModelName)},
                             {"description", TextOrNull(r.pDescription)},
                             {"systemVersion", TextOrNull(r.pSYSVersion)},
                             {"memoryKB", r.dwMemoryKB},
                             {"state", r.bState},
                             {"hasError", r.bHasError != 0},
                             {"noResponse", r.bNoResponse != 0}};
    nlohmann::json &engine = record["engineStatus"] = nlohmann::json::array();
    for (const PatEngineStatusItem *i = r.pEngineStatus; i != nullptr; i = i->pNext) {
        engine.push_back({{"code", i->dwStatusCode}, {"text", i->szText}});
    }
    nlohmann::json &trays = record["trays"] = nlohmann::json::array();
    for (const PatTrayItem *i = r.pTrayInfo; i != nullptr; i = i->pNext) {
        trays.push_back({{"id", i->wId}, {"paperSize", i->wPaperSize}, {"level", i->wLevel},
                         {"mediaType", i->wMediaType}, {"flags", i->dwFlags}});
    }
    nlohmann::json &bins = record["outputBins"] = nlohmann::json::array();
    for (const PatOutBinItem *i = r.pOutBinInfo; i != nullptr; i = i->pNext) {
        bins.push_back({{"id", i->wId}, {"state", i->wState}});
    }
    nlohmann::json &options = record["options"] = nlohmann::json::array();
    for (const PatDeviceItem *i = r.pDeviceInfo; i != nullptr; i = i->pNext) options.push_back(i->wId);
    return record;
}

nlohmann::json LayersJson(const PatExports &exports, uint32_t sourceType, PrnInfoEx *record) {
    if (!StatusPictureAvailable()) return nlohmann::json();
    RecordStatusTree tree(sourceType, record);
    std::vector<std::string> layers;
    std::string problem;
    if (!ComposeStatusPicture(exports, sourceType, tree.Root(), "", &layers, &problem)) {
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
    const nlohmann::json poll = {{"time", LocalTime()},
                                 {"printer", printer.poll->printer},
                                 {"outcome", OutcomeName(outcome)},
                                 {"deviceId", printer.poll->deviceId},
                                 {"record", RecordJson(*record)},
                                 {"texts", texts},
                                 {"layers", LayersJson(report.Exports(), options.sourceType, record)}};
    // Texts that are not valid UTF-8 are replaced, never a reason to stop.
    printf("%s\n", poll.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    fflush(stdout);
}

void PollOnce(const PatExports &exports, const HostOptions &options, WatchedPrinter &printer) {
    PrnInfoEx record = EmptyRecord();
    const PollOutcome outcome = PollPrinter(*printer.poll, &record);
    // A printer that does not answer is shown as one.
    if (outcome == PollOutcome::NoPrinter) record.bNoResponse = 1;
    Report report(exports, stdout, ReportLanguage(options));
    if (options.json) {
        PrintPollJson(report, options, printer, outcome, &record);
    } else if (outcome != PollOutcome::Refused) {
        const StatusSnapshot now = SnapshotOf(report, options, &record);
        if (!printer.seen || now != printer.last) PrintChange(printer, now);
        printer.seen = true;
        printer.last = now;
    }
    ReleaseRecord(exports, &record);
}

// Sleeps in short steps, so that a stop request is seen at once.
void Pause(double seconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                       std::chrono::duration<double>(seconds));
    const Clock::duration step = std::chrono::milliseconds(50);
    for (Clock::time_point now = Clock::now(); !stopRequested && now < until; now = Clock::now()) {
        std::this_thread::sleep_for(std::min(step, until - now));
    }
}

}  // namespace

int RunWatch(const PatExports &exports, const HostOptions &options) {
    signal(SIGINT, RequestStop);
    signal(SIGTERM, RequestStop);
    const int status = WatchPrinters(exports, options, 0);
    if (status == kExitDone) fprintf(stderr, "pathost: watch stopped\n");
    return status;
}

int WatchPrinters(const PatExports &exports, const HostOptions &options, long rounds) {
    std::vector<WatchedPrinter> printers(options.printers.size());
    for (size_t i = 0; i < printers.size(); ++i) {
        printers[i].poll.reset(new PrinterPoll(exports, options, options.printers[i]));
        if (!printers[i].poll->addressValid) {
            fprintf(stderr, "pathost: bad printer address \"%s\" (HOST, HOST:PORT or [IPv6]:PORT)\n",
                    options.printers[i].c_str());
            return kExitUsage;
        }
    }
    std::string deviceId, error;
    if (!LoadDeviceId(options, &deviceId, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    for (WatchedPrinter &printer : printers) printer.poll->givenDeviceId = deviceId;
    for (long round = 0; !stopRequested && (rounds == 0 || round < rounds); ++round) {
        for (WatchedPrinter &printer : printers) {
            if (!stopRequested) PollOnce(exports, options, printer);
        }
        if (rounds == 0 || round + 1 < rounds) Pause(options.intervalSeconds);
    }
    return kExitDone;
}
