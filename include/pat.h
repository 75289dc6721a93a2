/*
 * patmodel host interface.
 *
 * The printer-model data library for one printer family: status texts in 17
 * languages, the status picture, the PJL query and the reading of its reply,
 * and the names of trays, output bins and options.  Everything that crosses
 * the boundary is declared here, with its exact 32-bit layout.
 *
 * Every export uses the stdcall convention and reports through the thread's
 * last-error value (GetLastError), success included.  Memory the library hands
 * to the host comes from the global heap (GlobalAlloc); release it with
 * GlobalFree.  On Linux, libpatmodel.so exports GetLastError, SetLastError,
 * GlobalAlloc, GlobalFree and GlobalSize for that purpose.
 */
#ifndef PATMODEL_PAT_H
#define PATMODEL_PAT_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define PATAPI __stdcall
#else
#define PATAPI __attribute__((stdcall))
#endif

#ifdef __cplusplus
#define PAT_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define PAT_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

PAT_STATIC_ASSERT(sizeof(void *) == 4, "patmodel is a 32-bit interface");

typedef int32_t PatBool;

/* ---- Result codes (last-error values) -------------------------------- */

#define PAT_OK                      0u
#define PAT_ERROR_NOT_ENOUGH_MEMORY 8u
#define PAT_ERROR_INVALID_DATA      13u
#define PAT_ERROR_INVALID_PARAMETER 87u
#define PAT_ERROR_CALL_NOT_IMPLEMENTED 120u
#define PAT_ERROR_INSUFFICIENT_BUFFER  122u
#define PAT_ERROR_UNKNOWN_LANGUAGE  0x20000001u /* or no ANSI code page */
#define PAT_ERROR_INCOMPLETE_REPLY  0x20000002u
#define PAT_ERROR_NO_PALETTE        0x20000003u
#define PAT_ERROR_MISSING_TABLE     0x2000FFFFu

/* ---- Source types and interface versions ------------------------------ */

#define PAT_SOURCE_1          0x0001u
#define PAT_SOURCE_2          0x0002u
#define PAT_SOURCE_4          0x0004u
#define PAT_SOURCE_8          0x0008u
#define PAT_SOURCE_8000       0x8000u
#define PAT_REDUCED_SET_BIT   0x80000000u

#define PAT_STATUS_INTERFACE_VERSION 3u
#define PAT_PJL_INTERFACE_VERSION    2u

#define PAT_NO_RESPONSE_CODE 4294967042u /* 0xFFFFFF02 */

/* Item selection flags (query building, basic record conversion). */
#define PAT_ITEMS_STATE          0x00000002u
#define PAT_ITEMS_CONFIGURATION  0x00000004u
#define PAT_ITEMS_INPUT_TRAYS    0x00000008u
#define PAT_ITEMS_OUTPUT_BINS    0x00000010u
#define PAT_ITEMS_EMULATIONS     0x00000100u
#define PAT_ITEMS_FONTS          0x00000200u
#define PAT_ITEMS_IDENTITY       0x00000400u
#define PAT_ITEMS_DUPLEX_OPTION  0x00020000u
#define PAT_ITEMS_ENGINE_STATUS  0x00080000u

/* ---- Info node tree ---------------------------------------------------- */

/* One contiguous global-heap block: this header, then dwLength payload bytes. */
typedef struct PatInfoNode {
    uint32_t dwId;
    struct PatInfoNode *pParent;
    struct PatInfoNode *pFirstChild;
    struct PatInfoNode *pNextSibling;
    struct PatInfoNode *pLastChild;
    uint32_t dwLength;
} PatInfoNode;

PAT_STATIC_ASSERT(sizeof(PatInfoNode) == 24, "info node header");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pParent) == 4, "pParent");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pFirstChild) == 8, "pFirstChild");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pNextSibling) == 12, "pNextSibling");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pLastChild) == 16, "pLastChild");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, dwLength) == 20, "dwLength");

