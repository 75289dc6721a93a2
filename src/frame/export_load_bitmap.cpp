// PatLoadBitmap: a bitmap handle for a bitmap resource of this library.
#include "export_gate.h"

extern "C" void *PATAPI PatLoadBitmap(const char *pszName) {
    if (pszName == nullptr) return FailWithNull<void>(PAT_ERROR_INVALID_PARAMETER);
    return FailWithNull<void>(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
