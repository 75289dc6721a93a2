// A raw TCP connection to a printer's PJL port (9100 by convention): the
// host sends query texts and reads the answers, each closed by a form feed.
#pragma once

#include <stdint.h>

#include <string>

#include "printer/printer_transport.h"

class PrinterConnection : public PrinterChannel {
public:
    PrinterConnection();
    ~PrinterConnection() override;
    PrinterConnection(const PrinterConnection &) = delete;
    PrinterConnection &operator=(const PrinterConnection &) = delete;

    bool Connect(const std::string &host, int port, double timeoutSeconds, std::string *error);
    bool Send(const std::string &text, std::string *error) override;

protected:
    bool WaitReadable(double seconds) override;
    ReadOutcome ReadSome(char *buffer, size_t capacity, size_t *got) override;

private:
    intptr_t socket_;
};

// "HOST[:PORT]", HOST a name or an IPv4 address, or "[IPv6][:PORT]" (a bare
// IPv6 address has no port); false when the port is not a number from 1 to
// 65535.
bool SplitHostAndPort(const std::string &address, int defaultPort, std::string *host, int *port);
