#include "commands/host_options.h"

#include <stdlib.h>

#include <cxxopts.hpp>

#include "library/text_encoding.h"

const char kHostUsage[] =
    "usage: pathost poll HOST[:PORT] [options]      poll a printer over raw TCP (port 9100)\n"
    "       pathost watch HOST[:PORT]... [options]  poll printers every interval, print changes\n"
    "       pathost serve HOST[:PORT]... [options]  poll printers every interval, show them on a web page\n"
    "       pathost replay --reply FILE [options]   interpret a captured reply, offline\n"
    "       pathost status --state FILE [options]   show the status of a described printer state\n"
    "HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]:9100);\n"
    "usb:DEVICE in place of HOST[:PORT] names a USB printer port (Linux: usb:/dev/usb/lp0)\n"
    "options (--opt VALUE or --opt=VALUE):\n"
    "  --lang L[,L...]|all    languages of the names and texts (default EN)\n"
    "  --source N             source type: 1, 2, 4, 8 or 0x8000, plus 0x80000000 for\n"
    "                         the reduced status set (default 1)\n"
    "  --flags N              item selection flags of the query (default 0xA051E)\n"
    "  --device-id TEXT       the printer's IEEE 1284 device ID (default: asked by SNMP)\n"
    "  --device-id-file FILE  the same, read from a file at every poll; watch, serve:\n"
    "                         one for all printers, or given once per printer\n"
    "  --community NAME       SNMP community (default public)\n"
    "  --snmp-port N          SNMP UDP port (default 161)\n"
    "  --snmp-version 1|2c    SNMP version (default 2c)\n"
    "  --timeout SEC          wait this long for the printer, each step (default 5)\n"
    "  --interval SEC         watch, serve: seconds between polls (default 10)\n"
    "  --json                 watch: one JSON object per poll\n"
    "  --port N               serve: the page's TCP port (default 8080; 0: any free one)\n"
    "  --bind ADDR            serve: the address to serve on (default 127.0.0.1)\n"
    "  --save-reply FILE      poll: keep the printer's reply for replay\n"
    "  --picture FILE.png     draw the status picture\n"
    "  --lib PATH             the library to load (default: next to pathost)\n"
    "  --help                 this text\n"
    "exit status: 0 done, 1 the library or a file refused, 2 usage, 3 no printer answered\n";

namespace {

bool ParseNumber(const std::string &text, uint32_t *value) {
    char *end = nullptr;
    const unsigned long long number = strtoull(text.c_str(), &end, 0);
    *value = static_cast<uint32_t>(number);
    return !text.empty() && *end == '\0' && text[0] != '-' && text[0] != '+' && text[0] != ' ' &&
           number <= 0xFFFFFFFFull;
}

bool ParseSeconds(const std::string &text, double maximum, double *value) {
    char *end = nullptr;
    *value = strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && *value > 0 && *value <= maximum;
}

bool ParsePort(const std::string &text, uint32_t lowest, int *port) {
    uint32_t number = 0;
    const bool digits = text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || !ParseNumber(text, &number) || number < lowest || number > 65535) return false;
    *port = static_cast<int>(number);
    return true;
}

std::vector<std::string> Languages(const std::string &list) {
    if (list == "all") return AllLibraryLanguages();
    std::vector<std::string> languages;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!name.empty()) languages.push_back(name);
        start = comma == std::string::npos ? list.size() + 1 : comma + 1;
    }
    return languages;
}

// Why a value is refused: what the option takes.
std::string Expected(const std::string &option) {
    if (option == "lang") return "a list of language names, or all";
    if (option == "source" || option == "flags") return "a number from 0 to 0xFFFFFFFF (decimal or 0x hex)";
    if (option == "timeout") return "seconds, more than 0 and at most 3600";
    if (option == "interval") return "seconds, more than 0 and at most 86400";
    if (option == "snmp-port") return "a whole number from 1 to 65535";
    if (option == "port") return "a whole number from 0 to 65535";
    if (option == "bind") return "an address";
    if (option == "snmp-version") return "1 or 2c";
    return "a value";
}

bool ApplyValue(const std::string &option, const std::string &value, HostOptions *o) {
    if (option == "lib") o->libraryPath = value;
    else if (option == "lang") return !(o->languages = Languages(value)).empty();
    else if (option == "source") return ParseNumber(value, &o->sourceType);
    else if (option == "flags") return ParseNumber(value, &o->queryFlags);
    else if (option == "timeout") return ParseSeconds(value, 3600, &o->timeoutSeconds);
    else if (option == "interval") return ParseSeconds(value, 86400, &o->intervalSeconds);
    else if (option == "snmp-port") return ParsePort(value, 1, &o->snmpPort);
    else if (option == "port") return ParsePort(value, 0, &o->httpPort);
    else if (option == "bind") return !(o->bindAddress = value).empty();
    else if (option == "snmp-version") {
        o->snmpVersion = value == "1" ? 1 : 2;
        return value == "1" || value == "2c" || value == "2";
    } else if (option == "community") o->community = value;
    else if (option == "device-id") o->deviceId = value, o->deviceIdGiven = true;
    else if (option == "device-id-file") o->deviceIdFiles.push_back(value), o->deviceIdGiven = true;
    else if (option == "reply") o->replyFile = value;
    else if (option == "state") o->stateFile = value;
    else if (option == "picture") o->picturePath = value;
    else if (option == "save-reply") o->saveReplyPath = value;
    return true;
}

