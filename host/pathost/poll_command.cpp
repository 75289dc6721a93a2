// pathost poll: the whole status poll of one printer over raw TCP.
//
// The tray questions of a query follow the trays the record already knows,
// and a fresh record knows none: so when the first answers reveal trays that
// were not asked about, a second query asks about them, as a monitoring
// host's next poll would.
#include <stdio.h>

#include <algorithm>
#include <memory>
#include <set>

#include "commands.h"
#include "full_report.h"
#include "host_record.h"
#include "library_errors.h"
#include "poll_cycle.h"
#include "printer_connection.h"

namespace {

const int kDefaultPort = 9100;
// Trays a query asks about when the record lists none.
const uint16_t kStandardTrays[] = {3, 4};

enum class RoundOutcome { Interpreted, Refused, NoPrinter };

struct PollSession {
    PollSession(const PatExports &e, const HostOptions &o) : exports(e), options(o), printer(o.address) {}

    const PatExports &exports;
    const HostOptions &options;
    std::string printer;  // HOST:PORT, for messages
    std::string host;
    int port = kDefaultPort;
    std::string deviceId;
    std::unique_ptr<PrinterConnection> connection;  // null until the first query
    std::string replies;  // all the printer said, for --save-reply
    int queries = 0;
};

void Note(const PollSession &s, const std::string &what) {
    fprintf(stderr, "pathost: %s: %s\n", s.printer.c_str(), what.c_str());
}

std::string Seconds(double seconds) {
    char text[32];
    snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

int FormFeeds(const std::string &text) { return static_cast<int>(std::count(text.begin(), text.end(), '\f')); }

// Connects for the first query, and again when the printer closed the
// connection after the previous one.
bool Connect(PollSession &s, std::string *problem) {
    if (s.connection && !s.connection->ClosedByPeer()) return true;
    s.connection.reset(new PrinterConnection);
    std::string error;
    if (!s.connection->Connect(s.host, s.port, s.options.timeoutSeconds, &error)) {
        *problem = "no printer reached: " + error;
        s.connection.reset();
        return false;
    }
    return true;
}

// One attempt: connect if need be, send, collect.  False only when no
// connection could be had.
bool SendAndReceive(PollSession &s, const Query &query, std::string *reply, ReceiveEnd *end, std::string *problem) {
    if (!Connect(s, problem)) return false;
    std::string error;
    *end = s.connection->Send(query.text, &error)
               ? s.connection->Receive(query.requests, s.options.timeoutSeconds, reply)
               : ReceiveEnd::Failed;
    return true;
}

// Sends the query text and collects the answers.  False when the printer
// could not be reached or said nothing at all; a partial answer is handed on,
// for the library to judge.
bool Exchange(PollSession &s, const Query &query, std::string *reply, std::string *problem) {
    if (query.text.empty()) return true;
    const bool reusing = s.connection != nullptr;
    ReceiveEnd end = ReceiveEnd::Failed;
    if (!SendAndReceive(s, query, reply, &end, problem)) return false;
    if (reusing && reply->empty() && (end == ReceiveEnd::Closed || end == ReceiveEnd::Failed)) {
        // The printer had closed the connection after the previous query.
        s.connection.reset();
        if (!SendAndReceive(s, query, reply, &end, problem)) return false;
    }
    ++s.queries;
    s.replies += *reply;
    const std::string answered =
        std::to_string(FormFeeds(*reply)) + " of " + std::to_string(query.requests) + " answers";
    switch (end) {
        case ReceiveEnd::Complete: return true;
        case ReceiveEnd::Failed: *problem = "the connection broke after " + answered; return false;
        case ReceiveEnd::TooLong:
            // The connection is dropped with what it still holds.
            s.connection.reset();
            reply->clear();
            *problem = "the printer sent more than " + std::to_string(kMaxReplyBytes >> 20) +
                       " MiB without closing its answers (" + answered + "); the reply is dropped";
            return false;
        case ReceiveEnd::Closed:
            if (reply->empty()) *problem = "the printer closed the connection without answering";
            else Note(s, "the printer closed the connection after " + answered);
            break;
        case ReceiveEnd::TimedOut:
            if (reply->empty()) *problem = "the printer did not answer within " + Seconds(s.options.timeoutSeconds);
            else Note(s, "only " + answered + " arrived within " + Seconds(s.options.timeoutSeconds));
            break;
    }
    return !reply->empty();
}

RoundOutcome PollRound(PollSession &s, PrnInfoEx *record, uint32_t flags) {
    Query query;
    uint32_t error = BuildQuery(s.exports, record, flags, &query);
    if (error != 0) {
        Note(s, "PatCreateQueryInfo failed: " + DescribeLibraryError(error));
        return RoundOutcome::Refused;
    }
    std::string reply, problem;
    if (!Exchange(s, query, &reply, &problem)) {
        DiscardQuery(s.exports, &query);
        Note(s, problem);
        return RoundOutcome::NoPrinter;
    }
    if (query.asksDeviceId && !s.options.deviceIdGiven) {
        Note(s, "the query asks for the device ID, and none was given (--device-id)");
    }
    error = InterpretReply(s.exports, &query, reply, s.options.deviceIdGiven ? &s.deviceId : nullptr, record);
    if (error != 0) {
        Note(s, "PatSetCentroDataTo failed: " + DescribeLibraryError(error));
        return RoundOutcome::Refused;
    }
    return RoundOutcome::Interpreted;
}

std::set<uint16_t> KnownTrays(const PrnInfoEx &record) {
    std::set<uint16_t> trays;
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr; tray = tray->pNext) trays.insert(tray->wId);
    return trays;
}

std::set<uint16_t> TraysAskedAbout(const PrnInfoEx &record) {
    std::set<uint16_t> trays = KnownTrays(record);
    if (trays.empty()) trays.insert(std::begin(kStandardTrays), std::end(kStandardTrays));
    return trays;
}

RoundOutcome PollRounds(PollSession &s, PrnInfoEx *record) {
    const std::set<uint16_t> asked = TraysAskedAbout(*record);
    RoundOutcome outcome = PollRound(s, record, s.options.queryFlags);
    if (outcome != RoundOutcome::Interpreted || !(s.options.queryFlags & PAT_ITEMS_INPUT_TRAYS)) return outcome;
    const std::set<uint16_t> known = KnownTrays(*record);
    const bool newTrays = !std::includes(asked.begin(), asked.end(), known.begin(), known.end());
    return newTrays ? PollRound(s, record, PAT_ITEMS_INPUT_TRAYS) : outcome;
}

int Finish(PollSession &s, RoundOutcome outcome, PrnInfoEx *record) {
    fprintf(stderr, "pathost: %s: %d %s, %d answers, %u bytes\n", s.printer.c_str(), s.queries,
            s.queries == 1 ? "query" : "queries", FormFeeds(s.replies), static_cast<unsigned>(s.replies.size()));
    if (!s.options.saveReplyPath.empty() && !WriteWholeFile(s.options.saveReplyPath, s.replies)) {
        fprintf(stderr, "pathost: %s: cannot be written\n", s.options.saveReplyPath.c_str());
    }
    switch (outcome) {
        case RoundOutcome::Refused: return kExitRefused;
        case RoundOutcome::Interpreted:
            return PrintPolledPrinter(s.exports, s.options, record, stdout) ? kExitDone : kExitRefused;
        case RoundOutcome::NoPrinter:
            // What a monitor shows for a printer that does not answer.
            record->bNoResponse = 1;
            PrintPolledPrinter(s.exports, s.options, record, stdout);
            return kExitNoPrinter;
    }
    return kExitRefused;
}

}  // namespace

int RunPoll(const PatExports &exports, const HostOptions &options) {
    PollSession s(exports, options);
    if (!SplitHostAndPort(options.address, kDefaultPort, &s.host, &s.port)) {
        fprintf(stderr, "pathost: bad printer address \"%s\" (HOST or HOST:PORT)\n", options.address.c_str());
        return kExitUsage;
    }
    s.printer = s.host + ":" + std::to_string(s.port);
    std::string error;
    if (!LoadDeviceId(options, &s.deviceId, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    PrnInfoEx record = EmptyRecord();
    const RoundOutcome outcome = PollRounds(s, &record);
    const int status = Finish(s, outcome, &record);
    ReleaseRecord(exports, &record);
    return status;
}
