// The way to a printer that a poll talks over, opened from the printer's
// address: a raw TCP connection to its PJL port, or a USB printer-class port.
// Both carry the same query texts and the same answers, each closed by a
// form feed, and each asks the printer for its device ID its own way.
#pragma once

#include <stddef.h>

#include <chrono>
#include <memory>
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

// The answers a text closes: each ends with a form feed.
int CountAnswers(const char *bytes, size_t size);
inline int CountAnswers(const std::string &text) { return CountAnswers(text.data(), text.size()); }

// One connection to the printer: a socket, or an open port.
class PrinterChannel {
public:
    virtual ~PrinterChannel() = default;

    // Sends the whole text; false with the reason when it cannot.
    virtual bool Send(const std::string &text, std::string *error) = 0;

    // Appends what arrives to *reply until `answers` form feeds have come
    // (counting from this call), or the printer closes, or `timeoutSeconds`
    // pass, or the reply would grow past kMaxReplyBytes.  A channel that
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

// How long to wait for a printer, and how to ask one on the network by SNMP.
struct TransportSettings {
    double timeoutSeconds = 5;  // each step: connection, a write, the answers, SNMP
    int snmpPort = 161;
    std::string community = "public";
    int snmpVersion = 2;        // 1 or 2 (v2c)
};

// A printer at an address.  It connects for a query when it is not
// connected, or when the printer closed the connection after the previous one.
class PrinterTransport {
public:
    virtual ~PrinterTransport() = default;

    // The printer as messages name it: HOST:PORT, or usb:DEVICE.
    const std::string &Name() const { return name_; }

    // False with the reason when no connection can be had.
    bool Connect(std::string *error);
    bool Connected() const { return channel_ != nullptr; }
    // Drops the connection and whatever is still on its way.
    void Disconnect() { channel_.reset(); }

    // Of the connection: see PrinterChannel.
    bool Send(const std::string &text, std::string *error) { return channel_->Send(text, error); }
    ReceiveEnd Receive(int answers, double timeoutSeconds, std::string *reply) {
        return channel_->Receive(answers, timeoutSeconds, reply);
    }

    // The printer's IEEE 1284 device ID; false with the reason when there is none.
    virtual bool AskDeviceId(std::string *deviceId, std::string *problem) = 0;

protected:
    explicit PrinterTransport(const std::string &name) : name_(name) {}
    virtual std::unique_ptr<PrinterChannel> OpenChannel(std::string *error) = 0;

private:
    std::string name_;
    std::unique_ptr<PrinterChannel> channel_;
};

// The transport of "usb:DEVICE" (the device ID from the kernel) or of
// "HOST[:PORT]" (TCP, port 9100 unless given; the device ID by SNMP); null
// when the address is neither.
std::unique_ptr<PrinterTransport> OpenPrinterTransport(const std::string &address,
                                                       const TransportSettings &settings);

// Seconds from `start` to now, for deadlines.
double SecondsSince(std::chrono::steady_clock::time_point start);