#define PAT_NODE_PAYLOAD(node) ((void *)((PatInfoNode *)(node) + 1))

/* Node ids with a fixed meaning. */
#define PAT_TREE_STATUS_ROOT    10u
#define PAT_TREE_STATUS_OVERRIDE 2u
#define PAT_TREE_QUERY_ROOT      1u
#define PAT_TREE_REPLY_ROOT      2u
#define PAT_TREE_REPLY_EMUL_ROOT 3u
#define PAT_NODE_PJL_TEXT     1000u
#define PAT_NODE_DEVICE_ID    1002u

/* ---- Version record and peripheral profile ----------------------------- */

typedef struct PatVersionInfo {
    uint32_t dwSize;        /* set by the caller, at least 32 */
    uint32_t dwFileVersion; /* major << 24 | minor << 16 | build << 8 | revision */
    uint32_t dwFixed1;      /* 0x02000100 */
    uint32_t dwFixed2;      /* 0x03060000 */
    uint32_t dwReserved[4];
} PatVersionInfo;

PAT_STATIC_ASSERT(sizeof(PatVersionInfo) == 32, "version record");

typedef struct PatPeripheralProfile {
    uint32_t dwWord[5];
} PatPeripheralProfile;

PAT_STATIC_ASSERT(sizeof(PatPeripheralProfile) == 20, "peripheral profile");

/* ---- Printer information record PrnInfoEx ------------------------------ */

/* Every list item starts with pNext, dwSize and wId (10 bytes). */
#define PAT_ITEM_HEADER(Type) \
    struct Type *pNext;       \
    uint32_t dwSize;          \
    uint16_t wId

typedef struct PatItem {
    PAT_ITEM_HEADER(PatItem);
} PatItem;

typedef struct PatEngineStatusItem {
    PAT_ITEM_HEADER(PatEngineStatusItem);
    uint16_t wUnused;
    uint32_t dwStatusCode;
    char szText[256];
} PatEngineStatusItem;

typedef struct PatLoadedEmulItem {
    PAT_ITEM_HEADER(PatLoadedEmulItem);
    char szVersion[18];
} PatLoadedEmulItem;

typedef struct PatLoadedFontItem {
    PAT_ITEM_HEADER(PatLoadedFontItem);
    uint16_t wUnused;
} PatLoadedFontItem;

typedef struct PatTrayItem {
    PAT_ITEM_HEADER(PatTrayItem);
    uint16_t wPaperSize;
    uint16_t wLevel;      /* percent */
    uint16_t wMediaType;
    uint32_t dwFlags;     /* PAT_TRAY_FLAG_* */
} PatTrayItem;

#define PAT_TRAY_FLAG_LOCKED        0x01u
#define PAT_TRAY_FLAG_FRONT_COVER   0x04u
#define PAT_TRAY_FLAG_SLIP_SHEET    0x08u
#define PAT_TRAY_FLAG_CHAPTER       0x20u

typedef struct PatOutBinItem {
    PAT_ITEM_HEADER(PatOutBinItem);
    uint16_t wState; /* 0 ready, 1 paper present, 2 full */
} PatOutBinItem;

typedef struct PatDeviceItem {
    PAT_ITEM_HEADER(PatDeviceItem);
    uint16_t wZero;
} PatDeviceItem;

typedef struct PatEmulUniqItem {
    PAT_ITEM_HEADER(PatEmulUniqItem);
    uint16_t wUnused;
    uint32_t dwMemoryMode;   /* 1 page, 2 user, 0 otherwise */
    char szOtherInfo[33];
    uint8_t bUnused[3];
    uint32_t dwRotation;     /* 1 possible, 2 impossible, 0 otherwise */
} PatEmulUniqItem;

typedef struct PatCounterItem {
    PAT_ITEM_HEADER(PatCounterItem);
    uint16_t wUnused;
    uint32_t dwValue;
} PatCounterItem;

