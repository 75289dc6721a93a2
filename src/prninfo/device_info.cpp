// Installed options: the pDeviceInfo list keyed by option id.
#include "prninfo/record.h"

int HasDeviceInfo(const PrnInfoEx *record, uint32_t optionId) {
    PatItem *devices = reinterpret_cast<PatItem *>(record->pDeviceInfo);
    return FindItemById(devices, static_cast<uint16_t>(optionId)) != nullptr ? 1 : 0;
}

int HasAnyDeviceInfo(const PrnInfoEx *record, const uint16_t *optionIds, uint32_t idCount) {
    if (optionIds == nullptr) return 0;
    for (uint32_t i = 0; i < idCount; ++i) {
        if (HasDeviceInfo(record, optionIds[i])) return 1;
    }
    return 0;
}
