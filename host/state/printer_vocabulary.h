// The names a state file uses for trays and options, looked up in the
// family's vocabulary (common/family_vocabulary.h), whose rows also say what
// each stands for on the wire (PJL words) and in a printer information record
// (ids).  Shared by the simulator, which answers in PJL words, and the host,
// which builds records from a state without asking any printer.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "common/family_vocabulary.h"

// The tray or option a state file names so, or null.
const FamilyTray *FindTrayVocabulary(const std::string &name);
const FamilyOption *FindOptionVocabulary(const std::string &name);

// The option id of a punch unit with these hole sets (any order), 0 when no
// punch unit of this family has exactly these.
uint16_t PunchOptionId(const std::vector<std::string> &holes);
