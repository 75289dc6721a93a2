#include "reply_dispatch_tables.h"

#include <iterator>

#include "common/family_codes.h"
#include "dispatch_index.h"
#include "pat.h"

constexpr DispatchRow kCommonDispatchTable[] = {
    {"INFO", "ZEMA", "", "", "", HandleEmulUniqInfo, 0},
    {"INFO", "CONFIG", "", "", "", HandleOptionReset, 0},
    {"INFO", "CONFIG", "VERSION", "", "", HandleVersions, 0},
    {"INFO", "CONFIG", "IN TRAYS", "", "", HandleTrayCount, 0},
    {"INFO", "CONFIG", "MEMORY", "", "", HandleMemory, 0},
    {"INFO", "CONFIG", "PUNCH", "", "", HandlePunch, 0},
    {"INFO", "OUTBINSTATUS", "", "", "", HandleOutputBinReset, 0},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

constexpr DispatchRow kModelDispatchTable[] = {
    {"INQUIRE", "INTRAY1", "", "", "", HandleTrayLock, 3},
    {"INQUIRE", "INTRAY2", "", "", "", HandleTrayLock, 4},
    {"INQUIRE", "INTRAY3", "", "", "", HandleTrayLock, 5},
    {"INQUIRE", "INTRAY4", "", "", "", HandleTrayLock, 6},
    {"INQUIRE", "INTRAYLCT", "", "", "", HandleTrayLock, 11},
    {"INQUIRE", "INTRAYMULTI", "", "", "", HandleTrayLock, 1},

    {"INQUIRE", "INTRAY1SIZE", "", "", "", HandleTrayPaperSize, 3},
    {"INQUIRE", "INTRAY2SIZE", "", "", "", HandleTrayPaperSize, 4},
    {"INQUIRE", "INTRAY3SIZE", "", "", "", HandleTrayPaperSize, 5},
    {"INQUIRE", "INTRAY4SIZE", "", "", "", HandleTrayPaperSize, 6},
    {"INQUIRE", "INTRAYLCTSIZE", "", "", "", HandleTrayPaperSize, 11},
    {"INQUIRE", "INTRAYMSIZE", "", "", "", HandleTrayPaperSize, 1},

    {"INQUIRE", "INTRAY1QUANT", "", "", "", HandleTrayPaperLevel, 3},
    {"INQUIRE", "INTRAY2QUANT", "", "", "", HandleTrayPaperLevel, 4},
    {"INQUIRE", "INTRAY3QUANT", "", "", "", HandleTrayPaperLevel, 5},
    {"INQUIRE", "INTRAY4QUANT", "", "", "", HandleTrayPaperLevel, 6},
    {"INQUIRE", "INTRAYLCTQUANT", "", "", "", HandleTrayPaperLevel, 11},

    {"INQUIRE", "INTRAY1MEDIA", "", "", "", HandleTrayMedia, 3},
    {"INQUIRE", "INTRAY2MEDIA", "", "", "", HandleTrayMedia, 4},
    {"INQUIRE", "INTRAY3MEDIA", "", "", "", HandleTrayMedia, 5},
    {"INQUIRE", "INTRAY4MEDIA", "", "", "", HandleTrayMedia, 6},
    {"INQUIRE", "INTRAYLCTMEDIA", "", "", "", HandleTrayMedia, 11},
    {"INQUIRE", "INTRAYMMEDIA", "", "", "", HandleTrayMedia, 1},

    {"INFO", "CONFIG", "IN TRAYS", "INTRAY1", "", HandleTrayPresent, 3},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY2", "", HandleTrayPresent, 4},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY3", "", HandleTrayPresent, 5},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY4", "", HandleTrayPresent, 6},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYLCT", "", HandleTrayPresent, 11},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYMANUAL", "", HandleTrayPresent, 1},

    {"INQUIRE", "FRONTCOVERPRINTTRAY", "", "", "", HandlePrintTray, PAT_TRAY_FLAG_FRONT_COVER},
    {"INQUIRE", "SLIPSHEETPRINTTRAY", "", "", "", HandlePrintTray, PAT_TRAY_FLAG_SLIP_SHEET},
    {"INQUIRE", "CHAPTERPRINTTRAY1", "", "", "", HandlePrintTray, PAT_TRAY_FLAG_CHAPTER},

    {"INFO", "OUTBINSTATUS", "UPPER", "", "", HandleOutputBin, 1},
    {"INFO", "OUTBINSTATUS", "INNER", "", "", HandleOutputBin, 2},
    {"INFO", "OUTBINSTATUS", "FINISHERPROOF", "", "", HandleOutputBin, 5},
    {"INFO", "OUTBINSTATUS", "FINISHERSHIFT", "", "", HandleOutputBin, 4},
    {"INFO", "OUTBINSTATUS", "FINISHERBOOKLET", "", "", HandleOutputBin, 27},

    {"INFO", "CONFIG", "IN TRAYS", "INTRAY4", "", HandleOption, kOptionPaperBank},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYLCT", "", HandleOption, kOptionLargeCapacityTray},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYMANUAL", "", HandleOption, kOptionBypassTray},

    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYMULTIFUNCTION", "", HandleOption, kOptionOneBinTray},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYFINISH1000", "", HandleOption, kOptionFinisher1000},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYFINISH3000", "", HandleOption, kOptionFinisher3000},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYBOOKLETA", "", HandleOption, kOptionBookletFinisher},

    {"INFO", "CONFIG", "DUPLEX", "", "", HandleOption, kOptionDuplex},
    {"INFO", "CONFIG", "DISK", "", "", HandleOption, kOptionDisk},

    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

namespace {

constexpr size_t kCommonRows = std::size(kCommonDispatchTable) - 1;
constexpr size_t kModelRows = std::size(kModelDispatchTable) - 1;
static_assert(kCommonDispatchTable[kCommonRows].command == nullptr && kModelDispatchTable[kModelRows].command == nullptr,
              "each table ends with its sentinel row");

constexpr auto kReplyDispatchEntries =
    SortedDispatchEntries<kModelRows, kCommonRows>(kModelDispatchTable, kCommonDispatchTable);

}  // namespace

const DispatchIndex kReplyDispatchIndex = {kReplyDispatchEntries.data(),
                                           static_cast<uint32_t>(kReplyDispatchEntries.size())};
