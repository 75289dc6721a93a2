// Builds without an SNMP library (the Windows host: the platform's SNMP
// manager API is not usable under Wine): the device ID comes from
// --device-id or --device-id-file only.
#include "printer/snmp_device_id.h"

bool SnmpAvailable() { return false; }

bool FetchDeviceIdBySnmp(const SnmpSettings &, std::string *, std::string *problem) {
    *problem = "this build of pathost cannot ask by SNMP";
    return false;
}
