#include "reply_name_tables.h"

#include <string.h>

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"

constexpr NameTableRow kPaperSizeNames[] = {
    {"A3", 5},           {"A4SRT", 9},        {"A4LONG", 8},       {"A5SRT", 13},       {"A5LONG", 12},
    {"A6", 17},          {"JISB4", 7},        {"JISB5SRT", 11},    {"JISB5LONG", 10},   {"JISB6", 15},
    {"JPOST", 34},       {"JPOSTDSRT", 70},   {"JPOSTDLONG", 71},  {"LEDGER", 58},      {"LEGAL", 21},
    {"LETTERSRT", 23},   {"LETTERLONG", 22},  {"HALFLETTERS", 27}, {"HALFLETTERL", 26}, {"EXECUTIVES", 25},
    {"EXECUTIVEL", 24},  {"FGL", 60},         {"FOOLSCAP", 62},    {"FOLIO", 28},       {"COM10LONG", 79},
    {"MONARCHLONG", 80}, {"C5LONG", 81},      {"C6LONG", 82},      {"DLLONG", 83},      {"K8", 64},
    {"K16SRT", 66},      {"K16LONG", 65},     {"A3WIDE", 69},      {"CUSTOM", 2},
    {nullptr, 0},
};

constexpr NameTableRow kMediaTypeNames[] = {
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

constexpr NameTableRow kPaperLevelNames[] = {
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

constexpr NameTableRow kMemoryUsageNames[] = {{"USER", 2}, {"PAGE", 1}, {nullptr, 0}};

constexpr NameTableRow kImageRotationNames[] = {{"POSSIBLE", 1}, {"IMPOSSIBLE", 2}, {nullptr, 0}};

// ---- The tables' indexes ------------------------------------------------------

namespace {

// The index of a table of `Rows` rows, its last the default.  The rows are
// counted from the table's size, not found by their null name: the compiler
// cannot compare the address of a name with null when the sanitizer moves
// globals about.
template <size_t Rows>
struct IndexedNameTable {
    WordIndex<Rows - 1> words;
    uint32_t value[Rows];
};

// A row whose name an earlier row has keeps the earlier row's value:
// LookupName never reaches it.
template <size_t Rows>
constexpr IndexedNameTable<Rows> IndexNames(const NameTableRow *rows) {
    IndexedNameTable<Rows> table{};
    table.value[0] = rows[Rows - 1].value;
    for (size_t i = 0; i + 1 < Rows; ++i) {
        const uint32_t numbered = table.words.count;
        const uint32_t number = table.words.Add(rows[i].name);
        if (number == 0) WordIndexDoesNotFit();  // an empty name
        if (table.words.count != numbered) table.value[number] = rows[i].value;
    }
    return table;
}

template <size_t Rows>
constexpr IndexedNameTable<Rows> IndexNames(const NameTableRow (&rows)[Rows]) {
    return IndexNames<Rows>(&rows[0]);
}

template <size_t Rows>
constexpr IndexedNameTable<Rows> IndexNames(const std::array<NameTableRow, Rows> &rows) {
    return IndexNames<Rows>(rows.data());
}

constexpr auto kPaperSizeTable = IndexNames(kPaperSizeNames);
constexpr auto kMediaTypeTable = IndexNames(kMediaTypeNames);
constexpr auto kPaperLevelTable = IndexNames(kPaperLevelNames);
constexpr auto kPrintTrayTable = IndexNames(kPrintTrayNameRows);
constexpr auto kEmulationTable = IndexNames(kEmulationNameRows);
constexpr auto kMemoryUsageTable = IndexNames(kMemoryUsageNames);
constexpr auto kImageRotationTable = IndexNames(kImageRotationNames);

template <size_t Rows>
constexpr NameIndex Indexed(const IndexedNameTable<Rows> &table) {
    return {table.words.View(), table.value};
}

}  // namespace

const NameIndex kPaperSizeIndex = Indexed(kPaperSizeTable);
const NameIndex kMediaTypeIndex = Indexed(kMediaTypeTable);
const NameIndex kPaperLevelIndex = Indexed(kPaperLevelTable);
const NameIndex kPrintTrayIndex = Indexed(kPrintTrayTable);
const NameIndex kEmulationIndex = Indexed(kEmulationTable);
const NameIndex kMemoryUsageIndex = Indexed(kMemoryUsageTable);
const NameIndex kImageRotationIndex = Indexed(kImageRotationTable);
