// The way to a printer that a poll talks over: a raw TCP connection to its
// PJL port, or a USB printer-class port.  Both carry the same query texts and
// the same answers, each closed by a form feed.
#pragma once

#include <stddef.h>

#include <chrono>
#include <string>

enum class ReceiveEnd {
    Complete,  // every expected answer is closed by its form feed
    Closed,    // the printer closed the connection (or went away) first
    TimedOut,  // the deadline passed first
    Failed,    // the connection broke
    TooLong,   // more than kMaxReplyBytes arrived without the answers closing
};

// Far above any real reply (a whole poll's answers are a few kilobytes): a
// printer that streams on without closing its answers is cut off here, so
// the host's memory stays flat whatever the printer sends.
const size_t kMaxReplyBytes = 4u << 20;

class PrinterTransport {
public:
    virtual ~PrinterTransport() = default;

    // Sends the whole text; false with the reason when it cannot.
    virtual bool Send(const std::string &text, std::string *error) = 0;

    // Appends what arrives to *reply until `answers` form feeds have come
    // (counting from this call), or the printer closes, or `timeoutSeconds`
    // pass, or the reply would grow past kMaxReplyBytes.  A transport that
    // was closed stays closed for later calls.
    ReceiveEnd Receive(int answers, double timeoutSeconds, std::string *reply);

    // The printer closed the connection (some take one job per connection).
    bool ClosedByPeer() const { return closedByPeer_; }

protected:
    enum class ReadOutcome {
        Data,    // *got bytes arrived
        Retry,   // nothing this time (interrupted, or not ready after all)
        Closed,  // the printer closed the connection, or went away
        Failed,  // the connection broke
    };

    // Waits up to `seconds` for something to read; false on timeout.
    virtual bool WaitReadable(double seconds) = 0;
    // Reads what has arrived, at most `capacity` bytes.
    virtual ReadOutcome ReadSome(char *buffer, size_t capacity, size_t *got) = 0;

private:
    bool closedByPeer_ = false;
};

// Seconds from `start` to now, for deadlines.
double SecondsSince(std::chrono::steady_clock::time_point start);