typedef struct PatSupplyItem {
    PAT_ITEM_HEADER(PatSupplyItem);
    uint16_t wUnused;
    uint32_t dwLevel;
} PatSupplyItem;

PAT_STATIC_ASSERT(offsetof(PatItem, wId) == 8, "item wId");
PAT_STATIC_ASSERT(sizeof(PatEngineStatusItem) == 272, "engine status item");
PAT_STATIC_ASSERT(offsetof(PatEngineStatusItem, dwStatusCode) == 12, "status code");
PAT_STATIC_ASSERT(offsetof(PatEngineStatusItem, szText) == 16, "status text");
PAT_STATIC_ASSERT(sizeof(PatLoadedEmulItem) == 28, "emulation item");
PAT_STATIC_ASSERT(offsetof(PatLoadedEmulItem, szVersion) == 10, "emulation version");
PAT_STATIC_ASSERT(sizeof(PatLoadedFontItem) == 12, "font item");
PAT_STATIC_ASSERT(sizeof(PatTrayItem) == 20, "tray item");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wPaperSize) == 10, "tray paper size");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wLevel) == 12, "tray level");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wMediaType) == 14, "tray media");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, dwFlags) == 16, "tray flags");
PAT_STATIC_ASSERT(sizeof(PatOutBinItem) == 12, "output bin item");
PAT_STATIC_ASSERT(offsetof(PatOutBinItem, wState) == 10, "bin state");
PAT_STATIC_ASSERT(sizeof(PatDeviceItem) == 12, "device item");
PAT_STATIC_ASSERT(sizeof(PatEmulUniqItem) == 56, "emulation-specific item");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, dwMemoryMode) == 12, "memory mode");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, szOtherInfo) == 16, "other info");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, dwRotation) == 52, "rotation");
PAT_STATIC_ASSERT(sizeof(PatCounterItem) == 16, "counter item");
PAT_STATIC_ASSERT(offsetof(PatCounterItem, dwValue) == 12, "counter value");
PAT_STATIC_ASSERT(sizeof(PatSupplyItem) == 16, "supply item");

#define PAT_PRNINFOEX_MIN_VERSION 404u

typedef struct PrnInfoEx {
    uint32_t dwVersion;             /* 0x00, at least 404 */
    uint8_t bReserved04[4];         /* 0x04 */
    uint32_t nEngineStatus;         /* 0x08 */
    PatEngineStatusItem *pEngineStatus; /* 0x0C */
    char *pModelName;               /* 0x10 */
    char *pMakerName;               /* 0x14 */
    char *pDescription;             /* 0x18 */
    char *pSYSVersion;              /* 0x1C */
    char *pMainProgVersion;         /* 0x20 */
    char *pKMSVersion;              /* 0x24 */
    uint32_t dwMemoryKB;            /* 0x28 */
    uint8_t bState;                 /* 0x2C */
    uint8_t bModelIndex;            /* 0x2D */
    uint8_t bStateNotOne;           /* 0x2E */
    uint8_t bHasError;              /* 0x2F */
    uint8_t bStatusBit22;           /* 0x30 */
    uint8_t bNoResponse;            /* 0x31 */
    uint8_t bReserved32[2];         /* 0x32 */
    uint32_t dwEmulWord;            /* 0x34 */
    uint32_t nLoadedEmul;           /* 0x38 */
    PatLoadedEmulItem *pLoadedEmul; /* 0x3C */
    uint32_t nLoadedFont;           /* 0x40 */
    PatLoadedFontItem *pLoadedFont; /* 0x44 */
    uint32_t dwTrayWord;            /* 0x48 */
    uint32_t nTrayInfo;             /* 0x4C */
    PatTrayItem *pTrayInfo;         /* 0x50 */
    uint32_t dwOutBinWord;          /* 0x54 */
    uint32_t nOutBinInfo;           /* 0x58 */
    PatOutBinItem *pOutBinInfo;     /* 0x5C */
    uint32_t nDeviceInfo;           /* 0x60 */
    PatDeviceItem *pDeviceInfo;     /* 0x64 */
    uint32_t nEmulUniqInfo;         /* 0x68 */
    PatEmulUniqItem *pEmulUniqInfo; /* 0x6C */
    uint8_t bReserved70[24];        /* 0x70 */
    uint32_t nCounterInfo;          /* 0x88 */
    PatCounterItem *pCounterInfo;   /* 0x8C */
    uint32_t nSupplyInfo;           /* 0x90 */
    PatSupplyItem *pSupplyInfo;     /* 0x94 */
    uint32_t nColorCorrection;      /* 0x98 */
    PatItem *pColorCorrection;      /* 0x9C */
} PrnInfoEx;

