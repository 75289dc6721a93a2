#include "record_report.h"

#include <vector>

#include "display_names.h"
#include "library_calls.h"

namespace {

std::string Hex(uint32_t value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string TextOr(const char *text, const char *absent) { return text != nullptr ? text : absent; }

std::string Joined(const std::vector<std::string> &parts, const char *separator) {
    std::string text;
    for (const std::string &part : parts) text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string EngineStatus(const PrnInfoEx &record) {
    std::vector<std::string> codes;
    for (const PatEngineStatusItem *item = record.pEngineStatus; item != nullptr; item = item->pNext) {
        codes.push_back(std::to_string(item->dwStatusCode));
    }
    std::string text = codes.empty() ? "none" : Joined(codes, ", ");
    if (record.pEngineStatus != nullptr && record.pEngineStatus->szText[0] != '\0') {
        text += " \"" + std::string(record.pEngineStatus->szText) + "\"";
    }
    return text + "; state " + std::to_string(record.bState) + (record.bHasError ? ", error" : "");
}

std::string Emulations(const PrnInfoEx &record) {
    std::vector<std::string> emulations;
    for (const PatLoadedEmulItem *item = record.pLoadedEmul; item != nullptr; item = item->pNext) {
        emulations.push_back(EmulationLabel(item->wId) + " " + item->szVersion);
    }
    return emulations.empty() ? "none" : Joined(emulations, ", ");
}

std::string Counter(const PrnInfoEx &record) {
    for (const PatCounterItem *item = record.pCounterInfo; item != nullptr; item = item->pNext) {
        if (item->wId == 1) return std::to_string(item->dwValue);
    }
    return "unknown";
}

// A display name from the library, or the host's fallback when it has none.
std::string DisplayName(Report &report, uint32_t kind, const void *name, const std::string &fallback) {
    std::string text;
    const uint32_t error = FetchDeviceName(report.Exports(), kind, name, &text);
    if (error == 0) return report.FromLibrary(text);
    report.Failure("PatGetDeviceName(" + fallback + ")", error);
    return fallback;
}

std::string TrayName(Report &report, uint16_t trayId) {
    const char *identifier = TrayIdentifier(trayId);
    if (identifier == nullptr) return "tray " + std::to_string(trayId);
    return DisplayName(report, kDeviceNameTray, identifier, identifier);
}

std::string TrayDetails(const PatTrayItem &tray) {
    std::vector<std::string> parts = {PaperSizeLabel(tray.wPaperSize)};
    const bool hasLevelSensor = tray.wId != 1;  // the bypass tray has none
    if (hasLevelSensor) parts.push_back(std::to_string(tray.wLevel) + "%");
    parts.push_back(MediaLabel(tray.wMediaType));
    static const struct { uint32_t bit; const char *meaning; } kFlags[] = {
        {PAT_TRAY_FLAG_LOCKED, "locked"},
        {PAT_TRAY_FLAG_FRONT_COVER, "front cover print tray"},
        {PAT_TRAY_FLAG_SLIP_SHEET, "slip sheet print tray"},
        {PAT_TRAY_FLAG_CHAPTER, "chapter print tray"}};
    uint32_t unnamed = tray.dwFlags;
    for (const auto &flag : kFlags) {
        if (tray.dwFlags & flag.bit) parts.push_back(flag.meaning);
        unnamed &= ~flag.bit;
    }
    if (unnamed != 0) parts.push_back("flags " + Hex(tray.dwFlags));
    return Joined(parts, ", ");
}

std::string OutputBinName(Report &report, uint16_t binId) {
    const char *identifier = OutputBinIdentifier(binId);
    if (identifier == nullptr) return "output bin " + std::to_string(binId);
    return DisplayName(report, kDeviceNameOutputBin, identifier, identifier);
}

std::string OptionName(Report &report, uint16_t optionId) {
    const uint16_t kBypassTrayOption = 16, kBypassTray = 1;
    // The library has a name for the tray this option adds, if not for the option.
    if (optionId == kBypassTrayOption) return TrayName(report, kBypassTray);
    const uint32_t code = OptionNameCode(optionId);
    if (code == 0) return OptionFallbackName(optionId);
    return DisplayName(report, kDeviceNameOption, &code, OptionFallbackName(optionId));
}

}  // namespace

void PrintLibrary(Report &report, uint32_t sourceType) {
    const PatExports &exports = report.Exports();
    report.Heading("Library");
    PatVersionInfo version = {};
    version.dwSize = sizeof version;
    if (exports.GetDllVersion(&version)) {
        const uint32_t v = version.dwFileVersion;
        report.Field("Version", std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." +
                                    std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF));
    } else {
        report.Failure("PatGetDllVersion", exports.GetLastError());
    }
    PatPeripheralProfile profile = {};
    uint32_t length = sizeof profile;
    if (exports.GetPeripheralProfile(sourceType, &profile, &length)) {
        std::vector<std::string> words;
        for (uint32_t word : profile.dwWord) words.push_back(Hex(word));
        report.Field("Profile", "source type " + Hex(sourceType) + ": " + Joined(words, " "));
    } else {
        report.Failure("PatGetPeripheralProfile", exports.GetLastError());
    }
}

void PrintPrinter(Report &report, const PrnInfoEx &record) {
    report.Heading("Printer");
    report.Field("Maker", TextOr(record.pMakerName, "unknown"));
    report.Field("Model", TextOr(record.pModelName, "unknown"));
    report.Field("Description", TextOr(record.pDescription, "none"));
    report.Field("Firmware", TextOr(record.pSYSVersion, "unknown"));
    report.Field("Emulations", Emulations(record));
    report.Field("Memory", std::to_string(record.dwMemoryKB) + " KB");
    report.Field("Counter", Counter(record));
    report.Field("Engine status", EngineStatus(record));
    if (record.bNoResponse) report.Field("Response", "none: the printer did not answer");
}

void PrintTrays(Report &report, const PrnInfoEx &record) {
    report.Heading("Input trays (" + report.Language() + ")");
    if (record.pTrayInfo == nullptr) report.Line("none");
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr; tray = tray->pNext) {
        report.Field(TrayName(report, tray->wId), TrayDetails(*tray));
    }
}

void PrintOutputBins(Report &report, const PrnInfoEx &record) {
    report.Heading("Output bins (" + report.Language() + ")");
    if (record.pOutBinInfo == nullptr) report.Line("none");
    for (const PatOutBinItem *bin = record.pOutBinInfo; bin != nullptr; bin = bin->pNext) {
        report.Field(OutputBinName(report, bin->wId), OutputBinStateLabel(bin->wState));
    }
}

void PrintOptions(Report &report, const PrnInfoEx &record) {
    report.Heading("Options (" + report.Language() + ")");
    if (record.pDeviceInfo == nullptr) report.Line("none");
    for (const PatDeviceItem *option = record.pDeviceInfo; option != nullptr; option = option->pNext) {
        report.Line(OptionName(report, option->wId));
    }
}
