#include "device_id.h"

namespace {

// A semicolon would end the field early.
std::string FieldValue(std::string text) {
    for (char &c : text) {
        if (c == ';') c = ',';
    }
    return text;
}

std::string CommandSets(const PrinterDescription &printer) {
    std::string sets = "PJL";
    for (const EmulationState &emulation : printer.emulations) sets += "," + emulation.name;
    return sets;
}

std::string StatusField(const PrinterDescription &printer) {
    std::string codes;
    for (uint32_t code : printer.statusCodes) {
        if (!codes.empty()) codes += "/";
        codes += std::to_string(code);
    }
    return codes + "," + std::to_string(printer.stateNumber) + "," + FieldValue(printer.statusText);
}

}  // namespace

std::string DeviceIdOf(const PrinterDescription &printer) {
    std::string id;
    if (!printer.maker.empty()) id += "MFG:" + FieldValue(printer.maker) + ";";
    if (!printer.model.empty()) id += "MDL:" + FieldValue(printer.model) + ";";
    id += "CMD:" + CommandSets(printer) + ";CLS:PRINTER;";
    if (!printer.description.empty()) id += "DES:" + FieldValue(printer.description) + ";";
    id += "STS:" + StatusField(printer) + ";";
    // The counter is cut at its "/" alone, so the slash is always written.
    id += "KTQ:" + std::to_string(printer.counter) + "/" + FieldValue(printer.supplies) + ";";
    return id;
}
