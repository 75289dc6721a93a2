#include "snmp_pass.h"

#include <stdio.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

// The two objects a printer's device ID is found under, in OID order: the
// enterprise scalar, then the first row of ppmPrinterIEEE1284DeviceId.
const char *const kObjects[] = {".1.3.6.1.4.1.11.2.3.9.1.1.7.0", ".1.3.6.1.4.1.2699.1.2.1.2.1.1.3.1"};

std::vector<unsigned long> Arcs(const std::string &oid) {
    std::vector<unsigned long> arcs;
    std::istringstream parts(oid);
    std::string part;
    while (std::getline(parts, part, '.')) {
        if (!part.empty()) arcs.push_back(std::stoul(part));
    }
    return arcs;
}

}  // namespace

std::string AnswerSnmpPass(const std::string &deviceIdFile, const std::string &type, bool next,
                           const std::string &requested) {
    std::vector<unsigned long> asked;
    try {
        asked = Arcs(requested);
    } catch (const std::exception &) {
        return "";
    }
    const char *object = nullptr;
    for (const char *candidate : kObjects) {
        const std::vector<unsigned long> arcs = Arcs(candidate);
        if (next ? asked < arcs : asked == arcs) {
            object = candidate;
            break;
        }
    }
    if (object == nullptr) return "";
    std::ifstream file(deviceIdFile, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    std::string value = content.str();
    if (type == "integer") value = "42";
    // One line is one value.
    for (char &c : value) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return std::string(object) + "\n" + type + "\n" + value + "\n";
}

int ServeSnmpPassPersist(const std::string &deviceIdFile, const std::string &type) {
    std::string command, oid;
    while (std::getline(std::cin, command)) {
        if (command == "PING") {
            fputs("PONG\n", stdout);
        } else if (command == "get" || command == "getnext") {
            if (!std::getline(std::cin, oid)) break;
            const std::string answer = AnswerSnmpPass(deviceIdFile, type, command == "getnext", oid);
            fputs(answer.empty() ? "NONE\n" : answer.c_str(), stdout);
        } else if (command == "set") {
            std::string value;
            std::getline(std::cin, oid) && std::getline(std::cin, value);
            fputs("not-writable\n", stdout);
        }
        fflush(stdout);
    }
    return 0;
}
