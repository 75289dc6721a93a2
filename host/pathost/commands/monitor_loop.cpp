#include "commands/monitor_loop.h"

#include <signal.h>
#include <stdio.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "commands/exit_codes.h"
#include "printer/device_ids.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

}  // namespace

bool OpenPrinters(const PatExports &exports, const HostOptions &options,
                  std::vector<std::unique_ptr<PrinterPoll>> *printers, int *status) {
    for (size_t i = 0; i < options.printers.size(); ++i) {
        std::unique_ptr<PrinterPoll> poll(new PrinterPoll(exports, options.printers[i], PollSettingsOf(options, i)));
        if (!poll->transport) {
            fprintf(stderr, "pathost: bad printer address \"%s\" (HOST, HOST:PORT or [IPv6]:PORT)\n",
                    options.printers[i].c_str());
            *status = kExitUsage;
            return false;
        }
        std::string error;
        if (!LoadDeviceId(options.deviceId, poll->settings.deviceIdFile, &poll->givenDeviceId, &error)) {
            fprintf(stderr, "pathost: %s\n", error.c_str());
            *status = kExitRefused;
            return false;
        }
        printers->push_back(std::move(poll));
    }
    return true;
}

PollOutcome PollIntoRecord(PrinterPoll &poll, PrnInfoEx *record) {
    const PollOutcome outcome = PollPrinter(poll, record);
    if (outcome == PollOutcome::NoPrinter) record->bNoResponse = 1;
    return outcome;
}

void StopOnSignals() {
    signal(SIGINT, RequestStop);
    signal(SIGTERM, RequestStop);
}

bool StopRequested() { return stopRequested != 0; }

void PauseUnlessStopped(double seconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                       std::chrono::duration<double>(seconds));
    const Clock::duration step = std::chrono::milliseconds(50);
    for (Clock::time_point now = Clock::now(); !stopRequested && now < until; now = Clock::now()) {
        std::this_thread::sleep_for(std::min(step, until - now));
    }
}
