// The tray questions of a query follow the trays the record already knows,
// and a fresh record knows none: so when the first answers reveal trays that
// were not asked about, a second query asks about them, as a monitoring
// host's next poll would.
#include "printer/printer_poll.h"

#include <stdio.h>

#include <algorithm>
#include <set>

#include "common/family_vocabulary.h"
#include "library/info_trees.h"
#include "library/library_errors.h"
#include "printer/device_ids.h"

namespace {

std::string Seconds(double seconds) {
    char text[32];
    snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

// One attempt: connect if need be, send, collect.  False only when no
// connection could be had.
bool SendAndReceive(PrinterPoll &s, const Query &query, std::string *reply, ReceiveEnd *end, std::string *problem) {
    std::string error;
    if (!s.transport->Connect(&error)) {
        *problem = "no printer reached: " + error;
        return false;
    }
    *end = s.transport->Send(query.text, &error)
               ? s.transport->Receive(query.requests, s.settings.transport.timeoutSeconds, reply)
               : ReceiveEnd::Failed;
    return true;
}

// Sends the query text and collects the answers.  False when the printer
// could not be reached or said nothing at all; a partial answer is handed on,
// for the library to judge.
bool Exchange(PrinterPoll &s, const Query &query, std::string *reply, std::string *problem) {
    if (query.text.empty()) return true;
    const bool reusing = s.transport->Connected();
    ReceiveEnd end = ReceiveEnd::Failed;
    if (!SendAndReceive(s, query, reply, &end, problem)) return false;
    if (reusing && reply->empty() && (end == ReceiveEnd::Closed || end == ReceiveEnd::Failed)) {
        // The printer had closed the connection after the previous query.
        s.transport->Disconnect();
        if (!SendAndReceive(s, query, reply, &end, problem)) return false;
    }
    ++s.queries;
    const std::string answered =
        std::to_string(CountAnswers(*reply)) + " of " + std::to_string(query.requests) + " answers";
    if (end == ReceiveEnd::TooLong) {
        // The connection is dropped with what it still holds.
        s.transport->Disconnect();
        reply->clear();
        *problem = "the printer sent more than " + std::to_string(kMaxReplyBytes >> 20) +
                   " MiB without closing its answers (" + answered + "); the reply is dropped";
        return false;
    }
    s.replies += *reply;
    switch (end) {
        case ReceiveEnd::Complete: return true;
        case ReceiveEnd::Failed:
            *problem = "the connection broke after " + answered;
            s.transport->Disconnect();
            return false;
        case ReceiveEnd::Closed:
            if (reply->empty()) *problem = "the printer closed the connection without answering";
            else NotePrinter(s, "the printer closed the connection after " + answered);
            break;
        case ReceiveEnd::TimedOut:
            if (reply->empty()) *problem = "the printer did not answer within " + Seconds(s.settings.transport.timeoutSeconds);
            else NotePrinter(s, "only " + answered + " arrived within " + Seconds(s.settings.transport.timeoutSeconds));
            // Late answers must not be taken for the next query's.
            s.transport->Disconnect();
            break;
        case ReceiveEnd::TooLong: break;  // handled above
    }
    return !reply->empty();
}

// The device ID for this poll: the one given, or the printer's own (asked
// once per poll).  False when there is none.
bool DeviceIdForPoll(PrinterPoll &s) {
    if (s.settings.deviceIdGiven) {
        // A file is read at every poll: whoever writes it may follow the printer.
        std::string error;
        if (!s.settings.deviceIdFile.empty() &&
            !LoadDeviceId(s.settings.deviceId, s.settings.deviceIdFile, &s.givenDeviceId, &error)) {
            NotePrinter(s, error);
        }
        s.deviceId = s.givenDeviceId;
        return !s.deviceId.empty();
    }
    if (s.deviceIdAsked) return !s.deviceId.empty();
    s.deviceIdAsked = true;
    std::string problem;
    if (s.transport->AskDeviceId(&s.deviceId, &problem)) return true;
    s.deviceId.clear();
    NotePrinter(s, "no device ID: " + problem + "; the engine status needs it (give it with --device-id)");
    return false;
}

// A host without the device ID withdraws that question from the query, so
// that the answers it has are still taken.
void WithdrawDeviceIdQuestion(const PatExports &exports, Query *query) {
    PatInfoNode *previous = nullptr;
    for (PatInfoNode *child = query->tree->pFirstChild; child != nullptr; child = child->pNextSibling) {
        if (child->dwId != PAT_NODE_DEVICE_ID) {
            previous = child;
            continue;
        }
        (previous != nullptr ? previous->pNextSibling : query->tree->pFirstChild) = child->pNextSibling;
        if (query->tree->pLastChild == child) query->tree->pLastChild = previous;
        child->pNextSibling = nullptr;
        FreeInfoTree(exports, child);
        break;
    }
    query->asksDeviceId = false;
}

PollOutcome PollRound(PrinterPoll &s, PrnInfoEx *record, uint32_t flags) {
    Query query;
    uint32_t error = BuildQuery(s.exports, record, flags, &query);
    if (error != 0) {
        NotePrinter(s, "PatCreateQueryInfo failed: " + DescribeLibraryError(error));
        return PollOutcome::Refused;
    }
    std::string reply, problem;
    if (!Exchange(s, query, &reply, &problem)) {
        NotePrinter(s, problem);
        return PollOutcome::NoPrinter;
    }
    if (query.asksDeviceId && !DeviceIdForPoll(s)) WithdrawDeviceIdQuestion(s.exports, &query);
    error = InterpretReply(s.exports, &query, reply, &s.deviceId, record);
    if (error != 0) {
        NotePrinter(s, "PatSetCentroDataTo failed: " + DescribeLibraryError(error));
        return PollOutcome::Refused;
    }
    return PollOutcome::Interpreted;
}

std::set<uint16_t> KnownTrays(const PrnInfoEx &record) {
    std::set<uint16_t> trays;
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr; tray = tray->pNext) trays.insert(tray->wId);
    return trays;
}

std::set<uint16_t> TraysAskedAbout(const PrnInfoEx &record) {
    std::set<uint16_t> trays = KnownTrays(record);
    if (!trays.empty()) return trays;
    // A query asks about the standard trays when the record lists none.
    for (const FamilyTray &tray : kFamilyTrays) {
        if (tray.standard) trays.insert(tray.trayId);
    }
    return trays;
}

}  // namespace

PrinterPoll::PrinterPoll(const PatExports &e, const std::string &address, const PollSettings &settings)
    : exports(e), settings(settings), address(address), printer(address),
      transport(OpenPrinterTransport(address, settings.transport)) {
    if (transport) printer = transport->Name();
}

void NotePrinter(const PrinterPoll &s, const std::string &what) {
    fprintf(stderr, "pathost: %s: %s\n", s.printer.c_str(), what.c_str());
}

PollOutcome PollPrinter(PrinterPoll &s, PrnInfoEx *record) {
    s.deviceIdAsked = false;
    s.deviceId.clear();
    s.replies.clear();
    s.queries = 0;
    const std::set<uint16_t> asked = TraysAskedAbout(*record);
    PollOutcome outcome = PollRound(s, record, s.settings.queryFlags);
    if (outcome != PollOutcome::Interpreted || !(s.settings.queryFlags & PAT_ITEMS_INPUT_TRAYS)) return outcome;
    const std::set<uint16_t> known = KnownTrays(*record);
    const bool newTrays = !std::includes(asked.begin(), asked.end(), known.begin(), known.end());
    return newTrays ? PollRound(s, record, PAT_ITEMS_INPUT_TRAYS) : outcome;
}
