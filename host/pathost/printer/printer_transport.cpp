// The receive loop every channel shares: the deadline, the answers counted
// by their form feeds, the reply cap and the printer's closing.
#include "printer/printer_transport.h"

#include <algorithm>

int CountAnswers(const char *bytes, size_t size) {
    return static_cast<int>(std::count(bytes, bytes + size, '\f'));
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

ReceiveEnd PrinterChannel::Receive(int answers, double timeoutSeconds, std::string *reply) {
    const auto start = std::chrono::steady_clock::now();
    int closed = 0;
    while (closed < answers) {
        if (closedByPeer_) return ReceiveEnd::Closed;
        const double left = timeoutSeconds - SecondsSince(start);
        if (left <= 0 || !WaitReadable(left)) return ReceiveEnd::TimedOut;
        char buffer[4096];
        size_t got = 0;
        switch (ReadSome(buffer, sizeof buffer, &got)) {
            case ReadOutcome::Retry: continue;
            case ReadOutcome::Failed: return ReceiveEnd::Failed;
            case ReadOutcome::Closed: closedByPeer_ = true; continue;
            case ReadOutcome::Data: break;
        }
        if (reply->size() + got > kMaxReplyBytes) return ReceiveEnd::TooLong;
        reply->append(buffer, got);
        closed += CountAnswers(buffer, got);
    }
    return ReceiveEnd::Complete;
}

bool PrinterTransport::Connect(std::string *error) {
    if (channel_ && !channel_->ClosedByPeer()) return true;
    channel_ = OpenChannel(error);
    return channel_ != nullptr;
}
