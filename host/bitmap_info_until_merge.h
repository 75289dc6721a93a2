// Temporary: the bitmap info layout until include/pat.h declares it.
#pragma once
#include "pat.h"
#ifndef PAT_BITMAP_INFO_LAYERS
#define PAT_BITMAP_INFO_LAYER_LISTS 201u
#define PAT_BITMAP_INFO_LAYERS      200u
typedef struct PatBitmapInfo {
    uint8_t bTag;
    uint8_t bReserved[3];
    uint32_t dwCount;
    uint32_t dwElemSize;
    void *pElems;
} PatBitmapInfo;
#define PAT_ROP_SRCCOPY  0x00CC0020u
#define PAT_ROP_SRCAND   0x008800C6u
#define PAT_ROP_SRCPAINT 0x00EE0086u
typedef struct PatBitmapLayer {
    char szBitmapName[32];
    int32_t nX;
    int32_t nY;
    uint32_t dwRop;
    uint8_t bLayer;
    uint8_t bReserved[3];
} PatBitmapLayer;
#endif
