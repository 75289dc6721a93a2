// PatGetPeripheralProfile: fixed capability words per source type.
#include <string.h>

#include "export_gate.h"

namespace {

struct ProfileRow {
    uint32_t sourceType;
    uint32_t words[5];
};

const ProfileRow kProfiles[] = {
    {PAT_SOURCE_1, {0x00020000u, 3, 3, 2, 0}},
    {PAT_SOURCE_2, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_4, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_8, {0x00020000u, 3, 3, 0, 0}},
    {PAT_SOURCE_8000, {0x00020000u, 3, 66, 0, 0}},
    {0xFFFFu, {0, 0, 0, 0, 0}},
};

const ProfileRow *FindProfile(uint32_t sourceType) {
    for (const ProfileRow *row = kProfiles; row->sourceType != 0xFFFFu; ++row) {
        if (row->sourceType == (sourceType & 0xFFFFu)) return row;
    }
    return nullptr;
}

}  // namespace

extern "C" PatBool PATAPI PatGetPeripheralProfile(uint32_t dwSourceType, PatPeripheralProfile *pProfile,
                                                  uint32_t *pcbProfile) {
    if (pcbProfile == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const ProfileRow *row = FindProfile(dwSourceType);
    const uint32_t capacity = *pcbProfile;
    if (row == nullptr) {
        *pcbProfile = sizeof(PatPeripheralProfile);
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    if (capacity < sizeof(PatPeripheralProfile)) {
        *pcbProfile = sizeof(PatPeripheralProfile);
        return FailWith(PAT_ERROR_INSUFFICIENT_BUFFER);
    }
    if (pProfile == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    memcpy(pProfile->dwWord, row->words, sizeof row->words);
    *pcbProfile = sizeof(PatPeripheralProfile);
    return SucceedWith(1);
}
