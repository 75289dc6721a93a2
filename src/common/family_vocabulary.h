// The trays, output bins, options and emulations of this printer family, one
// row each, with every name the row goes by: the PJL words a printer is asked
// and answers with, the fixed English name a host passes to PatGetDeviceName,
// the host's option code, the name a state file uses.  The library's query
// texts, reply dispatch rows and name tables and the host programs' names are
// derived from these rows, so a tray, a bin or an option is added by adding
// its row here.
//
// Header only and constexpr: the library builds its tables from it at compile
// time, and the host programs, which link only the family's headers, read the
// same rows.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "common/family_codes.h"
#include "pat.h"

struct FamilyTray {
    uint16_t trayId;
    const char *stateName;      // its name in a state file
    const char *configItem;     // its item in the "IN TRAYS" list of INFO CONFIG
    const char *sizeVariable;   // the INQUIRE variables asked about it
    const char *levelVariable;  // null: the tray has no level sensor and is not asked its level
    const char *mediaVariable;
    const char *lockVariable;
    const char *printTrayWord;  // the answer naming it as a print tray
    const char *deviceName;     // the fixed English name PatGetDeviceName (kind 1) takes
    uint32_t displayString;     // the string number of that name's display text
    bool standard;              // asked about when the record lists no tray
    uint16_t optionId;          // the option its presence in INFO CONFIG reports, 0 for none
};

// In the order the query asks and the reply dispatch runs.
inline constexpr FamilyTray kFamilyTrays[] = {
    {kTray1, "tray1", "INTRAY1", "INTRAY1SIZE", "INTRAY1QUANT", "INTRAY1MEDIA", "INTRAY1", "TRAY1", "Tray 1", 5000,
     true, 0},
    {kTray2, "tray2", "INTRAY2", "INTRAY2SIZE", "INTRAY2QUANT", "INTRAY2MEDIA", "INTRAY2", "TRAY2", "Tray 2", 5001,
     true, 0},
    {kTray3, "tray3", "INTRAY3", "INTRAY3SIZE", "INTRAY3QUANT", "INTRAY3MEDIA", "INTRAY3", "TRAY3", "Tray 3", 5002,
     false, 0},
    // Tray 4 only comes with the paper bank, which also holds tray 3.
    {kTray4, "tray4", "INTRAY4", "INTRAY4SIZE", "INTRAY4QUANT", "INTRAY4MEDIA", "INTRAY4", "TRAY4", "Tray 4", 5003,
     false, kOptionPaperBank},
    {kTrayLargeCapacity, "lct", "INTRAYLCT", "INTRAYLCTSIZE", "INTRAYLCTQUANT", "INTRAYLCTMEDIA", "INTRAYLCT", "LCT",
     "Tray 3 (LCT)", 5004, false, kOptionLargeCapacityTray},
    {kTrayBypass, "bypass", "INTRAYMANUAL", "INTRAYMSIZE", nullptr, "INTRAYMMEDIA", "INTRAYMULTI", "BYPASS",
     "Bypass Tray", 5005, false, kOptionBypassTray},
};

// The print-tray answer naming no tray.
inline constexpr char kNoPrintTrayWord[] = "NONE";

// The print-tray questions: which tray a kind of sheet is taken from.
struct PrintTrayQuestion {
    const char *variable;  // the INQUIRE variable
    uint32_t trayFlag;     // the flag the named tray gets
};

inline constexpr PrintTrayQuestion kPrintTrayQuestions[] = {
    {"FRONTCOVERPRINTTRAY", PAT_TRAY_FLAG_FRONT_COVER},
    {"SLIPSHEETPRINTTRAY", PAT_TRAY_FLAG_SLIP_SHEET},
    {"CHAPTERPRINTTRAY1", PAT_TRAY_FLAG_CHAPTER},
};

struct FamilyOutputBin {
    uint16_t binId;
    const char *statusKey;   // its key in the INFO OUTBINSTATUS answer; null: not reported there
    const char *deviceName;  // the fixed English name PatGetDeviceName (kind 2) takes
    uint32_t displayString;
};

// In the order the reply dispatch runs; a bin with two names is found by the first.
inline constexpr FamilyOutputBin kFamilyOutputBins[] = {
    {kBinInternal1, "UPPER", "Internal Tray 1", 5020},
    {kBinInternal1, nullptr, "Internal Shift Tray", 5021},
    {kBinInternal2, "INNER", "Internal Tray 2", 5022},
    {kBinFinisherUpper, "FINISHERPROOF", "Finisher Upper Tray", 5023},
    {kBinFinisherShift, "FINISHERSHIFT", "Finisher Shift Tray", 5024},
    {kBinFinisherBooklet, "FINISHERBOOKLET", "Finisher Booklet Tray", 5025},
};

// How a printer's configuration tells that an option is installed.
enum class OptionReport {
    TrayItem,     // the tray it adds is an item of "IN TRAYS" (FamilyTray::optionId)
    OutTrayItem,  // an item of the "OUT TRAYS" list of INFO CONFIG
    ConfigKey,    // a key line of its own in INFO CONFIG
    PunchList,    // the "PUNCH" list names exactly its hole sets
    NotReported,  // installed, but absent from the PJL configuration
};

