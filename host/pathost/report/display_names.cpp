#include "report/display_names.h"

#include "common/family_vocabulary.h"

const char *TrayIdentifier(uint16_t trayId) {
    const FamilyTray *tray = FindFamilyTray(trayId);
    return tray != nullptr ? tray->deviceName : nullptr;
}

const char *OutputBinIdentifier(uint16_t binId) {
    const FamilyOutputBin *bin = FindFamilyOutputBin(binId);
    return bin != nullptr ? bin->deviceName : nullptr;
}

uint32_t OptionNameCode(uint16_t optionId) {
    const FamilyOption *option = FindFamilyOption(optionId);
    return option != nullptr && option->hasDisplayName ? option->hostCode : 0;
}

const char *EmulationName(uint16_t emulationId) {
    const FamilyEmulation *emulation = FindFamilyEmulation(emulationId);
    return emulation != nullptr ? emulation->pjlWord : nullptr;
}

bool HasLevelSensor(uint16_t trayId) {
    const FamilyTray *tray = FindFamilyTray(trayId);
    return tray == nullptr || tray->levelVariable != nullptr;
}

uint16_t TrayOfOption(uint16_t optionId) {
    for (const FamilyTray &tray : kFamilyTrays) {
        if (tray.optionId == optionId) return tray.trayId;
    }
    return kTrayNone;
}
