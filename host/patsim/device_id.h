// The IEEE 1284 device ID of a simulated printer: maker, model, command
// sets, class, description, and this family's engine status (STS) and
// counter (KTQ) fields.
#pragma once

#include <string>

#include "printer_description.h"

std::string DeviceIdOf(const PrinterDescription &printer);
