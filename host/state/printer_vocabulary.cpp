#include "common/family_codes.h"
#include "printer_vocabulary.h"

#include <algorithm>

const TrayVocabulary kTrayVocabulary[] = {
    {"tray1", "INTRAY1", "INTRAY1SIZE", "INTRAY1QUANT", "INTRAY1MEDIA", "INTRAY1", "TRAY1", 3, 0},
    {"tray2", "INTRAY2", "INTRAY2SIZE", "INTRAY2QUANT", "INTRAY2MEDIA", "INTRAY2", "TRAY2", 4, 0},
    {"tray3", "INTRAY3", "INTRAY3SIZE", "INTRAY3QUANT", "INTRAY3MEDIA", "INTRAY3", "TRAY3", 5, 0},
    // Tray 4 only comes with the paper bank, which also holds tray 3.
    {"tray4", "INTRAY4", "INTRAY4SIZE", "INTRAY4QUANT", "INTRAY4MEDIA", "INTRAY4", "TRAY4", 6, kOptionPaperBank},
    {"lct", "INTRAYLCT", "INTRAYLCTSIZE", "INTRAYLCTQUANT", "INTRAYLCTMEDIA", "INTRAYLCT", "LCT", 11, kOptionLargeCapacityTray},
    {"bypass", "INTRAYMANUAL", "INTRAYMSIZE", nullptr, "INTRAYMMEDIA", "INTRAYMULTI", "BYPASS", 1, kOptionBypassTray},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0},
};

const OptionVocabulary kOptionVocabulary[] = {
    {"duplex", OptionPlacement::ConfigKey, "DUPLEX", kOptionDuplex},
    {"disk", OptionPlacement::ConfigKey, "DISK", kOptionDisk},
    {"one-bin-tray", OptionPlacement::OutTrayItem, "OUTTRAYMULTIFUNCTION", kOptionOneBinTray},
    {"finisher-1000", OptionPlacement::OutTrayItem, "OUTTRAYFINISH1000", kOptionFinisher1000},
    {"finisher-3000", OptionPlacement::OutTrayItem, "OUTTRAYFINISH3000", kOptionFinisher3000},
    {"booklet-finisher", OptionPlacement::OutTrayItem, "OUTTRAYBOOKLETA", kOptionBookletFinisher},
    {"document-feeder", OptionPlacement::NotReported, nullptr, kOptionDocumentFeeder},
    {"bridge-unit", OptionPlacement::NotReported, nullptr, kOptionBridgeUnit},
    {nullptr, OptionPlacement::NotReported, nullptr, 0},
};

namespace {

struct PunchUnit {
    std::vector<std::string> holes;
    uint16_t optionId;
};

const PunchUnit kPunchUnits[] = {
    {{"JP2"}, kOptionPunchJp2},
    {{"US2", "US3"}, kOptionPunchUs},
    {{"JP2", "EU4"}, kOptionPunchJp2Eu4},
    {{"NEU4"}, kOptionPunchNeu4},
};

}  // namespace

const TrayVocabulary *FindTrayVocabulary(const std::string &name) {
    for (const TrayVocabulary *row = kTrayVocabulary; row->name != nullptr; ++row) {
        if (name == row->name) return row;
    }
    return nullptr;
}

const TrayVocabulary *FindTrayById(uint16_t trayId) {
    for (const TrayVocabulary *row = kTrayVocabulary; row->name != nullptr; ++row) {
        if (row->trayId == trayId) return row;
    }
    return nullptr;
}

const OptionVocabulary *FindOptionVocabulary(const std::string &name) {
    for (const OptionVocabulary *row = kOptionVocabulary; row->name != nullptr; ++row) {
        if (name == row->name) return row;
    }
    return nullptr;
}

uint16_t PunchOptionId(const std::vector<std::string> &holes) {
    std::vector<std::string> wanted = holes;
    std::sort(wanted.begin(), wanted.end());
    for (const PunchUnit &unit : kPunchUnits) {
        std::vector<std::string> offered = unit.holes;
        std::sort(offered.begin(), offered.end());
        if (offered == wanted) return unit.optionId;
    }
    return 0;
}
