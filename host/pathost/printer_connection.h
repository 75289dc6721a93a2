// A raw TCP connection to a printer's PJL port (9100 by convention): the
// host sends query texts and reads the answers, each closed by a form feed.
#pragma once

#include <stdint.h>

#include <string>

#include "printer_transport.h"

class PrinterConnection : public PrinterTransport {
public:
    PrinterConnection();
    ~PrinterConnection() override;
    PrinterConnection(const PrinterConnection &) = delete;
    PrinterConnection &operator=(const PrinterConnection &) = delete;

    bool Connect(const std::string &host, int port, double timeoutSeconds, std::string *error);
    bool Send(const std::string &text, std::string *error) override;

    // Appends what arrives to *reply until `answers` form feeds have come
    // (counting from this call), or the printer closes, or `timeoutSeconds`
    // pass, or the reply would grow past kMaxReplyBytes.  A connection that was closed stays closed for later calls.
    ReceiveEnd Receive(int answers, double timeoutSeconds, std::string *reply) override;

    // The printer closed the connection (some take one job per connection).
    bool ClosedByPeer() const override { return closedByPeer_; }

private:
    intptr_t socket_;
    bool closedByPeer_ = false;
};

// "HOST[:PORT]", HOST a name or an IPv4 address, or "[IPv6][:PORT]" (a bare
// IPv6 address has no port); false when the port is not a number from 1 to
// 65535.
bool SplitHostAndPort(const std::string &address, int defaultPort, std::string *host, int *port);
