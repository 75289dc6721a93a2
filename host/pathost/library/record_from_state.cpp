#include "library/record_from_state.h"

#include <vector>

#include "printer_vocabulary.h"

namespace {

// Options in the order a polled printer's configuration lists them: the
// trays, the output trays, the units with a key line of their own, the punch
// unit; the units a configuration does not report come last.
std::vector<uint16_t> InstalledOptionIds(const PrinterDescription &printer) {
    std::vector<uint16_t> ids;
    for (const FamilyTray &tray : kFamilyTrays) {
        if (tray.optionId != 0 && FindTray(printer, tray.stateName) != nullptr) ids.push_back(tray.optionId);
    }
    const OptionReport order[] = {OptionReport::OutTrayItem, OptionReport::ConfigKey};
    for (OptionReport report : order) {
        for (const std::string &name : printer.options) {
            const FamilyOption *option = FindOptionVocabulary(name);
            if (option->report == report) ids.push_back(option->optionId);
        }
    }
    if (const uint16_t punch = PunchOptionId(printer.punchHoles)) ids.push_back(punch);
    for (const std::string &name : printer.options) {
        const FamilyOption *option = FindOptionVocabulary(name);
        if (option->report == OptionReport::NotReported) ids.push_back(option->optionId);
    }
    return ids;
}

}  // namespace

bool FillRecordFromState(const PatExports &exports, const PrinterDescription &printer, PrnInfoEx *record) {
    for (uint32_t code : printer.statusCodes) {
        if (!AddEngineStatus(exports, record, code, printer.statusText.c_str())) return false;
    }
    for (uint16_t id : InstalledOptionIds(printer)) {
        if (!AddDeviceInfo(exports, record, id)) return false;
    }
    record->bNoResponse = printer.noResponse ? 1 : 0;
    return true;
}
