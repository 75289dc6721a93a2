#include "printer_vocabulary.h"

#include <algorithm>

const TrayVocabulary kTrayVocabulary[] = {
    {"tray1", "INTRAY1", "INTRAY1SIZE", "INTRAY1QUANT", "INTRAY1MEDIA", "INTRAY1", "TRAY1", 3, 0},
    {"tray2", "INTRAY2", "INTRAY2SIZE", "INTRAY2QUANT", "INTRAY2MEDIA", "INTRAY2", "TRAY2", 4, 0},
    {"tray3", "INTRAY3", "INTRAY3SIZE", "INTRAY3QUANT", "INTRAY3MEDIA", "INTRAY3", "TRAY3", 5, 0},
    // Tray 4 only comes with the paper bank, which also holds tray 3.
    {"tray4", "INTRAY4", "INTRAY4SIZE", "INTRAY4QUANT", "INTRAY4MEDIA", "INTRAY4", "TRAY4", 6, 102},
    {"lct", "INTRAYLCT", "INTRAYLCTSIZE", "INTRAYLCTQUANT", "INTRAYLCTMEDIA", "INTRAYLCT", "LCT", 11, 104},
    {"bypass", "INTRAYMANUAL", "INTRAYMSIZE", nullptr, "INTRAYMMEDIA", "INTRAYMULTI", "BYPASS", 1, 16},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0},
};

const OptionVocabulary kOptionVocabulary[] = {
    {"duplex", OptionPlacement::ConfigKey, "DUPLEX", 1},
    {"disk", OptionPlacement::ConfigKey, "DISK", 3},
    {"one-bin-tray", OptionPlacement::OutTrayItem, "OUTTRAYMULTIFUNCTION", 7},
    {"finisher-1000", OptionPlacement::OutTrayItem, "OUTTRAYFINISH1000", 37},
    {"finisher-3000", OptionPlacement::OutTrayItem, "OUTTRAYFINISH3000", 114},
    {"booklet-finisher", OptionPlacement::OutTrayItem, "OUTTRAYBOOKLETA", 115},
    {"document-feeder", OptionPlacement::NotReported, nullptr, 144},
    {"bridge-unit", OptionPlacement::NotReported, nullptr, 131},
    {nullptr, OptionPlacement::NotReported, nullptr, 0},
};

namespace {

struct PunchUnit {
    std::vector<std::string> holes;
    uint16_t optionId;
};

const PunchUnit kPunchUnits[] = {
    {{"JP2"}, 12},
    {{"US2", "US3"}, 132},
    {{"JP2", "EU4"}, 133},
    {{"NEU4"}, 134},
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
