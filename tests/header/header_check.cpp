// pat.h as a host's C++ compiler reads it, built as C++98 with warnings as
// errors (the library itself is C++17).
#include "pat.h"

typedef PatBool(PATAPI *SetCentroDataTo)(PatInfoNode *, uint32_t, PrnInfoEx *, uint32_t);

int pat_header_check_cxx(PatInfoNode *node) {
    SetCentroDataTo setCentroDataTo = PatSetCentroDataTo;
    const uint32_t *payload = static_cast<const uint32_t *>(PAT_NODE_PAYLOAD(node));
    return setCentroDataTo != 0 && *payload != PAT_PM_ABSENT;
}
