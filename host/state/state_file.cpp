// State files: "key = value" lines; blank lines and lines starting with "#"
// are ignored.  Keys that name a list (tray, output-bin, emulation, option)
// may repeat; every other key may appear once.
#include <stdlib.h>

#include <fstream>
#include <set>
#include <sstream>

#include "printer_description.h"
#include "printer_vocabulary.h"

namespace {

std::string Trim(const std::string &text) {
    const char *blanks = " \t\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> Words(const std::string &text, const char *separators = " \t") {
    std::vector<std::string> words;
    size_t position = 0;
    while ((position = text.find_first_not_of(separators, position)) != std::string::npos) {
        const size_t end = text.find_first_of(separators, position);
        words.push_back(text.substr(position, end - position));
        position = end;
    }
    return words;
}

bool ParseUnsigned(const std::string &text, uint64_t limit, uint64_t *value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *value = strtoull(text.c_str(), nullptr, 10);
    return *value <= limit && text.size() <= 20;
}

class StateParser {
public:
    StateParser(const std::string &origin, PrinterDescription *printer) : origin_(origin), printer_(printer) {}

    bool ParseLine(const std::string &line, int number, std::string *error);

private:
    bool Fail(const std::string &what) {
        message_ = what;
        return false;
    }
    bool ParseEntry(const std::string &key, const std::string &value);
    bool ParseStatus(const std::string &value);
    bool ParseMemory(const std::string &value);
    bool ParseTray(const std::string &value);
    bool ParseOutputBin(const std::string &value);
    bool ParseEmulation(const std::string &value);
    bool ParseOptions(const std::string &value);
    bool ParseYesNo(const std::string &value, bool *flag);
    bool ParseNumber(const std::string &value, uint64_t limit, uint64_t *number);
    bool ParsePrintTray(const std::string &value, std::string *word);

