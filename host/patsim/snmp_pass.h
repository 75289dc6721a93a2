// The simulated printer's device ID for a real SNMP agent: snmpd's
// "pass_persist" protocol (the agent keeps the program running and writes
// "get" or "getnext" and an OID to its input; the program answers the
// object's OID, type and value, or NONE).  The device ID is read from the
// file the simulator keeps current at every request, so the agent follows
// the state.
#pragma once

#include <string>

// The answer to one request: empty when the object does not exist.
// `type` is the SNMP type to answer with ("string", or another one to try a
// host against an agent that answers with the wrong type).
std::string AnswerSnmpPass(const std::string &deviceIdFile, const std::string &type, bool next,
                           const std::string &requested);

// Serves the protocol on standard input and output until the input ends.
int ServeSnmpPassPersist(const std::string &deviceIdFile, const std::string &type);
