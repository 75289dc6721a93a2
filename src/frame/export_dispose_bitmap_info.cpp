// PatDisposeBitmapInfo: releases a picture description.
#include "export_gate.h"
#include "picture/bitmap_info.h"

extern "C" PatBool PATAPI PatDisposeBitmapInfo(PatBitmapInfo *pBitmapInfo) {
    const uint32_t error = DisposeBitmapInfo(pBitmapInfo);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