constexpr int kPunchSlots = 5;  // hole sets a punch unit may be named by

struct FamilyOption {
    uint16_t optionId;
    const char *stateName;  // its name in a state file; null when a tray or punch holes stand for it there
    OptionReport report;
    const char *pjlWord;    // the item or key of an OutTrayItem or ConfigKey option
    const char *punchHoles[kPunchSlots];  // a punch unit's hole sets; the unused slots null
    uint32_t hostCode;      // the host's code of the option (peripheral information, PatGetDeviceName kind 3)
    bool hasDisplayName;    // PatGetDeviceName (kind 3) names it
};

// In the order the reply dispatch runs for each kind of report.
inline constexpr FamilyOption kFamilyOptions[] = {
    {kOptionPaperBank, nullptr, OptionReport::TrayItem, nullptr, {}, 830, true},
    {kOptionLargeCapacityTray, nullptr, OptionReport::TrayItem, nullptr, {}, 831, true},
    {kOptionBypassTray, nullptr, OptionReport::TrayItem, nullptr, {}, 832, false},
    {kOptionOneBinTray, "one-bin-tray", OptionReport::OutTrayItem, "OUTTRAYMULTIFUNCTION", {}, 839, true},
    {kOptionFinisher1000, "finisher-1000", OptionReport::OutTrayItem, "OUTTRAYFINISH1000", {}, 836, true},
    {kOptionFinisher3000, "finisher-3000", OptionReport::OutTrayItem, "OUTTRAYFINISH3000", {}, 837, true},
    {kOptionBookletFinisher, "booklet-finisher", OptionReport::OutTrayItem, "OUTTRAYBOOKLETA", {}, 838, true},
    {kOptionDuplex, "duplex", OptionReport::ConfigKey, "DUPLEX", {}, 835, false},
    {kOptionDisk, "disk", OptionReport::ConfigKey, "DISK", {}, 850, false},
    {kOptionPunchJp2, nullptr, OptionReport::PunchList, nullptr, {"JP2"}, 840, false},
    {kOptionPunchUs, nullptr, OptionReport::PunchList, nullptr, {"US2", "US3"}, 841, false},
    {kOptionPunchJp2Eu4, nullptr, OptionReport::PunchList, nullptr, {"JP2", "EU4"}, 842, false},
    {kOptionPunchNeu4, nullptr, OptionReport::PunchList, nullptr, {"NEU4"}, 843, false},
    {kOptionDocumentFeeder, "document-feeder", OptionReport::NotReported, nullptr, {}, 833, false},
    {kOptionBridgeUnit, "bridge-unit", OptionReport::NotReported, nullptr, {}, 834, false},
};

struct FamilyEmulation {
    uint16_t emulationId;
    const char *pjlWord;     // its name in the VERSION list of INFO CONFIG
    const char *otherWord;   // another name a printer may use for it, or null
};

// The emulations a printer may list with their versions.
inline constexpr FamilyEmulation kFamilyEmulations[] = {
    {kEmulationZema, "ZEMA", nullptr},
    {kEmulationPcl, "PCL", nullptr},
    {kEmulationKms, "POSTSCRIPT", nullptr},
    {kEmulationMainProgram, "MOXI", nullptr},
    {kEmulationGl2, "GL2", "HPGL2"},
    {kEmulationV16, "V16", nullptr},
    {kEmulationV55, "V55", nullptr},
    {kEmulationV98, "V98", nullptr},
    {kEmulationTiff, "VTIFF", nullptr},
    {kEmulationPclXl, "PCLXL", nullptr},
};

// How many rows of `rows` `keep` holds for.
template <typename Row, size_t N, typename Keep>
constexpr size_t CountRows(const Row (&rows)[N], Keep keep) {
    size_t count = 0;
    for (const Row &row : rows) count += keep(row) ? 1 : 0;
    return count;
}

// The first tray, bin, option or emulation row with this id, or null.
constexpr const FamilyTray *FindFamilyTray(uint16_t trayId) {
    for (const FamilyTray &tray : kFamilyTrays) {
        if (tray.trayId == trayId) return &tray;
    }
    return nullptr;
}

constexpr const FamilyOutputBin *FindFamilyOutputBin(uint16_t binId) {
    for (const FamilyOutputBin &bin : kFamilyOutputBins) {
        if (bin.binId == binId) return &bin;
    }
    return nullptr;
}

constexpr const FamilyOption *FindFamilyOption(uint16_t optionId) {
    for (const FamilyOption &option : kFamilyOptions) {
        if (option.optionId == optionId) return &option;
    }
    return nullptr;
}

constexpr const FamilyEmulation *FindFamilyEmulation(uint16_t emulationId) {
    for (const FamilyEmulation &emulation : kFamilyEmulations) {
        if (emulation.emulationId == emulationId) return &emulation;
    }
    return nullptr;
}