const char *const kValueOptions[] = {"lib",       "lang",           "source",     "flags",     "timeout",
                                     "interval",  "snmp-port",      "snmp-version", "community", "device-id",
                                     "device-id-file", "reply",     "state",      "picture",   "save-reply",
                                     "port",      "bind"};

cxxopts::Options Parser() {
    cxxopts::Options parser("pathost");
    auto add = parser.add_options();
    for (const char *name : kValueOptions) add(name, "", cxxopts::value<std::string>());
    add("query-flags", "", cxxopts::value<std::string>());  // the old name of --flags
    add("json", "");
    add("help", "");
    add("words", "", cxxopts::value<std::vector<std::string>>());
    parser.parse_positional({"words"});
    return parser;
}

// cxxopts quotes names with typographic quotes on some platforms: one
// spelling everywhere.
std::string PlainQuotes(std::string text) {
    for (const char *quote : {"\xE2\x80\x98", "\xE2\x80\x99", "'"}) {
        for (size_t at = text.find(quote); at != std::string::npos; at = text.find(quote, at + 1)) {
            text.replace(at, strlen(quote), "\"");
        }
    }
    return text;
}

// The commands that poll a list of printers.
bool TakesPrinterList(const std::string &command) { return command == "watch" || command == "serve"; }

bool TakeWords(const std::vector<std::string> &words, HostOptions *o, std::string *error) {
    if (words.empty()) return true;
    o->command = words[0];
    o->printers.assign(words.begin() + 1, words.end());
    if (!o->printers.empty()) o->address = o->printers[0];
    const size_t allowed = TakesPrinterList(o->command) ? o->printers.size() : o->command == "poll" ? 1 : 0;
    if (o->printers.size() > allowed) *error = "unexpected argument " + o->printers[allowed];
    return error->empty();
}

bool CheckCommand(const HostOptions &o, std::string *error) {
    if (o.command == "poll" && o.address.empty()) *error = "poll needs HOST[:PORT]";
    else if (TakesPrinterList(o.command) && o.printers.empty()) *error = o.command + " needs HOST[:PORT]...";
    else if (o.command == "replay" && o.replyFile.empty()) *error = "replay needs --reply FILE";
    else if (o.command == "status" && o.stateFile.empty()) *error = "status needs --state FILE";
    else if (o.command != "poll" && o.command != "watch" && o.command != "serve" && o.command != "replay" &&
             o.command != "status") {
        *error = o.command.empty() ? "no command given" : "unknown command " + o.command;
    } else if (o.deviceIdFiles.size() > 1 && o.deviceIdFiles.size() != o.printers.size()) {
        *error = "--device-id-file is given " + std::to_string(o.deviceIdFiles.size()) + " times for " +
                 std::to_string(o.printers.size()) + (o.printers.size() == 1 ? " printer" : " printers") +
                 " (once for all, or once per printer)";
    }
    return error->empty();
}

}  // namespace

std::string DeviceIdFileOf(const HostOptions &options, size_t index) {
    if (options.deviceIdFiles.empty()) return "";
    return options.deviceIdFiles.size() == 1 ? options.deviceIdFiles[0] : options.deviceIdFiles.at(index);
}

bool ParseHostOptions(int argc, char **argv, HostOptions *o, std::string *error) {
    error->clear();
    try {
        cxxopts::Options parser = Parser();
        const cxxopts::ParseResult result = parser.parse(argc, argv);
        if (result.count("help") != 0) {
            o->help = true;
            return true;
        }
        for (const cxxopts::KeyValue &option : result.arguments()) {
            const std::string name = option.key() == "query-flags" ? "flags" : option.key();
            if (name == "words") continue;
            if (name == "json") {
                o->json = true;
            } else if (!ApplyValue(name, option.value(), o)) {
                *error = "bad value for --" + option.key() + ": \"" + option.value() + "\" (" + Expected(name) +
                         " expected)";
                return false;
            }
        }
        if (result.count("words") != 0 && !TakeWords(result["words"].as<std::vector<std::string>>(), o, error)) {
            return false;
        }
    } catch (const cxxopts::exceptions::exception &refusal) {
        *error = PlainQuotes(refusal.what());
        return false;
    }
    return CheckCommand(*o, error);
}
