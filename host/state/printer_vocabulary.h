// The names a state file uses for trays and options, and what each stands
// for on the wire (PJL words) and in a printer information record (ids).
// Shared by the simulator, which answers in PJL words, and the host, which
// builds records from a state without asking any printer.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct TrayVocabulary {
    const char *name;           // state-file name
    const char *configItem;     // item in the "IN TRAYS" list of INFO CONFIG
    const char *sizeVariable;   // INQUIRE variables
    const char *levelVariable;  // null: the tray has no level sensor
    const char *mediaVariable;
    const char *lockVariable;
    const char *printTrayWord;  // answer naming this tray as a print tray
    uint16_t trayId;            // wId of its record item
    uint16_t impliedOptionId;   // option the tray stands for, 0 for none
};

// Ends with a row whose name is null.
extern const TrayVocabulary kTrayVocabulary[];

enum class OptionPlacement {
    OutTrayItem,  // an item of the "OUT TRAYS" list of INFO CONFIG
    ConfigKey,    // a key line of its own in INFO CONFIG
    NotReported,  // present on the printer, but not in its PJL configuration
};

struct OptionVocabulary {
    const char *name;       // state-file name
    OptionPlacement placement;
    const char *pjlWord;    // the item or key, when reported
    uint16_t optionId;      // wId of its pDeviceInfo item
};

// Ends with a row whose name is null.
extern const OptionVocabulary kOptionVocabulary[];

const TrayVocabulary *FindTrayVocabulary(const std::string &name);
const TrayVocabulary *FindTrayById(uint16_t trayId);
const OptionVocabulary *FindOptionVocabulary(const std::string &name);

// The option id of a punch unit with these hole sets (any order), 0 when no
// punch unit of this family has exactly these.
uint16_t PunchOptionId(const std::vector<std::string> &holes);
