// What the simulated printer answers to one PJL command line: the echoed
// command line, the answer lines and the form feed that closes the answer,
// all lines ended by CR LF, as this printer family replies.
#pragma once

#include <string>

#include "printer_description.h"

// `line` is one command line without its line end (a leading universal exit
// language sequence already removed).  Returns the empty text for lines that
// ask nothing (an empty "@PJL", commands other than INFO and INQUIRE, or
// anything that is not PJL).  Questions the printer cannot answer (unknown
// variables, trays that are not installed) get the answer "?".
std::string AnswerPjlLine(const PrinterDescription &printer, const std::string &line);

// The answers to every command line of a request text, in order.
std::string AnswerPjlRequests(const PrinterDescription &printer, const std::string &requests);