    std::string origin_;
    PrinterDescription *printer_;
    std::set<std::string> seenKeys_;
    std::string message_;
};

bool IsListKey(const std::string &key) {
    return key == "tray" || key == "output-bin" || key == "emulation" || key == "option";
}

bool StateParser::ParseLine(const std::string &rawLine, int number, std::string *error) {
    const std::string line = Trim(rawLine);
    if (line.empty() || line[0] == '#') return true;
    const size_t equals = line.find('=');
    bool ok;
    if (equals == std::string::npos) {
        ok = Fail("expected \"key = value\"");
    } else {
        const std::string key = Trim(line.substr(0, equals));
        if (!IsListKey(key) && !seenKeys_.insert(key).second) {
            ok = Fail("\"" + key + "\" given twice");
        } else {
            ok = ParseEntry(key, Trim(line.substr(equals + 1)));
        }
    }
    if (!ok) *error = origin_ + ":" + std::to_string(number) + ": " + message_;
    return ok;
}

bool StateParser::ParseEntry(const std::string &key, const std::string &value) {
    PrinterDescription &p = *printer_;
    uint64_t number = 0;
    if (key == "maker") p.maker = value;
    else if (key == "model") p.model = value;
    else if (key == "description") p.description = value;
    else if (key == "firmware") p.firmware = value;
    else if (key == "status") return ParseStatus(value);
    else if (key == "status-text") p.statusText = value;
    else if (key == "state") {
        if (!ParseNumber(value, 255, &number)) return false;
        p.stateNumber = static_cast<int>(number);
    } else if (key == "no-response") return ParseYesNo(value, &p.noResponse);
    else if (key == "counter") {
        if (!ParseNumber(value, 0xFFFFFFFFu, &number)) return false;
        p.counter = static_cast<uint32_t>(number);
    } else if (key == "supplies") p.supplies = value;
    else if (key == "memory") return ParseMemory(value);
    else if (key == "tray") return ParseTray(value);
    else if (key == "output-bin") return ParseOutputBin(value);
    else if (key == "emulation") return ParseEmulation(value);
    else if (key == "option") return ParseOptions(value);
    else if (key == "punch") p.punchHoles = Words(value);
    else if (key == "front-cover-tray") return ParsePrintTray(value, &p.frontCoverTray);
    else if (key == "slip-sheet-tray") return ParsePrintTray(value, &p.slipSheetTray);
    else if (key == "chapter-tray") return ParsePrintTray(value, &p.chapterTray);
    else if (key == "zema-memory-usage") p.zemaMemoryUsage = value;
    else if (key == "zema-image-rotation") p.zemaImageRotation = value;
    else if (key == "zema-other") p.zemaOther = value;
    else return Fail("unknown key \"" + key + "\"");
    return true;
}

bool StateParser::ParseNumber(const std::string &value, uint64_t limit, uint64_t *number) {
    if (ParseUnsigned(value, limit, number)) return true;
    return Fail("\"" + value + "\" is not a number from 0 to " + std::to_string(limit));
}

bool StateParser::ParseYesNo(const std::string &value, bool *flag) {
    if (value != "yes" && value != "no") return Fail("expected yes or no, not \"" + value + "\"");
    *flag = value == "yes";
    return true;
}

bool StateParser::ParseStatus(const std::string &value) {
    printer_->statusCodes.clear();
    for (const std::string &word : Words(value, " \t/,")) {
        uint64_t code = 0;
        if (!ParseNumber(word, 0xFFFFFFFFu, &code)) return false;
        printer_->statusCodes.push_back(static_cast<uint32_t>(code));
    }
    return true;
}

bool StateParser::ParseMemory(const std::string &value) {
    const std::vector<std::string> words = Words(value);
    static const struct { const char *unit; uint64_t bytes; } kUnits[] = {
        {"B", 1}, {"KB", 1024}, {"MB", 1024 * 1024}, {"GB", 1024 * 1024 * 1024}};
    uint64_t number = 0;
    if (words.empty() || words.size() > 2 || !ParseNumber(words[0], 0xFFFFFFFFu, &number)) {
        return Fail("expected a memory size such as \"256 MB\"");
    }
    const std::string unit = words.size() == 2 ? words[1] : "B";
    for (const auto &u : kUnits) {
        if (unit == u.unit) {
            printer_->memoryBytes = number * u.bytes;
            return true;
        }
    }
    return Fail("unknown memory unit \"" + unit + "\" (B, KB, MB or GB)");
}

bool StateParser::ParseTray(const std::string &value) {
    const std::vector<std::string> words = Words(value);
    if (words.size() < 4 || words.size() > 5 || (words.size() == 5 && words[4] != "locked")) {
        return Fail("expected \"tray = NAME SIZE LEVEL MEDIA [locked]\"");
    }
    const FamilyTray *vocabulary = FindTrayVocabulary(words[0]);
    if (vocabulary == nullptr) return Fail("unknown tray \"" + words[0] + "\" (tray1..tray4, lct, bypass)");
    if (FindTray(*printer_, words[0]) != nullptr) return Fail("tray \"" + words[0] + "\" described twice");
    if ((vocabulary->levelVariable == nullptr) != (words[2] == "-")) {
        return Fail(vocabulary->levelVariable == nullptr ? "the bypass tray has no level: write \"-\""
                                                         : "a level is needed (END, 1/5 .. 4/5, FULL)");
    }
    printer_->trays.push_back(TrayState{words[0], words[1], words[2], words[3], words.size() == 5});
    return true;
}

bool StateParser::ParseOutputBin(const std::string &value) {
    const std::vector<std::string> words = Words(value);
    if (words.size() != 2) return Fail("expected \"output-bin = NAME STATE\"");
    printer_->outputBins.push_back(OutputBinState{words[0], words[1]});
    return true;
}

bool StateParser::ParseEmulation(const std::string &value) {
    const std::vector<std::string> words = Words(value);
    if (words.size() != 2) return Fail("expected \"emulation = NAME VERSION\"");
    printer_->emulations.push_back(EmulationState{words[0], words[1]});
    return true;
}

bool StateParser::ParseOptions(const std::string &value) {
    const std::vector<std::string> names = Words(value);
    if (names.empty()) return Fail("expected one or more option names");
    for (const std::string &name : names) {
        if (FindOptionVocabulary(name) == nullptr) return Fail("unknown option \"" + name + "\"");
        if (!HasOption(*printer_, name)) printer_->options.push_back(name);
    }
    return true;
}

bool StateParser::ParsePrintTray(const std::string &value, std::string *word) {
    if (value == "none") {
        *word = kNoPrintTrayWord;
        return true;
    }
    const FamilyTray *vocabulary = FindTrayVocabulary(value);
    if (vocabulary == nullptr) return Fail("expected a tray name or none, not \"" + value + "\"");
    *word = vocabulary->printTrayWord;
    return true;
}

}  // namespace

bool ParseStateText(const std::string &text, const std::string &origin, PrinterDescription *printer,
                    std::string *error) {
    *printer = PrinterDescription();
    StateParser parser(origin, printer);
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!parser.ParseLine(line, number, error)) return false;
    }
    return true;
}

bool ReadStateFile(const std::string &path, PrinterDescription *printer, std::string *error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParseStateText(text.str(), path, printer, error);
}

const TrayState *FindTray(const PrinterDescription &printer, const std::string &name) {
    for (const TrayState &tray : printer.trays) {
        if (tray.name == name) return &tray;
    }
    return nullptr;
}

bool HasOption(const PrinterDescription &printer, const std::string &name) {
    for (const std::string &option : printer.options) {
        if (option == name) return true;
    }
    return false;
}
