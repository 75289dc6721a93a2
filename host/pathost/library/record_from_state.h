// A printer information record made from a state file instead of a poll:
// the engine status, the installed options and whether the printer answers,
// which is all the status text and the status picture read.
#pragma once

#include "library/host_record.h"
#include "printer_description.h"

// Fills an empty record; false when memory runs out (the record then holds
// what was added and is still to be released).
bool FillRecordFromState(const PatExports &exports, const PrinterDescription &printer, PrnInfoEx *record);
