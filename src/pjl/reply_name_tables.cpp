#include "reply_name_tables.h"

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"

const NameTableRow kPaperSizeNames[] = {
    {"A3", 5},           {"A4SRT", 9},        {"A4LONG", 8},       {"A5SRT", 13},       {"A5LONG", 12},
    {"A6", 17},          {"JISB4", 7},        {"JISB5SRT", 11},    {"JISB5LONG", 10},   {"JISB6", 15},
    {"JPOST", 34},       {"JPOSTDSRT", 70},   {"JPOSTDLONG", 71},  {"LEDGER", 58},      {"LEGAL", 21},
    {"LETTERSRT", 23},   {"LETTERLONG", 22},  {"HALFLETTERS", 27}, {"HALFLETTERL", 26}, {"EXECUTIVES", 25},
    {"EXECUTIVEL", 24},  {"FGL", 60},         {"FOOLSCAP", 62},    {"FOLIO", 28},       {"COM10LONG", 79},
    {"MONARCHLONG", 80}, {"C5LONG", 81},      {"C6LONG", 82},      {"DLLONG", 83},      {"K8", 64},
    {"K16SRT", 66},      {"K16LONG", 65},     {"A3WIDE", 69},      {"CUSTOM", 2},
    {nullptr, 0},
};

const NameTableRow kMediaTypeNames[] = {
    {"PLAIN", 1},
    {"RECYCLED", 2},
    {"SPECIAL", 5},
    {"THICK", 6},
    {"THICK2", 17},
    {"THIN", 20},
    {"TABSTOCK", 8},
    {"TRANSPARENCY", 3},
    {"COLOR", 9},
    {"LETTERHEAD", 10},
    {"PREPRINTED", 11},
    {"PREPUNCHED", 12},
    {"LABELS", 13},
    {"BOND", 14},
    {"CARDSTOCK", 15},
    {"THICKDUPLEXBACKSIDE", 19},
    {"PLAINDUPLEXBACKSIDE", 18},
    {"USED", 35},
    {"USERCOLOR1", 22},
    {"USERCOLOR2", 23},
    {"JPOST", 24},
    {"JPOSTDUPLEXBACKSIDE", 25},
    {"YELLOW", 26},
    {"GREEN", 27},
    {"BLUE", 28},
    {"PURPLE", 29},
    {"IVORY", 30},
    {"ORANGE", 31},
    {"PINK", 32},
    {"RED", 33},
    {"GRAY", 34},
    {"TRANSLUCENT", 4},
    {"GLOSSY", 21},
    {"FILM", 7},
    {"ENVELOPE", 36},
    {"INKJETJPOST", 37},
    {"HGPLAIN", 38},
    {"THICK3", 39},
    {"SPECIAL2", 40},
    {"SPECIAL3", 41},
    {"MIDDLETHICK", 42},
    {nullptr, 0},
};

const NameTableRow kPaperLevelNames[] = {
    {"END", 0}, {"1/5", 20}, {"2/5", 40}, {"3/5", 60}, {"4/5", 80}, {"FULL", 100}, {nullptr, 0},
};

namespace {

// Each tray's print-tray word, then the word for none.
constexpr std::array<NameTableRow, std::size(kFamilyTrays) + 2> PrintTrayNames() {
    std::array<NameTableRow, std::size(kFamilyTrays) + 2> rows{};
    size_t n = 0;
    for (const FamilyTray &tray : kFamilyTrays) rows[n++] = {tray.printTrayWord, tray.trayId};
    rows[n++] = {kNoPrintTrayWord, kTrayNone};
    rows[n] = {nullptr, 0};
    return rows;
}

constexpr bool HasOtherWord(const FamilyEmulation &emulation) { return emulation.otherWord != nullptr; }
constexpr size_t kEmulationWords = std::size(kFamilyEmulations) + CountRows(kFamilyEmulations, HasOtherWord);

// The firmware first, then each emulation's words.
constexpr std::array<NameTableRow, kEmulationWords + 2> EmulationNames() {
    std::array<NameTableRow, kEmulationWords + 2> rows{};
    size_t n = 0;
    rows[n++] = {"FIRMWARE", kSystemFirmwareCode};
    for (const FamilyEmulation &emulation : kFamilyEmulations) {
        rows[n++] = {emulation.pjlWord, emulation.emulationId};
        if (emulation.otherWord != nullptr) rows[n++] = {emulation.otherWord, emulation.emulationId};
    }
    rows[n] = {nullptr, 0};
    return rows;
}

constexpr bool IsPunchUnit(const FamilyOption &option) { return option.report == OptionReport::PunchList; }

// The punch units' hole sets, their unused slots empty.
constexpr std::array<PunchRow, CountRows(kFamilyOptions, IsPunchUnit) + 1> PunchOptions() {
    std::array<PunchRow, CountRows(kFamilyOptions, IsPunchUnit) + 1> rows{};
    size_t n = 0;
    for (const FamilyOption &option : kFamilyOptions) {
        if (!IsPunchUnit(option)) continue;
        for (int slot = 0; slot < kPunchSlots; ++slot) {
            const char *holes = option.punchHoles[slot];
            rows[n].keywords[slot] = holes != nullptr ? holes : "";
        }
        rows[n++].optionId = option.optionId;
    }
    for (const char *&keyword : rows[n].keywords) keyword = "";
    return rows;
}

constexpr auto kPrintTrayNameRows = PrintTrayNames();
constexpr auto kEmulationNameRows = EmulationNames();
constexpr auto kPunchOptionRows = PunchOptions();

}  // namespace

const NameTableRow *const kPrintTrayNames = kPrintTrayNameRows.data();
const NameTableRow *const kEmulationNames = kEmulationNameRows.data();
const PunchRow *const kPunchOptions = kPunchOptionRows.data();

const NameTableRow kMemoryUsageNames[] = {{"USER", 2}, {"PAGE", 1}, {nullptr, 0}};

const NameTableRow kImageRotationNames[] = {{"POSSIBLE", 1}, {"IMPOSSIBLE", 2}, {nullptr, 0}};
