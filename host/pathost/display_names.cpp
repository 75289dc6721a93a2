#include "common/family_codes.h"
#include "display_names.h"

#include <stddef.h>

namespace {

struct Label {
    uint32_t code;
    const char *text;
};

template <size_t N>
const char *Find(const Label (&table)[N], uint32_t code) {
    for (const Label &row : table) {
        if (row.code == code) return row.text;
    }
    return nullptr;
}

const Label kTrays[] = {{3, "Tray 1"}, {4, "Tray 2"}, {5, "Tray 3"}, {6, "Tray 4"}, {11, "Tray 3 (LCT)"},
                        {1, "Bypass Tray"}};

const Label kOutputBins[] = {{1, "Internal Tray 1"}, {2, "Internal Tray 2"}, {5, "Finisher Upper Tray"},
                             {4, "Finisher Shift Tray"}, {27, "Finisher Booklet Tray"}};

struct OptionNameCodeRow {
    uint16_t optionId;
    uint32_t nameCode;
};

const OptionNameCodeRow kOptionNameCodes[] = {{kOptionPaperBank, 830},    {kOptionLargeCapacityTray, 831}, {kOptionFinisher1000, 836},
                                              {kOptionFinisher3000, 837}, {kOptionBookletFinisher, 838},   {kOptionOneBinTray, 839}};

const Label kEmulations[] = {{1, "MOXI"}, {2, "POSTSCRIPT"}, {3, "V98"}, {4, "V16"}, {7, "V55"}, {12, "GL2"},
                             {13, "VTIFF"}, {15, "ZEMA"}, {17, "PCLXL"}, {18, "PCL"}};

}  // namespace

const char *TrayIdentifier(uint16_t trayId) { return Find(kTrays, trayId); }

const char *OutputBinIdentifier(uint16_t binId) { return Find(kOutputBins, binId); }

uint32_t OptionNameCode(uint16_t optionId) {
    for (const OptionNameCodeRow &row : kOptionNameCodes) {
        if (row.optionId == optionId) return row.nameCode;
    }
    return 0;
}

const char *EmulationName(uint16_t emulationId) { return Find(kEmulations, emulationId); }
