#include "host_options.h"

#include <stdlib.h>

#include "text_encoding.h"

const char kHostUsage[] =
    "usage: pathost poll HOST[:PORT] [options]   poll a printer over raw TCP (port 9100)\n"
    "       pathost replay --reply FILE [options] interpret a captured reply, offline\n"
    "       pathost status --state FILE [options] show the status of a described printer state\n"
    "options:\n"
    "  --lang L[,L...]|all    languages of the names and texts (default EN)\n"
    "  --source N             source type: 1, 2, 4, 8 or 0x8000, plus 0x80000000 for\n"
    "                         the reduced status set (default 1)\n"
    "  --flags N              item selection flags of the query (default 0xA051E)\n"
    "  --device-id TEXT       the printer's IEEE 1284 device ID, when the query asks for it\n"
    "  --device-id-file FILE  the same, read from a file\n"
    "  --timeout SEC          poll: wait this long for the printer (default 5)\n"
    "  --save-reply FILE      poll: keep the printer's reply for replay\n"
    "  --picture FILE.png     draw the status picture\n"
    "  --lib PATH             the library to load (default: next to pathost)\n"
    "exit status: 0 done, 1 the library or a file refused, 2 usage, 3 no printer answered\n";

namespace {

bool ParseNumber(const std::string &text, uint32_t *value) {
    char *end = nullptr;
    const unsigned long number = strtoul(text.c_str(), &end, 0);
    *value = static_cast<uint32_t>(number);
    return !text.empty() && *end == '\0' && text[0] != '-';
}

bool ParseSeconds(const std::string &text, double *value) {
    char *end = nullptr;
    *value = strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && *value > 0 && *value <= 3600;
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

bool ApplyOption(const std::string &option, const std::string &value, HostOptions *o, std::string *error) {
    bool ok = true;
    if (option == "--lib") o->libraryPath = value;
    else if (option == "--lang") ok = !(o->languages = Languages(value)).empty();
    else if (option == "--source") ok = ParseNumber(value, &o->sourceType);
    else if (option == "--flags" || option == "--query-flags") ok = ParseNumber(value, &o->queryFlags);
    else if (option == "--timeout") ok = ParseSeconds(value, &o->timeoutSeconds);
    else if (option == "--device-id") o->deviceId = value, o->deviceIdGiven = true;
    else if (option == "--device-id-file") o->deviceIdFile = value, o->deviceIdGiven = true;
    else if (option == "--reply") o->replyFile = value;
    else if (option == "--state") o->stateFile = value;
    else if (option == "--picture") o->picturePath = value;
    else if (option == "--save-reply") o->saveReplyPath = value;
    else {
        *error = "unknown option " + option;
        return false;
    }
    if (!ok) *error = "bad value for " + option + ": \"" + value + "\"";
    return ok;
}

bool CheckCommand(const HostOptions &o, std::string *error) {
    if (o.command == "poll" && o.address.empty()) *error = "poll needs HOST[:PORT]";
    else if (o.command == "replay" && o.replyFile.empty()) *error = "replay needs --reply FILE";
    else if (o.command == "status" && o.stateFile.empty()) *error = "status needs --state FILE";
    else if (o.command != "poll" && o.command != "replay" && o.command != "status") {
        *error = o.command.empty() ? "no command given" : "unknown command " + o.command;
    }
    return error->empty();
}

}  // namespace

bool ParseHostOptions(int argc, char **argv, HostOptions *o, std::string *error) {
    error->clear();
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc) {
                *error = word + " needs a value";
                return false;
            }
            if (!ApplyOption(word, argv[++i], o, error)) return false;
        } else if (o->command.empty()) {
            o->command = word;
        } else if (o->command == "poll" && o->address.empty()) {
            o->address = word;
        } else {
            *error = "unexpected argument " + word;
            return false;
        }
    }
    return CheckCommand(*o, error);
}
