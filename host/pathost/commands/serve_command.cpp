// pathost serve: the printers' status in a browser.  The main thread polls
// every printer each interval, as watch does, and leaves each poll's view on
// the board; the server's threads answer the page and its requests from the
// board.  SIGINT or SIGTERM stops the polling, then the server, and every
// record is released on the way.
#include <signal.h>
#include <stdio.h>

#include <memory>
#include <vector>

#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "commands/monitor_loop.h"
#include "library/host_record.h"
#include "page/printer_view.h"
#include "page/status_board.h"
#include "page/status_page.h"
#include "page/status_server.h"

namespace {

void PollRound(const PatExports &exports, const HostOptions &options,
               std::vector<std::unique_ptr<PrinterPoll>> &printers, StatusBoard &board) {
    for (size_t i = 0; i < printers.size() && !StopRequested(); ++i) {
        HostRecord record(exports);
        const PollOutcome outcome = PollIntoRecord(*printers[i], record.Get());
        // An answer the library cannot read tells as little as none.
        if (outcome == PollOutcome::Refused) record.Get()->bNoResponse = 1;
        const std::shared_ptr<const PrinterView> previous = board.View(i);
        board.Update(i, ViewOfPoll(exports, ReportSettingsOf(options), *printers[i], outcome, record.Get(), *previous));
    }
}

std::string PageAddress(const std::string &address, int port) {
    const bool ipv6 = address.find(':') != std::string::npos;
    return "http://" + (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(port) + "/";
}

}  // namespace

int RunServe(const PatExports &exports, const HostOptions &options) {
    std::string language;
    if (!PageLanguage(options.languages.at(0), "", &language)) {
        fprintf(stderr, "pathost: serve: --lang %s is no language of the library\n", options.languages[0].c_str());
        return kExitUsage;
    }
    std::vector<std::unique_ptr<PrinterPoll>> printers;
    int status = kExitDone;
    if (!OpenPrinters(exports, options, &printers, &status)) return status;
    std::vector<std::string> names;
    for (const std::unique_ptr<PrinterPoll> &printer : printers) names.push_back(printer->printer);
    StatusBoard board(names);
    StatusServer server(board, PageSettingsOf(options));
    std::string problem;
    if (!server.Bind(&problem)) {
        fprintf(stderr, "pathost: %s\n", problem.c_str());
        return kExitRefused;
    }
    StopOnSignals();
#if !defined(_WIN32)
    // A browser that goes away mid-answer is the server's to notice, not a
    // reason to end.
    signal(SIGPIPE, SIG_IGN);
#endif
    server.Start();
    printf("pathost: the status of %zu %s at %s\n", names.size(), names.size() == 1 ? "printer" : "printers",
           PageAddress(options.bindAddress, server.Port()).c_str());
    fflush(stdout);
    while (!StopRequested()) {
        PollRound(exports, options, printers, board);
        PauseUnlessStopped(options.intervalSeconds);
    }
    server.Stop();
    fprintf(stderr, "pathost: serve stopped\n");
    return kExitDone;
}
