// PatLoadDIBitmap: the packed device-independent bitmap of a bitmap resource.
#include "export_gate.h"

extern "C" const void *PATAPI PatLoadDIBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<const void>(PAT_ERROR_INVALID_PARAMETER);
    return FailWithNull<const void>(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
