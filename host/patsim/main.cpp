// patsim: a printer of this family on the loopback interface, answering
// PJL status queries from a state file.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <iostream>
#include <string>

#include "device_id.h"
#include "pjl_answers.h"
#include "sim_server.h"

namespace {

const char kUsage[] =
    "usage: patsim [options] STATE       serve STATE on 127.0.0.1\n"
    "       patsim --device-id STATE     print the device ID of STATE\n"
    "       patsim --answer STATE        answer the PJL lines on standard input\n"
    "options:\n"
    "  --port N          TCP port (default 9100; 0 picks a free one)\n"
    "  --port-file FILE  write the port to FILE once listening\n"
    "  --lifetime SEC    stop after SEC seconds (default 600)\n"
    "  --connections N   stop after serving N connections\n"
    "  --idle SEC        close a connection silent for SEC seconds (default 30)\n"
    "  --fault MODE      misbehave: silent, garbage, partial, close-early, or\n"
    "                    close-after-job (a printer that takes one job per connection),\n"
    "                    or endless (an answer that streams on and never closes)\n"
    "  --verbose         log connections and requests to standard error\n";

enum class Mode { Serve, DeviceId, Answer };

struct Arguments {
    Mode mode = Mode::Serve;
    std::string statePath;
    ServerSettings server;
};

bool ParseNumber(const char *text, double minimum, double *value) {
    char *end = nullptr;
    *value = strtod(text, &end);
    return end != text && *end == '\0' && *value >= minimum;
}

bool ParseFlag(const std::string &option, Arguments *args) {
    if (option == "--device-id") args->mode = Mode::DeviceId;
    else if (option == "--answer") args->mode = Mode::Answer;
    else if (option == "--verbose") args->server.verbose = true;
    else return false;
    return true;
}

bool ParseValue(const std::string &option, const char *value, ServerSettings *server) {
    if (option == "--port-file") {
        server->portFile = value;
        return true;
    }
    if (option == "--fault") return ParseFault(value, &server->fault);
    double number = 0;
    if (!ParseNumber(value, 0, &number)) return false;
    if (option == "--port" && number <= 65535) server->port = static_cast<int>(number);
    else if (option == "--lifetime") server->lifetimeSeconds = number;
    else if (option == "--connections") server->maxConnections = static_cast<int>(number);
    else if (option == "--idle") server->idleSeconds = number;
    else return false;
    return true;
}

bool ParseOption(int argc, char **argv, int *i, Arguments *args) {
    const std::string option = argv[*i];
    if (ParseFlag(option, args)) return true;
    return *i + 1 < argc && ParseValue(option, argv[++*i], &args->server);
}

bool ParseArguments(int argc, char **argv, Arguments *args) {
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--", 2) == 0) {
            const char *option = argv[i];
            if (!ParseOption(argc, argv, &i, args)) {
                fprintf(stderr, "patsim: unknown option, or a bad or missing value: %s\n", option);
                return false;
            }
        } else if (args->statePath.empty()) {
            args->statePath = argv[i];
        } else {
            return false;
        }
    }
    return !args->statePath.empty();
}

int AnswerStandardInput(const PrinterDescription &printer) {
    const std::string requests((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    fputs(AnswerPjlRequests(printer, requests).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    Arguments args;
    if (!ParseArguments(argc, argv, &args)) {
        fputs(kUsage, stderr);
        return 2;
    }
    PrinterDescription printer;
    std::string error;
    if (!ReadStateFile(args.statePath, &printer, &error)) {
        fprintf(stderr, "patsim: %s\n", error.c_str());
        return 1;
    }
    switch (args.mode) {
        case Mode::DeviceId: printf("%s\n", DeviceIdOf(printer).c_str()); return 0;
        case Mode::Answer: return AnswerStandardInput(printer);
        case Mode::Serve: break;
    }
    return Serve(printer, args.server);
}
