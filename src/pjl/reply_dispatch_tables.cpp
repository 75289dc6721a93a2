#include "reply_dispatch_tables.h"

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"
#include "dispatch_index.h"
#include "pat.h"

namespace {

constexpr DispatchRow kCommonDispatchRows[] = {
    {"INFO", "ZEMA", "", "", "", HandleEmulUniqInfo, 0},
    {"INFO", "CONFIG", "", "", "", HandleOptionReset, 0},
    {"INFO", "CONFIG", "VERSION", "", "", HandleVersions, 0},
    {"INFO", "CONFIG", "IN TRAYS", "", "", HandleTrayCount, 0},
    {"INFO", "CONFIG", "MEMORY", "", "", HandleMemory, 0},
    {"INFO", "CONFIG", "PUNCH", "", "", HandlePunch, 0},
    {"INFO", "OUTBINSTATUS", "", "", "", HandleOutputBinReset, 0},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

}  // namespace

const DispatchRow *const kCommonDispatchTable = kCommonDispatchRows;

namespace {

constexpr DispatchRow Inquiry(const char *variable, ReplyHandler handler, uint32_t parameter) {
    return {"INQUIRE", variable, "", "", "", handler, parameter};
}

constexpr DispatchRow ConfigItem(const char *list, const char *item, ReplyHandler handler, uint32_t parameter) {
    return {"INFO", "CONFIG", list, item, "", handler, parameter};
}

constexpr bool HasLevelSensor(const FamilyTray &tray) { return tray.levelVariable != nullptr; }
constexpr bool ReportsOption(const FamilyTray &tray) { return tray.optionId != 0; }
constexpr bool HasStatusKey(const FamilyOutputBin &bin) { return bin.statusKey != nullptr; }
constexpr bool IsOutTrayItem(const FamilyOption &option) { return option.report == OptionReport::OutTrayItem; }
constexpr bool IsConfigKey(const FamilyOption &option) { return option.report == OptionReport::ConfigKey; }

constexpr size_t kTrays = std::size(kFamilyTrays);
constexpr size_t kModelRows = 4 * kTrays + CountRows(kFamilyTrays, HasLevelSensor) + std::size(kPrintTrayQuestions) +
                              CountRows(kFamilyOutputBins, HasStatusKey) + CountRows(kFamilyTrays, ReportsOption) +
                              CountRows(kFamilyOptions, IsOutTrayItem) + CountRows(kFamilyOptions, IsConfigKey);

// Trays (each question about every tray, in turn), print trays, bins, then
// options: those a tray reports, the output trays, the key lines.
constexpr std::array<DispatchRow, kModelRows + 1> ModelDispatchRows() {
    std::array<DispatchRow, kModelRows + 1> rows{};
    size_t n = 0;
    for (const FamilyTray &tray : kFamilyTrays) rows[n++] = Inquiry(tray.lockVariable, HandleTrayLock, tray.trayId);
    for (const FamilyTray &tray : kFamilyTrays) rows[n++] = Inquiry(tray.sizeVariable, HandleTrayPaperSize, tray.trayId);
    for (const FamilyTray &tray : kFamilyTrays) {
        if (HasLevelSensor(tray)) rows[n++] = Inquiry(tray.levelVariable, HandleTrayPaperLevel, tray.trayId);
    }
    for (const FamilyTray &tray : kFamilyTrays) rows[n++] = Inquiry(tray.mediaVariable, HandleTrayMedia, tray.trayId);
    for (const FamilyTray &tray : kFamilyTrays) {
        rows[n++] = ConfigItem("IN TRAYS", tray.configItem, HandleTrayPresent, tray.trayId);
    }
    for (const PrintTrayQuestion &question : kPrintTrayQuestions) {
        rows[n++] = Inquiry(question.variable, HandlePrintTray, question.trayFlag);
    }
    for (const FamilyOutputBin &bin : kFamilyOutputBins) {
        if (HasStatusKey(bin)) rows[n++] = {"INFO", "OUTBINSTATUS", bin.statusKey, "", "", HandleOutputBin, bin.binId};
    }
    for (const FamilyTray &tray : kFamilyTrays) {
        if (ReportsOption(tray)) rows[n++] = ConfigItem("IN TRAYS", tray.configItem, HandleOption, tray.optionId);
    }
    for (const FamilyOption &option : kFamilyOptions) {
        if (IsOutTrayItem(option)) rows[n++] = ConfigItem("OUT TRAYS", option.pjlWord, HandleOption, option.optionId);
    }
    for (const FamilyOption &option : kFamilyOptions) {
        if (IsConfigKey(option)) rows[n++] = ConfigItem(option.pjlWord, "", HandleOption, option.optionId);
    }
    rows[n] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0};
    return rows;
}

constexpr auto kModelDispatchRows = ModelDispatchRows();

}  // namespace

const DispatchRow *const kModelDispatchTable = kModelDispatchRows.data();

namespace {

constexpr size_t kCommonRows = std::size(kCommonDispatchRows) - 1;
static_assert(kCommonDispatchRows[kCommonRows].command == nullptr && kModelDispatchRows[kModelRows].command == nullptr,
              "each table ends with its sentinel row");

}  // namespace

constexpr DispatchIndex kReplyDispatchIndex =
    BuildDispatchIndex(kModelDispatchRows.data(), kModelRows, kCommonDispatchRows, kCommonRows);
