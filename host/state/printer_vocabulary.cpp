#include "printer_vocabulary.h"

#include <algorithm>

namespace {

std::vector<std::string> SortedHoles(const FamilyOption &option) {
    std::vector<std::string> holes;
    for (const char *hole : option.punchHoles) {
        if (hole != nullptr) holes.push_back(hole);
    }
    std::sort(holes.begin(), holes.end());
    return holes;
}

}  // namespace

const FamilyTray *FindTrayVocabulary(const std::string &name) {
    for (const FamilyTray &tray : kFamilyTrays) {
        if (name == tray.stateName) return &tray;
    }
    return nullptr;
}

const FamilyOption *FindOptionVocabulary(const std::string &name) {
    for (const FamilyOption &option : kFamilyOptions) {
        if (option.stateName != nullptr && name == option.stateName) return &option;
    }
    return nullptr;
}

uint16_t PunchOptionId(const std::vector<std::string> &holes) {
    std::vector<std::string> wanted = holes;
    std::sort(wanted.begin(), wanted.end());
    for (const FamilyOption &option : kFamilyOptions) {
        if (option.report == OptionReport::PunchList && SortedHoles(option) == wanted) return option.optionId;
    }
    return 0;
}