PAT_STATIC_ASSERT(sizeof(PrnInfoEx) == 160, "PrnInfoEx is 160 bytes");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nEngineStatus) == 0x08, "nEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pEngineStatus) == 0x0C, "pEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pModelName) == 0x10, "pModelName");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pKMSVersion) == 0x24, "pKMSVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwMemoryKB) == 0x28, "dwMemoryKB");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bState) == 0x2C, "bState");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bModelIndex) == 0x2D, "bModelIndex");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bNoResponse) == 0x31, "bNoResponse");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwEmulWord) == 0x34, "dwEmulWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nLoadedEmul) == 0x38, "nLoadedEmul");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pLoadedFont) == 0x44, "pLoadedFont");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwTrayWord) == 0x48, "dwTrayWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pTrayInfo) == 0x50, "pTrayInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwOutBinWord) == 0x54, "dwOutBinWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pOutBinInfo) == 0x5C, "pOutBinInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pDeviceInfo) == 0x64, "pDeviceInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pEmulUniqInfo) == 0x6C, "pEmulUniqInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nCounterInfo) == 0x88, "nCounterInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pSupplyInfo) == 0x94, "pSupplyInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pColorCorrection) == 0x9C, "pColorCorrection");

/* ---- Basic record PrnInfo ---------------------------------------------- */
/* (layout added with the basic record conversion) */

/* ---- Peripheral information PMInfo ------------------------------------- */
/* (layouts added with the peripheral information conversion) */

/* ---- Status picture: bitmap info and layers ---------------------------- */

/* One header for two kinds, told apart by bTag: a list of bitmap layer lists
 * (201, elements are PatBitmapInfo of tag 200) or a bitmap layer list (200,
 * elements are PatBitmapLayer).  PatCreateBitmapInfo returns a tag-201 info
 * holding one layer list; hand it back to PatDisposeBitmapInfo. */
#define PAT_BITMAP_INFO_LAYER_LISTS 201u
#define PAT_BITMAP_INFO_LAYERS      200u

typedef struct PatBitmapInfo {
    uint8_t bTag;
    uint8_t bReserved[3];
    uint32_t dwCount;    /* number of elements */
    uint32_t dwElemSize; /* 16 for tag 201, 48 for tag 200 */
    void *pElems;        /* the elements, back to back */
} PatBitmapInfo;

PAT_STATIC_ASSERT(sizeof(PatBitmapInfo) == 16, "bitmap info");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, bTag) == 0, "bTag");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, dwCount) == 4, "dwCount");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, dwElemSize) == 8, "dwElemSize");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, pElems) == 12, "pElems");

/* Raster operations of a layer (the GDI codes). */
#define PAT_ROP_SRCCOPY  0x00CC0020u /* opaque bitmap (odd layer number) */
#define PAT_ROP_SRCAND   0x008800C6u /* mask "_B" bitmap of a transparent one */
#define PAT_ROP_SRCPAINT 0x00EE0086u /* transparent bitmap, after its mask */

