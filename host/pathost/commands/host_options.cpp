#include "commands/host_options.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <variant>

#include <cxxopts.hpp>

#include "commands/commands.h"
#include "library/text_encoding.h"

const HostCommand kHostCommands[] = {
    {"poll", "HOST[:PORT]", CommandTakes::OnePrinter, RunPoll, "poll a printer over raw TCP (port 9100)"},
    {"watch", "HOST[:PORT]...", CommandTakes::Printers, RunWatch, "poll printers every interval, print changes"},
    {"serve", "HOST[:PORT]...", CommandTakes::Printers, RunServe,
     "poll printers every interval, show them on a web page"},
    {"replay", "--reply FILE", CommandTakes::ReplyFile, RunReplay, "interpret a captured reply, offline"},
    {"status", "--state FILE", CommandTakes::StateFile, RunStatus, "show the status of a described printer state"},
    {nullptr, nullptr, CommandTakes::OnePrinter, nullptr, nullptr},
};

namespace {

// How an option's value is read, checked and described when refused.
enum class ValueKind {
    Flag,         // no value
    Text,         // any text
    Address,      // a text that is not empty
    TextList,     // each time it is given, one more text
    Languages,    // L[,L...], or all
    Number,       // 0 to 0xFFFFFFFF, decimal or 0x hex
    Seconds,      // more than 0, at most the row's maximum
    WholeNumber,  // digits, from the row's minimum to its maximum
    SnmpVersion,  // 1 or 2c
};

// The field of HostOptions an option sets; its type goes with the kind.
using OptionField = std::variant<bool HostOptions::*, std::string HostOptions::*,
                                 std::vector<std::string> HostOptions::*, uint32_t HostOptions::*,
                                 double HostOptions::*, int HostOptions::*>;

struct HostOption {
    const char *name;   // null ends the table
    const char *value;  // the value as the usage names it; null for a flag
    ValueKind kind;
    OptionField field;
    double minimum, maximum;      // Seconds (maximum only), WholeNumber
    bool HostOptions::*alsoMarks; // set besides the field, or null
    const char *help;   // the usage's lines for it; null: not listed
};

const HostOption kHostOptions[] = {
    {"lang", "L[,L...]|all", ValueKind::Languages, &HostOptions::languages, 0, 0, nullptr,
     "languages of the names and texts (default EN)"},
    {"source", "N", ValueKind::Number, &HostOptions::sourceType, 0, 0, nullptr,
     "source type: 1, 2, 4, 8 or 0x8000, plus 0x80000000 for\nthe reduced status set (default 1)"},
    {"flags", "N", ValueKind::Number, &HostOptions::queryFlags, 0, 0, nullptr,
     "item selection flags of the query (default 0xA051E)"},
    {"device-id", "TEXT", ValueKind::Text, &HostOptions::deviceId, 0, 0, &HostOptions::deviceIdGiven,
     "the printer's IEEE 1284 device ID (default: asked by SNMP)"},
    {"device-id-file", "FILE", ValueKind::TextList, &HostOptions::deviceIdFiles, 0, 0, &HostOptions::deviceIdGiven,
     "the same, read from a file at every poll; watch, serve:\none for all printers, or given once per printer"},
    {"community", "NAME", ValueKind::Text, &HostOptions::community, 0, 0, nullptr,
     "SNMP community (default public)"},
    {"snmp-port", "N", ValueKind::WholeNumber, &HostOptions::snmpPort, 1, 65535, nullptr,
     "SNMP UDP port (default 161)"},
    {"snmp-version", "1|2c", ValueKind::SnmpVersion, &HostOptions::snmpVersion, 0, 0, nullptr,
     "SNMP version (default 2c)"},
    {"timeout", "SEC", ValueKind::Seconds, &HostOptions::timeoutSeconds, 0, 3600, nullptr,
     "wait this long for the printer, each step (default 5)"},
    {"interval", "SEC", ValueKind::Seconds, &HostOptions::intervalSeconds, 0, 86400, nullptr,
     "watch, serve: seconds between polls (default 10)"},
    {"json", nullptr, ValueKind::Flag, &HostOptions::json, 0, 0, nullptr, "watch: one JSON object per poll"},
    {"port", "N", ValueKind::WholeNumber, &HostOptions::httpPort, 0, 65535, nullptr,
     "serve: the page's TCP port (default 8080; 0: any free one)"},
    {"bind", "ADDR", ValueKind::Address, &HostOptions::bindAddress, 0, 0, nullptr,
     "serve: the address to serve on (default 127.0.0.1)"},
    {"save-reply", "FILE", ValueKind::Text, &HostOptions::saveReplyPath, 0, 0, nullptr,
     "poll: keep the printer's reply for replay"},
    {"picture", "FILE.png", ValueKind::Text, &HostOptions::picturePath, 0, 0, nullptr, "draw the status picture"},
    {"lib", "PATH", ValueKind::Text, &HostOptions::libraryPath, 0, 0, nullptr,
     "the library to load (default: next to pathost)"},
    {"help", nullptr, ValueKind::Flag, &HostOptions::help, 0, 0, nullptr, "this text"},
    // Named in the commands' lines of the usage.
    {"reply", "FILE", ValueKind::Text, &HostOptions::replyFile, 0, 0, nullptr, nullptr},
    {"state", "FILE", ValueKind::Text, &HostOptions::stateFile, 0, 0, nullptr, nullptr},
    // The old name of --flags.
    {"query-flags", "N", ValueKind::Number, &HostOptions::queryFlags, 0, 0, nullptr, nullptr},
    {nullptr, nullptr, ValueKind::Flag, &HostOptions::help, 0, 0, nullptr, nullptr},
};

// The positional words: the command and its printers.
const char kWords[] = "words";
// Where the usage's descriptions begin: after the commands' lines and the options' names.
const size_t kCommandColumn = 40, kOptionColumn = 23;

const HostOption *FindOption(const std::string &name) {
    for (const HostOption *option = kHostOptions; option->name != nullptr; ++option) {
        if (name == option->name) return option;
    }
    return nullptr;
}

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

bool ParseWholeNumber(const std::string &text, double minimum, double maximum, int *value) {
    uint32_t number = 0;
    const bool digits = text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || !ParseNumber(text, &number) || number < minimum || number > maximum) return false;
    *value = static_cast<int>(number);
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
std::string Expected(const HostOption &option) {
    char text[96];
    switch (option.kind) {
        case ValueKind::Languages: return "a list of language names, or all";
        case ValueKind::Number: return "a number from 0 to 0xFFFFFFFF (decimal or 0x hex)";
        case ValueKind::Seconds:
            snprintf(text, sizeof text, "seconds, more than 0 and at most %g", option.maximum);
            return text;
        case ValueKind::WholeNumber:
            snprintf(text, sizeof text, "a whole number from %g to %g", option.minimum, option.maximum);
            return text;
        case ValueKind::Address: return "an address";
        case ValueKind::SnmpVersion: return "1 or 2c";
        case ValueKind::Flag:
        case ValueKind::Text:
        case ValueKind::TextList: break;
    }
    return "a value";
}

// Puts the value into the option's field; false when it is refused.
bool ApplyValue(const HostOption &option, const std::string &value, HostOptions *o) {
    if (option.alsoMarks != nullptr) o->*option.alsoMarks = true;
    switch (option.kind) {
        case ValueKind::Flag: o->*std::get<bool HostOptions::*>(option.field) = true; return true;
        case ValueKind::Text: o->*std::get<std::string HostOptions::*>(option.field) = value; return true;
        case ValueKind::Address: return !(o->*std::get<std::string HostOptions::*>(option.field) = value).empty();
        case ValueKind::TextList:
            (o->*std::get<std::vector<std::string> HostOptions::*>(option.field)).push_back(value);
            return true;
        case ValueKind::Languages:
            return !(o->*std::get<std::vector<std::string> HostOptions::*>(option.field) = Languages(value)).empty();
        case ValueKind::Number: return ParseNumber(value, &(o->*std::get<uint32_t HostOptions::*>(option.field)));
        case ValueKind::Seconds:
            return ParseSeconds(value, option.maximum, &(o->*std::get<double HostOptions::*>(option.field)));
        case ValueKind::WholeNumber:
            return ParseWholeNumber(value, option.minimum, option.maximum,
                                    &(o->*std::get<int HostOptions::*>(option.field)));
        case ValueKind::SnmpVersion:
            o->*std::get<int HostOptions::*>(option.field) = value == "1" ? 1 : 2;
            return value == "1" || value == "2c" || value == "2";
    }
    return false;
}

cxxopts::Options Parser() {
    cxxopts::Options parser("pathost");
    auto add = parser.add_options();
    for (const HostOption *option = kHostOptions; option->name != nullptr; ++option) {
        const char *help = option->help != nullptr ? option->help : "";
        if (option->kind == ValueKind::Flag) {
            add(option->name, help);
        } else {
            add(option->name, help, cxxopts::value<std::string>());
        }
    }
    add(kWords, "", cxxopts::value<std::vector<std::string>>());
    parser.parse_positional({kWords});
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

bool TakesPrinters(const HostCommand *command) {
    return command != nullptr &&
           (command->takes == CommandTakes::OnePrinter || command->takes == CommandTakes::Printers);
}

bool TakeWords(const std::vector<std::string> &words, HostOptions *o, std::string *error) {
    if (words.empty()) return true;
    o->command = words[0];
    o->printers.assign(words.begin() + 1, words.end());
    if (!o->printers.empty()) o->address = o->printers[0];
    const HostCommand *command = FindHostCommand(o->command);
    const size_t allowed = !TakesPrinters(command)                       ? 0
                           : command->takes == CommandTakes::OnePrinter ? 1
                                                                        : o->printers.size();
    if (o->printers.size() > allowed) *error = "unexpected argument " + o->printers[allowed];
    return error->empty();
}

bool LacksWhatItTakes(const HostCommand &command, const HostOptions &o) {
    switch (command.takes) {
        case CommandTakes::OnePrinter:
        case CommandTakes::Printers: return o.printers.empty();
        case CommandTakes::ReplyFile: return o.replyFile.empty();
        case CommandTakes::StateFile: return o.stateFile.empty();
    }
    return false;
}

bool CheckCommand(const HostOptions &o, std::string *error) {
    const HostCommand *command = FindHostCommand(o.command);
    if (command == nullptr) {
        *error = o.command.empty() ? "no command given" : "unknown command " + o.command;
    } else if (LacksWhatItTakes(*command, o)) {
        *error = o.command + " needs " + command->arguments;
    } else if (o.deviceIdFiles.size() > 1 && o.deviceIdFiles.size() != o.printers.size()) {
        *error = "--device-id-file is given " + std::to_string(o.deviceIdFiles.size()) + " times for " +
                 std::to_string(o.printers.size()) + (o.printers.size() == 1 ? " printer" : " printers") +
                 " (once for all, or once per printer)";
    }
    return error->empty();
}

// The text padded to the column, and each further line of `help` indented to it.
std::string Described(const std::string &text, size_t column, const std::string &help) {
    std::string line = text + std::string(text.size() < column ? column - text.size() : 1, ' ');
    for (char c : help) line += c == '\n' ? "\n" + std::string(column + 2, ' ') : std::string(1, c);
    return line + "\n";
}

}  // namespace

const HostCommand *FindHostCommand(const std::string &name) {
    for (const HostCommand *command = kHostCommands; command->name != nullptr; ++command) {
        if (name == command->name) return command;
    }
    return nullptr;
}

std::string DeviceIdFileOf(const HostOptions &options, size_t index) {
    if (options.deviceIdFiles.empty()) return "";
    return options.deviceIdFiles.size() == 1 ? options.deviceIdFiles[0] : options.deviceIdFiles.at(index);
}

PollSettings PollSettingsOf(const HostOptions &options, size_t index) {
    PollSettings settings;
    settings.queryFlags = options.queryFlags;
    settings.transport.timeoutSeconds = options.timeoutSeconds;
    settings.transport.snmpPort = options.snmpPort;
    settings.transport.community = options.community;
    settings.transport.snmpVersion = options.snmpVersion;
    settings.deviceIdGiven = options.deviceIdGiven;
    settings.deviceId = options.deviceId;
    settings.deviceIdFile = DeviceIdFileOf(options, index);
    return settings;
}

ReportSettings ReportSettingsOf(const HostOptions &options) {
    ReportSettings settings;
    settings.languages = options.languages;
    settings.sourceType = options.sourceType;
    settings.picturePath = options.picturePath;
    return settings;
}

PageSettings PageSettingsOf(const HostOptions &options) {
    PageSettings settings;
    settings.language = options.languages.at(0);
    settings.intervalSeconds = options.intervalSeconds;
    settings.port = options.httpPort;
    settings.bindAddress = options.bindAddress;
    return settings;
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
        for (const cxxopts::KeyValue &given : result.arguments()) {
            const HostOption *option = FindOption(given.key());
            if (option != nullptr && !ApplyValue(*option, given.value(), o)) {
                *error = "bad value for --" + given.key() + ": \"" + given.value() + "\" (" + Expected(*option) +
                         " expected)";
                return false;
            }
        }
        if (result.count(kWords) != 0 && !TakeWords(result[kWords].as<std::vector<std::string>>(), o, error)) {
            return false;
        }
    } catch (const cxxopts::exceptions::exception &refusal) {
        *error = PlainQuotes(refusal.what());
        return false;
    }
    return CheckCommand(*o, error);
}

std::string HostUsage() {
    std::string usage;
    for (const HostCommand *command = kHostCommands; command->name != nullptr; ++command) {
        const std::string line = std::string("pathost ") + command->name + " " + command->arguments + " [options]";
        usage += (command == kHostCommands ? "usage: " : "       ") + Described(line, kCommandColumn, command->help);
    }
    usage +=
        "HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]:9100);\n"
        "usb:DEVICE in place of HOST[:PORT] names a USB printer port (Linux: usb:/dev/usb/lp0)\n"
        "options (--opt VALUE or --opt=VALUE):\n";
    for (const HostOption *option = kHostOptions; option->name != nullptr; ++option) {
        if (option->help == nullptr) continue;
        const std::string name = std::string("--") + option->name + (option->value != nullptr ? " " : "") +
                                 (option->value != nullptr ? option->value : "");
        usage += "  " + Described(name, kOptionColumn, option->help);
    }
    return usage + "exit status: 0 done, 1 the library or a file refused, 2 usage, 3 no printer answered\n";
}
