// PatDisposeBitmapInfo: releases a picture description.
#include "export_gate.h"

extern "C" PatBool PATAPI PatDisposeBitmapInfo(void *pBitmapInfo) {
    if (pBitmapInfo == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
