// The simulator's TCP server on the loopback interface: one thread, many
// connections at once, each answered line by line as its requests arrive.
// It ends by itself after its lifetime or a given number of connections, so
// a forgotten simulator never outlives a test run for long.
#pragma once

#include <string>

#include "printer_description.h"

// Ways to misbehave, for trying a host against printers that do.
enum class Fault {
    None,
    Silent,      // reads everything, answers nothing
    Garbage,     // answers every request with noise and a form feed, no echo
    Partial,     // answers the first request only, then stays silent
    CloseEarly,  // answers the first request, then closes the connection
    CloseAfterJob,  // answers a whole job, then closes the connection, as some printers do
    Endless,     // starts the first answer and streams on without ever closing it
};

bool ParseFault(const std::string &name, Fault *fault);

struct ServerSettings {
    int port = 9100;               // 0: any free port
    std::string portFile;          // where to write the port, if not empty
    double lifetimeSeconds = 600;  // the server stops after this long
    int maxConnections = 0;        // stop after serving this many; 0: no limit
    double idleSeconds = 30;       // a connection silent for this long is closed
    Fault fault = Fault::None;
    bool verbose = false;          // log connections and requests to stderr
};

// Serves until the lifetime ends, the connection limit is reached, or
// SIGINT/SIGTERM arrives.  Returns a process exit status; prints the port it
// listens on to stdout once it is ready.
int Serve(const PrinterDescription &printer, const ServerSettings &settings);
