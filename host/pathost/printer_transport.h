// The way to a printer that a poll talks over: a raw TCP connection to its
// PJL port, or a USB printer-class port.  Both carry the same query texts and
// the same answers, each closed by a form feed.
#pragma once

#include <stddef.h>

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
    virtual ReceiveEnd Receive(int answers, double timeoutSeconds, std::string *reply) = 0;

    // The printer closed the connection (some take one job per connection).
    virtual bool ClosedByPeer() const = 0;
};

// Counts the form feeds that close answers in `size` bytes.
inline int CountFormFeeds(const char *bytes, size_t size) {
    int count = 0;
    for (size_t i = 0; i < size; ++i) count += bytes[i] == '\f';
    return count;
}
