#include "pjl_answers.h"

#include <sstream>
#include <vector>

#include "printer_vocabulary.h"
#include "request_lines.h"

namespace {

const char kLineEnd[] = "\r\n";
const char kFormFeed = '\f';

std::vector<std::string> Words(const std::string &line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) words.push_back(word);
    return words;
}

// A key followed by an enumerated list: "KEY [n ENUMERATED]" and one
// tab-indented line per entry.
void AppendList(std::string *body, const std::string &key, const std::vector<std::string> &entries) {
    *body += key + " [" + std::to_string(entries.size()) + " ENUMERATED]" + kLineEnd;
    for (const std::string &entry : entries) *body += "\t" + entry + kLineEnd;
}

std::string ConfigurationBody(const PrinterDescription &printer) {
    std::vector<std::string> inTrays, outTrays, versions;
    for (const FamilyTray &tray : kFamilyTrays) {
        if (FindTray(printer, tray.stateName) != nullptr) inTrays.push_back(tray.configItem);
    }
    std::string keyLines;
    for (const std::string &name : printer.options) {
        const FamilyOption *option = FindOptionVocabulary(name);
        if (option->report == OptionReport::OutTrayItem) outTrays.push_back(option->pjlWord);
        if (option->report == OptionReport::ConfigKey) keyLines += std::string(option->pjlWord) + kLineEnd;
    }
    if (!printer.firmware.empty()) versions.push_back("FIRMWARE " + printer.firmware);
    for (const EmulationState &emulation : printer.emulations) {
        versions.push_back(emulation.name + " " + emulation.version);
    }

    std::string body;
    AppendList(&body, "IN TRAYS", inTrays);
    if (!outTrays.empty()) AppendList(&body, "OUT TRAYS", outTrays);
    body += keyLines;
    if (!printer.punchHoles.empty()) AppendList(&body, "PUNCH", printer.punchHoles);
    body += "MEMORY=" + std::to_string(printer.memoryBytes) + kLineEnd;
    if (!versions.empty()) AppendList(&body, "VERSION", versions);
    return body;
}

std::string OutputBinBody(const PrinterDescription &printer) {
    std::string body;
    for (const OutputBinState &bin : printer.outputBins) body += bin.name + "=" + bin.state + kLineEnd;
    return body;
}

std::string EmulationBody(const PrinterDescription &printer) {
    std::string body;
    if (!printer.zemaMemoryUsage.empty()) body += "MEMORYUSAGE=" + printer.zemaMemoryUsage + kLineEnd;
    if (!printer.zemaImageRotation.empty()) body += "IMAGEROTATION=" + printer.zemaImageRotation + kLineEnd;
    if (!printer.zemaOther.empty()) body += "OTHER=\"" + printer.zemaOther + "\"" + kLineEnd;
    return body;
}

std::string InfoBody(const PrinterDescription &printer, const std::string &category) {
    if (category == "CONFIG") return ConfigurationBody(printer);
    if (category == "OUTBINSTATUS") return OutputBinBody(printer);
    if (category == "ZEMA") return EmulationBody(printer);
    return "";
}

// The single answer word of an INQUIRE, empty when the printer has none.
std::string InquiryAnswer(const PrinterDescription &printer, const std::string &variable) {
    if (variable == "FRONTCOVERPRINTTRAY") return printer.frontCoverTray;
    if (variable == "SLIPSHEETPRINTTRAY") return printer.slipSheetTray;
    if (variable == "CHAPTERPRINTTRAY1") return printer.chapterTray;
    for (const FamilyTray &words : kFamilyTrays) {
        const TrayState *tray = FindTray(printer, words.stateName);
        if (tray == nullptr) continue;
        if (variable == words.sizeVariable) return tray->size;
        if (words.levelVariable != nullptr && variable == words.levelVariable) return tray->level;
        if (variable == words.mediaVariable) return tray->media;
        if (variable == words.lockVariable) return tray->locked ? "LOCKED" : "UNLOCKED";
    }
    return "";
}

}  // namespace

std::string AnswerPjlLine(const PrinterDescription &printer, const std::string &line) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 3 || words[0] != "@PJL") return "";
    const std::string &command = words[1];
    const std::string &argument = words[2];
    std::string body;
    if (command == "INFO") {
        body = InfoBody(printer, argument);
    } else if (command == "INQUIRE") {
        const std::string answer = InquiryAnswer(printer, argument);
        if (!answer.empty()) body = answer + kLineEnd;
    } else {
        return "";
    }
    if (body.empty()) body = std::string("?") + kLineEnd;
    return "@PJL " + command + " " + argument + kLineEnd + body + kFormFeed;
}

std::string AnswerPjlRequests(const PrinterDescription &printer, const std::string &requests) {
    RequestLines lines;
    std::string answers;
    for (const std::string &line : lines.Add(requests.data(), requests.size())) answers += AnswerPjlLine(printer, line);
    return answers;
}
