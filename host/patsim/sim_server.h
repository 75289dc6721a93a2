// The simulator's TCP server on the loopback interface: one thread, many
// connections at once, each answered line by line as its requests arrive.
// It ends by itself after its lifetime or a given number of connections, so
// a forgotten simulator never outlives a test run for long.
#pragma once

#include <atomic>
#include <string>
#include <vector>

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

// Every fault's name: "none, silent, ... or endless".
std::string FaultNames();

struct ServerSettings {
    int port = 9100;               // 0: any free port
    std::string portFile;          // where to write the port, if not empty
    double lifetimeSeconds = 600;  // the server stops after this long
    int maxConnections = 0;        // stop after serving this many; 0: no limit
    double idleSeconds = 30;       // a connection silent for this long is closed
    Fault fault = Fault::None;
    bool verbose = false;          // log connections and requests to stderr
    std::string deviceIdFile;      // kept holding the current state's device ID, if not empty
    // Ends the server when it turns true: for a server on a thread of another
    // program, whose signals are its own.
    const std::atomic<bool> *stop = nullptr;
};

// One step of a script of states: the printer in this state (and with this
// fault) for so many seconds.  A script runs in a loop.
struct ScriptStep {
    PrinterDescription printer;
    double seconds = 0;
    Fault fault = Fault::None;
};

// "STATE SECONDS [FAULT]" per line, "#" comments; state paths are relative
// to the script's folder.  False with a message when a line is refused.
bool ReadScriptFile(const std::string &path, std::vector<ScriptStep> *script, std::string *error);

// The signals of a simulator process: SIGINT and SIGTERM end the server,
// SIGUSR1 moves a script on to its next state at once; SIGPIPE is ignored.
void HandleServerSignals();

// Serves until the lifetime ends, the connection limit is reached, `stop`
// turns true, or (after HandleServerSignals) SIGINT or SIGTERM arrives.
// Returns a process exit status; prints the port it listens on to stdout
// once it is ready.
int Serve(const PrinterDescription &printer, const ServerSettings &settings);
// The same, going through the script's states (the faults of the script's
// steps take the place of the settings' fault).
int ServeScript(const std::vector<ScriptStep> &script, const ServerSettings &settings);
