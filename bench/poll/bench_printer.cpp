#include "bench_printer.h"

#include <stdlib.h>

#include "device_id.h"
#include "library/poll_cycle.h"
#include "pjl_answers.h"

const PatExports kExports = LinkedExports();

namespace {

// One poll into the record; after it the record knows the printer's trays.
void Poll(const PrinterDescription &state, const std::string &deviceId, PrnInfoEx *record) {
    Query query;
    if (BuildQuery(kExports, record, kDefaultQueryFlags, &query) != 0) abort();
    const std::string reply = AnswerPjlRequests(state, query.text);
    if (InterpretReply(kExports, &query, reply, &deviceId, record) != 0) abort();
}

PolledPrinter LoadPrinter() {
    PolledPrinter printer;
    std::string error;
    if (!ReadStateFile(PAT_SOURCE_DIR "/samples/idle_full.state", &printer.state, &error)) abort();
    printer.deviceId = DeviceIdOf(printer.state);
    PrnInfoEx record = EmptyRecord();
    Poll(printer.state, printer.deviceId, &record);
    Query everyTray;
    if (BuildQuery(kExports, &record, kDefaultQueryFlags, &everyTray) != 0) abort();
    printer.reply = AnswerPjlRequests(printer.state, everyTray.text);
    ReleaseRecord(kExports, &record);
    return printer;
}

}  // namespace

const PolledPrinter &BenchPrinter() {
    static const PolledPrinter printer = LoadPrinter();
    return printer;
}

PolledRecord::PolledRecord() : record_(EmptyRecord()) {
    Query query;
    if (BuildQuery(kExports, &record_, kDefaultQueryFlags, &query) != 0) abort();
    if (InterpretReply(kExports, &query, BenchPrinter().reply, &BenchPrinter().deviceId, &record_) != 0) abort();
}

PolledRecord::~PolledRecord() { ReleaseRecord(kExports, &record_); }
