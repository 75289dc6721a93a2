#include "library/linked_exports.h"

// The global heap and the last error: kernel32's on Windows, and under the
// same names libpatmodel.so's own on Linux (declared in pat.h).
#if defined(_WIN32)
#include <windows.h>
#endif

PatExports LinkedExports() {
    PatExports e;
#define PAT_LINK_EXPORT(name) e.name = &::Pat##name;
#define PAT_LINK_SYSTEM_CALL(name) e.name = reinterpret_cast<Pat##name##Call>(&::name);
    PAT_HOST_EXPORTS(PAT_LINK_EXPORT)
    PAT_HOST_SYSTEM_CALLS(PAT_LINK_SYSTEM_CALL)
#undef PAT_LINK_EXPORT
#undef PAT_LINK_SYSTEM_CALL
    return e;
}
