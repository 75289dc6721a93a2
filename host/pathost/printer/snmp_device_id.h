// The printer's IEEE 1284 device ID read over the network by SNMP: the
// Printer Port Monitor MIB's ppmPrinterIEEE1284DeviceId (first row), or,
// when the printer has none, the older enterprise object many network
// printers answer.
#pragma once

#include <string>

struct SnmpSettings {
    std::string host;           // name or address of the printer
    int port = 161;
    std::string community = "public";
    int version = 2;            // 1 or 2 (v2c)
    double timeoutSeconds = 5;  // for each request
};

// True with the device ID; false with a message saying why there is none.
bool FetchDeviceIdBySnmp(const SnmpSettings &settings, std::string *deviceId, std::string *problem);

// Whether this build of the host can ask by SNMP at all.
bool SnmpAvailable();
