#include "display_names.h"

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

template <size_t N>
std::string LabelOr(const Label (&table)[N], uint32_t code, const char *unknownKind) {
    const char *text = Find(table, code);
    return text != nullptr ? text : std::string(unknownKind) + " " + std::to_string(code);
}

const Label kTrays[] = {{3, "Tray 1"}, {4, "Tray 2"}, {5, "Tray 3"}, {6, "Tray 4"}, {11, "Tray 3 (LCT)"},
                        {1, "Bypass Tray"}};

const Label kOutputBins[] = {{1, "Internal Tray 1"}, {2, "Internal Tray 2"}, {5, "Finisher Upper Tray"},
                             {4, "Finisher Shift Tray"}, {27, "Finisher Booklet Tray"}};

struct OptionNameCodeRow {
    uint16_t optionId;
    uint32_t nameCode;
};

const OptionNameCodeRow kOptionNameCodes[] = {{102, 830}, {104, 831}, {37, 836}, {114, 837}, {115, 838}, {7, 839}};

const Label kOptionFallbacks[] = {
    {1, "Duplex Unit"}, {3, "Hard Disk"}, {144, "Document Feeder"}, {131, "Bridge Unit"},
    {12, "Punch Unit (JP 2 holes)"}, {132, "Punch Unit (US 2/3 holes)"}, {133, "Punch Unit (JP 2 / EU 4 holes)"},
    {134, "Punch Unit (NEU 4 holes)"}};

const Label kPaperSizes[] = {
    {5, "A3"}, {9, "A4 short-edge"}, {8, "A4 long-edge"}, {13, "A5 short-edge"}, {12, "A5 long-edge"}, {17, "A6"},
    {7, "B4 JIS"}, {11, "B5 JIS short-edge"}, {10, "B5 JIS long-edge"}, {15, "B6 JIS"}, {34, "Postcard"},
    {70, "Double postcard short-edge"}, {71, "Double postcard long-edge"}, {58, "Ledger"}, {21, "Legal"},
    {23, "Letter short-edge"}, {22, "Letter long-edge"}, {27, "Half Letter short-edge"},
    {26, "Half Letter long-edge"}, {25, "Executive short-edge"}, {24, "Executive long-edge"},
    {60, "Government Legal"}, {62, "Foolscap"}, {28, "Folio"}, {79, "Com10 envelope"},
    {80, "Monarch envelope"}, {81, "C5 envelope"}, {82, "C6 envelope"}, {83, "DL envelope"}, {64, "8K"},
    {66, "16K short-edge"}, {65, "16K long-edge"}, {69, "A3 wide"}, {2, "Custom"}, {0, "unknown"}};

const Label kMedia[] = {
    {1, "Plain"}, {2, "Recycled"}, {5, "Special"}, {6, "Thick"}, {17, "Thick 2"}, {39, "Thick 3"},
    {42, "Middle thick"}, {20, "Thin"}, {8, "Tab stock"}, {3, "Transparency"}, {9, "Color"}, {10, "Letterhead"},
    {11, "Preprinted"}, {12, "Prepunched"}, {13, "Labels"}, {14, "Bond"}, {15, "Cardstock"},
    {19, "Thick (duplex back side)"}, {18, "Plain (duplex back side)"}, {35, "Used"}, {22, "User color 1"},
    {23, "User color 2"}, {24, "Postcard"}, {25, "Postcard (duplex back side)"}, {26, "Yellow"}, {27, "Green"},
    {28, "Blue"}, {29, "Purple"}, {30, "Ivory"}, {31, "Orange"}, {32, "Pink"}, {33, "Red"}, {34, "Gray"},
    {4, "Translucent"}, {21, "Glossy"}, {7, "Film"}, {36, "Envelope"}, {37, "Inkjet postcard"},
    {38, "High-grade plain"}, {40, "Special 2"}, {41, "Special 3"}, {0, "unknown"}};

const Label kBinStates[] = {{0, "ready"}, {1, "paper present"}, {2, "full"}};

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

std::string OptionFallbackName(uint16_t optionId) { return LabelOr(kOptionFallbacks, optionId, "option"); }

std::string PaperSizeLabel(uint16_t code) { return LabelOr(kPaperSizes, code, "paper size"); }

std::string MediaLabel(uint16_t code) { return LabelOr(kMedia, code, "media"); }

std::string OutputBinStateLabel(uint16_t state) { return LabelOr(kBinStates, state, "state"); }

std::string EmulationLabel(uint16_t emulationId) { return LabelOr(kEmulations, emulationId, "emulation"); }
