#include "printer/snmp_device_id.h"

#include "printer/device_ids.h"

#include <string.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace {

// ppmPrinterIEEE1284DeviceId: a column, read from its first row by GETNEXT.
const oid kPpmDeviceIdColumn[] = {1, 3, 6, 1, 4, 1, 2699, 1, 2, 1, 2, 1, 1, 3};
// The enterprise object, a scalar.
const oid kEnterpriseDeviceId[] = {1, 3, 6, 1, 4, 1, 11, 2, 3, 9, 1, 1, 7, 0};

// Only the transports are set up: the full start of the library would load
// MIB files and create its persistent folder, and the host names every
// object by number and keeps nothing between runs.
void InitSnmpOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    snmp_disable_log();
    netsnmp_tdomain_init();
}

std::string PeerName(const SnmpSettings &s) {
    const bool ipv6 = s.host.find(':') != std::string::npos;
    return (ipv6 ? "udp6:[" + s.host + "]" : "udp:" + s.host) + ":" + std::to_string(s.port);
}

// One session for the two requests, closed on every path.
class Session {
public:
    Session(const SnmpSettings &s, std::string *problem) {
        netsnmp_session settings;
        snmp_sess_init(&settings);
        const std::string peer = PeerName(s);
        settings.peername = const_cast<char *>(peer.c_str());
        settings.version = s.version == 1 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
        settings.community = reinterpret_cast<u_char *>(const_cast<char *>(s.community.c_str()));
        settings.community_len = s.community.size();
        settings.timeout = static_cast<long>(s.timeoutSeconds * 1e6);
        settings.retries = 0;
        handle_ = snmp_sess_open(&settings);
        if (handle_ == nullptr) *problem = "cannot open an SNMP session to " + peer;
    }
    ~Session() {
        if (handle_ != nullptr) snmp_sess_close(handle_);
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;
    void *handle() const { return handle_; }

private:
    void *handle_ = nullptr;
};

enum class Lookup { Found, Absent, Failed };

// The value's text, or why it is no device ID.
Lookup TakeValue(const netsnmp_variable_list *value, std::string *deviceId, std::string *problem) {
    if (value->type != ASN_OCTET_STR) {
        *problem = "the printer's device ID object is not an OCTET STRING (ASN.1 type " +
                   std::to_string(value->type) + ")";
        return Lookup::Failed;
    }
    const char *text = reinterpret_cast<const char *>(value->val.string);
    if (value->val_len == 0) {
        *problem = "the printer's device ID is empty";
        return Lookup::Failed;
    }
    if (value->val_len > kMaxDeviceIdLength) {
        *problem = "the printer's device ID is " + std::to_string(value->val_len) + " bytes long, more than " +
                   std::to_string(kMaxDeviceIdLength);
        return Lookup::Failed;
    }
    if (memchr(text, '\0', value->val_len) != nullptr) {
        *problem = "the printer's device ID holds a NUL byte";
        return Lookup::Failed;
    }
    deviceId->assign(text, value->val_len);
    return Lookup::Found;
}

bool UnderPrefix(const netsnmp_variable_list *value, const oid *prefix, size_t length) {
    return value->name_length > length && snmp_oid_compare(value->name, length, prefix, length) == 0;
}

// GET of a scalar, or GETNEXT from a column (its first row).
Lookup Ask(void *session, int command, const oid *name, size_t length, std::string *deviceId,
           std::string *problem) {
    netsnmp_pdu *request = snmp_pdu_create(command);
    snmp_add_null_var(request, name, length);
    netsnmp_pdu *response = nullptr;
    const int status = snmp_sess_synch_response(session, request, &response);
    Lookup lookup = Lookup::Failed;
    if (status == STAT_TIMEOUT) {
        *problem = "no SNMP answer (no agent, or another community)";
    } else if (status != STAT_SUCCESS || response == nullptr) {
        char *text = nullptr;
        snmp_sess_error(session, nullptr, nullptr, &text);
        *problem = std::string("SNMP request failed: ") + (text != nullptr ? text : "unknown error");
        free(text);
    } else if (response->errstat == SNMP_ERR_NOSUCHNAME) {
        lookup = Lookup::Absent;  // SNMPv1's way of saying so
    } else if (response->errstat != SNMP_ERR_NOERROR) {
        *problem = std::string("the SNMP agent refused: ") + snmp_errstring(static_cast<int>(response->errstat));
    } else if (response->variables == nullptr) {
        *problem = "an SNMP answer without a value";
    } else {
        const netsnmp_variable_list *value = response->variables;
        const bool exception = value->type == SNMP_NOSUCHOBJECT || value->type == SNMP_NOSUCHINSTANCE ||
                               value->type == SNMP_ENDOFMIBVIEW;
        const bool outside = command == SNMP_MSG_GETNEXT && !UnderPrefix(value, name, length);
        lookup = exception || outside ? Lookup::Absent : TakeValue(value, deviceId, problem);
    }
    if (response != nullptr) snmp_free_pdu(response);
    return lookup;
}

}  // namespace

bool SnmpAvailable() { return true; }

bool FetchDeviceIdBySnmp(const SnmpSettings &settings, std::string *deviceId, std::string *problem) {
    InitSnmpOnce();
    Session session(settings, problem);
    if (session.handle() == nullptr) return false;
    Lookup lookup = Ask(session.handle(), SNMP_MSG_GETNEXT, kPpmDeviceIdColumn, OID_LENGTH(kPpmDeviceIdColumn),
                        deviceId, problem);
    if (lookup == Lookup::Absent) {
        lookup = Ask(session.handle(), SNMP_MSG_GET, kEnterpriseDeviceId, OID_LENGTH(kEnterpriseDeviceId), deviceId,
                     problem);
    }
    if (lookup == Lookup::Absent) *problem = "the printer's SNMP agent knows no device ID object";
    return lookup == Lookup::Found;
}
