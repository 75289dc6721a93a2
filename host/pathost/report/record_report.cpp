#include "report/record_report.h"

#include <vector>

#include "common/family_codes.h"
#include "report/display_names.h"
#include "report/record_names.h"

namespace {

std::string TextOr(const char *text, const std::string &absent) { return text != nullptr ? text : absent; }

std::string Joined(const std::vector<std::string> &parts, const char *separator) {
    std::string text;
    for (const std::string &part : parts) text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string EngineStatus(const Report &report, const PrnInfoEx &record) {
    std::vector<std::string> codes;
    for (const PatEngineStatusItem *item = record.pEngineStatus; item != nullptr; item = item->pNext) {
        codes.push_back(std::to_string(item->dwStatusCode));
    }
    std::string text = codes.empty() ? report.Word(HostLabel::kNone) : Joined(codes, ", ");
    if (record.pEngineStatus != nullptr && record.pEngineStatus->szText[0] != '\0') {
        text += " \"" + std::string(record.pEngineStatus->szText) + "\"";
    }
    text += ", " + report.Words().Unnamed(HostLabel::kState, record.bState);
    return record.bHasError ? text + ", " + report.Word(HostLabel::kError) : text;
}

std::string Emulations(const Report &report, const PrnInfoEx &record) {
    std::vector<std::string> emulations;
    for (const PatLoadedEmulItem *item = record.pLoadedEmul; item != nullptr; item = item->pNext) {
        const char *name = EmulationName(item->wId);
        const std::string shown = name != nullptr ? name : report.Words().Unnamed(HostLabel::kEmulation, item->wId);
        emulations.push_back(shown + " " + item->szVersion);
    }
    return emulations.empty() ? report.Word(HostLabel::kNone) : Joined(emulations, ", ");
}

std::string Counter(const Report &report, const PrnInfoEx &record) {
    for (const PatCounterItem *item = record.pCounterInfo; item != nullptr; item = item->pNext) {
        if (item->wId == kCounterTotal) return std::to_string(item->dwValue);
    }
    return report.Word(HostLabel::kUnknown);
}

std::string TrayDetails(const Report &report, const PatTrayItem &tray) {
    const HostWords &words = report.Words();
    std::vector<std::string> parts = {words.PaperSize(tray.wPaperSize)};
    const std::string level = TrayLevel(tray);
    if (!level.empty()) parts.push_back(level);
    parts.push_back(words.Media(tray.wMediaType));
    for (const std::string &flag : TrayFlagWords(words, tray)) parts.push_back(flag);
    return Joined(parts, ", ");
}

}  // namespace

void PrintLibrary(Report &report, uint32_t sourceType) {
    const PatExports &exports = report.Exports();
    report.Heading(report.Word(HostLabel::kLibrary));
    PatVersionInfo version = {};
    version.dwSize = sizeof version;
    if (exports.GetDllVersion(&version)) {
        const uint32_t v = version.dwFileVersion;
        report.Field(report.Word(HostLabel::kVersion), std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." +
                                    std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF));
    } else {
        report.Failure("PatGetDllVersion", exports.GetLastError());
    }
    PatPeripheralProfile profile = {};
    uint32_t length = sizeof profile;
    if (exports.GetPeripheralProfile(sourceType, &profile, &length)) {
        std::vector<std::string> words;
        for (uint32_t word : profile.dwWord) words.push_back(Hex(word));
        report.Field(report.Word(HostLabel::kProfile),
                     Joined(words, " ") + " (" + report.Word(HostLabel::kSourceType) + " " + Hex(sourceType) + ")");
    } else {
        report.Failure("PatGetPeripheralProfile", exports.GetLastError());
    }
}

void PrintPrinter(Report &report, const PrnInfoEx &record) {
    const std::string unknown = report.Word(HostLabel::kUnknown), none = report.Word(HostLabel::kNone);
    report.Heading(report.Word(HostLabel::kPrinter));
    report.Field(report.Word(HostLabel::kMaker), TextOr(record.pMakerName, unknown));
    report.Field(report.Word(HostLabel::kModel), TextOr(record.pModelName, unknown));
    report.Field(report.Word(HostLabel::kDescription), TextOr(record.pDescription, none));
    report.Field(report.Word(HostLabel::kFirmware), TextOr(record.pSYSVersion, unknown));
    report.Field(report.Word(HostLabel::kEmulations), Emulations(report, record));
    report.Field(report.Word(HostLabel::kMemory), std::to_string(record.dwMemoryKB) + " KB");
    report.Field(report.Word(HostLabel::kCounter), Counter(report, record));
    report.Field(report.Word(HostLabel::kEngineStatus), EngineStatus(report, record));
    if (record.bNoResponse) report.Field(report.Word(HostLabel::kResponse), report.Word(HostLabel::kNoAnswer));
}

void PrintTrays(Report &report, const PrnInfoEx &record) {
    report.LanguageHeading(HostLabel::kInputTrays);
    if (record.pTrayInfo == nullptr) report.Line(report.Word(HostLabel::kNone));
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr; tray = tray->pNext) {
        report.Field(TrayName(report, tray->wId), TrayDetails(report, *tray));
    }
}

void PrintOutputBins(Report &report, const PrnInfoEx &record) {
    report.LanguageHeading(HostLabel::kOutputBins);
    if (record.pOutBinInfo == nullptr) report.Line(report.Word(HostLabel::kNone));
    for (const PatOutBinItem *bin = record.pOutBinInfo; bin != nullptr; bin = bin->pNext) {
        report.Field(OutputBinName(report, bin->wId), report.Words().OutputBinState(bin->wState));
    }
}

void PrintOptions(Report &report, const PrnInfoEx &record) {
    report.LanguageHeading(HostLabel::kOptions);
    if (record.pDeviceInfo == nullptr) report.Line(report.Word(HostLabel::kNone));
    for (const PatDeviceItem *option = record.pDeviceInfo; option != nullptr; option = option->pNext) {
        report.Line(OptionName(report, option->wId));
    }
}