/* One bitmap to draw.  Layers are listed in drawing order. */
typedef struct PatBitmapLayer {
    char szBitmapName[32]; /* bitmap resource name, for PatLoadBitmap */
    int32_t nX;            /* position on the 320 x 200 picture, pixels */
    int32_t nY;
    uint32_t dwRop;        /* PAT_ROP_* */
    uint8_t bLayer;        /* layer number 1..255: odd opaque, even masked */
    uint8_t bReserved[3];
} PatBitmapLayer;

PAT_STATIC_ASSERT(sizeof(PatBitmapLayer) == 48, "bitmap layer");
PAT_STATIC_ASSERT(offsetof(PatBitmapLayer, nX) == 32, "nX");
PAT_STATIC_ASSERT(offsetof(PatBitmapLayer, nY) == 36, "nY");
PAT_STATIC_ASSERT(offsetof(PatBitmapLayer, dwRop) == 40, "dwRop");
PAT_STATIC_ASSERT(offsetof(PatBitmapLayer, bLayer) == 44, "bLayer");

/* ---- Exports (ordinals 2 to 17) ---------------------------------------- */

PatBitmapInfo *PATAPI PatCreateBitmapInfo(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                          uint32_t dwInterfaceVersion);           /* 2 */
PatBool PATAPI PatDisposeBitmapInfo(PatBitmapInfo *pBitmapInfo);                 /* 3 */
void *PATAPI PatLoadBitmap(const char *pszName);                                 /* 4 */
PatBool PATAPI PatGetStatusString(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                  uint32_t dwInterfaceVersion, uint32_t dwTextForm,
                                  char *pszText, uint32_t *pcbText);              /* 5 */
PatBool PATAPI PatGetDeviceName(uint32_t dwKind, const void *pName, uint32_t bCheck,
                                char *pszText, uint32_t *pcbText);                /* 6 */
PatBool PATAPI PatPMInfoToPrnInfoEx(uint32_t dwSourceType, const void *pPMInfo,
                                    uint32_t bStructLetter, uint32_t dwFlags,
                                    PrnInfoEx *pPrnInfoEx);                       /* 7 */
PatBool PATAPI PatPrnInfoExToPrnInfo(const PrnInfoEx *pPrnInfoEx, void *pPrnInfo,
                                     uint32_t dwFlags);                           /* 8 */
PatInfoNode *PATAPI PatCreateQueryInfo(PrnInfoEx *pPrnInfoEx, uint32_t dwInterfaceVersion,
                                       uint32_t dwItemFlags);                     /* 9 */
PatInfoNode *PATAPI PatCreateEmulUniqQueryInfo(uint32_t dwFirst, uint32_t dwInterfaceVersion,
                                               uint32_t dwEmulation, uint32_t dwFourth); /* 10 */
PatBool PATAPI PatSetCentroDataTo(PatInfoNode *pReplyRoot, uint32_t dwUnused,
                                  PrnInfoEx *pPrnInfoEx, uint32_t dwInterfaceVersion); /* 11 */
PatBool PATAPI PatGetDllVersion(PatVersionInfo *pVersion);                       /* 12 */
PatBool PATAPI PatGetPeripheralProfile(uint32_t dwSourceType, PatPeripheralProfile *pProfile,
                                       uint32_t *pcbProfile);                     /* 13 */
PatBool PATAPI PatSetLocale(const char *pszLanguage);                            /* 14 */
PatBool PATAPI PatGetStatusHelpFileName(uint32_t dwSourceType, PrnInfoEx *pPrnInfoEx,
                                        uint32_t dwIgnored, char *pszText,
                                        uint32_t *pcbText);                       /* 15 */
const void *PATAPI PatLoadDIBitmap(const char *pszName);                         /* 16 */
PatBool PATAPI PatGetPalette(void *pPalette, uint32_t *pcbPalette);              /* 17 */

#ifdef __cplusplus
}
#endif

#endif /* PATMODEL_PAT_H */
