#include "report/record_names.h"

#include <stdio.h>

#include "common/family_codes.h"
#include "library/library_calls.h"
#include "report/display_names.h"

namespace {

// A display name from the library, or the host's fallback when it has none.
std::string DisplayName(Report &report, uint32_t kind, const void *name, const std::string &fallback) {
    std::string text;
    const uint32_t error = FetchDeviceName(report.Exports(), kind, name, &text);
    if (error == 0) return report.FromLibrary(text);
    report.Failure("PatGetDeviceName(" + fallback + ")", error);
    return fallback;
}

}  // namespace

std::string TrayName(Report &report, uint16_t trayId) {
    const char *identifier = TrayIdentifier(trayId);
    if (identifier == nullptr) return report.Words().Unnamed(HostLabel::kTray, trayId);
    return DisplayName(report, PAT_DEVICE_NAME_TRAY, identifier, identifier);
}

std::string OutputBinName(Report &report, uint16_t binId) {
    const char *identifier = OutputBinIdentifier(binId);
    if (identifier == nullptr) return report.Words().Unnamed(HostLabel::kOutputBin, binId);
    return DisplayName(report, PAT_DEVICE_NAME_OUTPUT_BIN, identifier, identifier);
}

std::string OptionName(Report &report, uint16_t optionId) {
    const uint32_t code = OptionNameCode(optionId);
    // The library has a name for the tray this option adds, if not for the option.
    const uint16_t trayId = TrayOfOption(optionId);
    if (code == 0 && trayId != kTrayNone) return TrayName(report, trayId);
    const std::string hostName = report.Words().OptionName(optionId);
    if (code == 0) return hostName;
    return DisplayName(report, PAT_DEVICE_NAME_OPTION, &code, hostName);
}

std::string Hex(uint32_t value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string TrayLevel(const PatTrayItem &tray) {
    return HasLevelSensor(tray.wId) ? std::to_string(tray.wLevel) + "%" : "";
}

std::vector<std::string> TrayFlagWords(const HostWords &words, const PatTrayItem &tray) {
    static const struct { uint32_t bit; HostLabel meaning; } kFlags[] = {
        {PAT_TRAY_FLAG_LOCKED, HostLabel::kLocked},
        {PAT_TRAY_FLAG_FRONT_COVER, HostLabel::kFrontCoverTray},
        {PAT_TRAY_FLAG_SLIP_SHEET, HostLabel::kSlipSheetTray},
        {PAT_TRAY_FLAG_CHAPTER, HostLabel::kChapterTray}};
    std::vector<std::string> parts;
    uint32_t unnamed = tray.dwFlags;
    for (const auto &flag : kFlags) {
        if (tray.dwFlags & flag.bit) parts.push_back(words.Label(flag.meaning));
        unnamed &= ~flag.bit;
    }
    if (unnamed != 0) parts.push_back(words.Label(HostLabel::kFlags) + " " + Hex(tray.dwFlags));
    return parts;
}
