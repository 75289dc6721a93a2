// patsim: a printer of this family on the loopback interface, answering
// PJL status queries from a state file or a script of states.
#include <stdio.h>
#include <stdlib.h>

#include <iostream>
#include <string>

#include <cxxopts.hpp>

#include "device_id.h"
#include "pjl_answers.h"
#include "sim_server.h"
#include "snmp_pass.h"

namespace {

std::string Usage() {
    return "usage: patsim [options] STATE       serve STATE on 127.0.0.1\n"
           "       patsim [options] --script FILE  serve the states of a script, one after another\n"
           "       patsim --device-id STATE     print the device ID of STATE\n"
           "       patsim --answer STATE        answer the PJL lines on standard input\n"
           "       patsim --snmp-pass FILE [--snmp-type TYPE]\n"
           "                                    answer snmpd's pass_persist protocol with the device ID in FILE\n"
           "options (--opt VALUE or --opt=VALUE):\n"
           "  --port N            TCP port (default 9100; 0 picks a free one)\n"
           "  --port-file FILE    write the port to FILE once listening\n"
           "  --device-id-file FILE  keep FILE holding the current state's device ID\n"
           "  --lifetime SEC      stop after SEC seconds (default 600)\n"
           "  --connections N     stop after serving N connections\n"
           "  --idle SEC          close a connection silent for SEC seconds (default 30)\n"
           "  --fault MODE        misbehave in one of these ways (docs/reference-host.md):\n"
           "                      " + FaultNames() + "\n"
           "  --verbose           log connections and requests to standard error\n"
           "  --help              this text\n"
           "a script has one \"STATE SECONDS [FAULT]\" per line; it starts again after its last line;\n"
           "SIGUSR1 moves it on to its next state at once\n";
}

enum class Mode { Serve, DeviceId, Answer, SnmpPass };

struct Arguments {
    Mode mode = Mode::Serve;
    std::string statePath;
    std::string scriptPath;
    std::string snmpFile, snmpType = "string";
    ServerSettings server;
};

// A whole number from `minimum` to `maximum`, digits only.
bool WholeNumber(const std::string &text, long minimum, long maximum, long *value) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *value = atol(text.c_str());
    return *value >= minimum && *value <= maximum;
}

bool Seconds(const std::string &text, double *value) {
    char *end = nullptr;
    *value = strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && *value > 0 && *value <= 86400;
}

// Takes one option's value; false with the reason.
bool Apply(const std::string &name, const std::string &value, Arguments *args, std::string *why) {
    long number = 0;
    ServerSettings &server = args->server;
    if (name == "port") {
        *why = "a whole number from 0 to 65535";
        if (!WholeNumber(value, 0, 65535, &number)) return false;
        server.port = static_cast<int>(number);
    } else if (name == "connections") {
        *why = "a whole number from 0 to 1000000";
        if (!WholeNumber(value, 0, 1000000, &number)) return false;
        server.maxConnections = static_cast<int>(number);
    } else if (name == "lifetime" || name == "idle") {
        *why = "seconds, more than 0 and at most 86400";
        if (!Seconds(value, name == "lifetime" ? &server.lifetimeSeconds : &server.idleSeconds)) return false;
    } else if (name == "fault") {
        *why = FaultNames();
        return ParseFault(value, &server.fault);
    } else if (name == "snmp-type") {
        *why = "string or integer";
        args->snmpType = value;
        return value == "string" || value == "integer";
    } else if (name == "port-file") server.portFile = value;
    else if (name == "device-id-file") server.deviceIdFile = value;
    else if (name == "script") args->scriptPath = value;
    else if (name == "snmp-pass") args->snmpFile = value, args->mode = Mode::SnmpPass;
    return true;
}

cxxopts::Options Parser() {
    cxxopts::Options parser("patsim");
    auto add = parser.add_options();
    for (const char *name : {"port", "port-file", "device-id-file", "lifetime", "connections", "idle", "fault",
                             "script", "snmp-pass", "snmp-type"}) {
        add(name, "", cxxopts::value<std::string>());
    }
    for (const char *name : {"device-id", "answer", "verbose", "help"}) add(name, "");
    add("state", "", cxxopts::value<std::vector<std::string>>());
    parser.parse_positional({"state"});
    return parser;
}

// Returns -1 to go on, or the exit status.
int ParseArguments(int argc, char **argv, Arguments *args) {
    try {
        cxxopts::Options parser = Parser();
        const cxxopts::ParseResult result = parser.parse(argc, argv);
        if (result.count("help") != 0) {
            fputs(Usage().c_str(), stdout);
            return 0;
        }
        if (result.count("device-id") != 0) args->mode = Mode::DeviceId;
        if (result.count("answer") != 0) args->mode = Mode::Answer;
        args->server.verbose = result.count("verbose") != 0;
        for (const cxxopts::KeyValue &option : result.arguments()) {
            std::string why;
            if (option.key() != "state" && !Apply(option.key(), option.value(), args, &why)) {
                fprintf(stderr, "patsim: bad value for --%s: \"%s\" (%s expected)\n", option.key().c_str(),
                        option.value().c_str(), why.c_str());
                return 2;
            }
        }
        const std::vector<std::string> states =
            result.count("state") != 0 ? result["state"].as<std::vector<std::string>>() : std::vector<std::string>();
        if (states.size() > 1) {
            fprintf(stderr, "patsim: unexpected argument %s\n", states[1].c_str());
            return 2;
        }
        if (!states.empty()) args->statePath = states[0];
    } catch (const cxxopts::exceptions::exception &refusal) {
        fprintf(stderr, "patsim: %s\n%s", refusal.what(), Usage().c_str());
        return 2;
    }
    const bool needsState = args->mode != Mode::SnmpPass && args->scriptPath.empty();
    if (needsState && args->statePath.empty()) {
        fprintf(stderr, "patsim: no state file given\n%s", Usage().c_str());
        return 2;
    }
    return -1;
}

int AnswerStandardInput(const PrinterDescription &printer) {
    const std::string requests((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    fputs(AnswerPjlRequests(printer, requests).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    Arguments args;
    const int parsed = ParseArguments(argc, argv, &args);
    if (parsed >= 0) return parsed;
    if (args.mode == Mode::SnmpPass) {
        return ServeSnmpPassPersist(args.snmpFile, args.snmpType);
    }
    std::string error;
    if (!args.scriptPath.empty()) {
        std::vector<ScriptStep> script;
        if (!ReadScriptFile(args.scriptPath, &script, &error)) {
            fprintf(stderr, "patsim: %s\n", error.c_str());
            return 1;
        }
        HandleServerSignals();
        return ServeScript(script, args.server);
    }
    PrinterDescription printer;
    if (!ReadStateFile(args.statePath, &printer, &error)) {
        fprintf(stderr, "patsim: %s\n", error.c_str());
        return 1;
    }
    switch (args.mode) {
        case Mode::DeviceId: printf("%s\n", DeviceIdOf(printer).c_str()); return 0;
        case Mode::Answer: return AnswerStandardInput(printer);
        case Mode::SnmpPass:
        case Mode::Serve: break;
    }
    HandleServerSignals();
    return Serve(printer, args.server);
}
