/*
 * patmodel host interface.
 *
 * The printer-model data library for one printer family: status texts in 17
 * languages, the status picture, the PJL query and the reading of its reply,
 * and the names of trays, output bins and options.  Everything that crosses
 * the boundary is declared here, for both widths of the library:
 *
 *   - the 32-bit library (patmodel.dll PE32, libpatmodel.so i386) uses the
 *     exact 32-bit layouts pinned below (PrnInfoEx 160 bytes, node header 24);
 *   - the 64-bit library (patmodel.dll PE32+, libpatmodel.so x86-64) uses the
 *     same structures, same field order and field types, in their natural
 *     64-bit layout: pointers take 8 bytes and the compiler's alignment.
 *
 * Both layouts are pinned with PAT_LAYOUT(32-bit offset, 64-bit offset), so a
 * host can check either against its own compiler.  Numbers that the interface
 * defines as 32-bit (status codes, ids, counts, every dw field) stay 32-bit
 * on both widths.  A structure built for one width and passed to a library
 * of the other width is a host error the library cannot detect.
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

/* stdcall on 32-bit x86; x86-64 has one calling convention. */
#if defined(_WIN32)
#define PATAPI __stdcall
#elif defined(__i386__)
#define PATAPI __attribute__((stdcall))
#else
#define PATAPI
#endif

/* PAT_LAYOUT(a, b): a in the 32-bit layout, b in the 64-bit one.  C++ before
 * C++11 may leave UINTPTR_MAX undefined, so the data models speak first. */
#if defined(_WIN64) || defined(__LP64__) || (defined(UINTPTR_MAX) && UINTPTR_MAX > 0xFFFFFFFFu)
#define PAT_64BIT_LAYOUT 1
#define PAT_LAYOUT(size32, size64) (size64)
#else
#define PAT_64BIT_LAYOUT 0
#define PAT_LAYOUT(size32, size64) (size32)
#endif

/* The header compiles as C89, C99, C11 and C++: compilers without a static
 * assertion get an array type whose size turns negative when cond is false. */
#if defined(__cplusplus) && (__cplusplus >= 201103L || (defined(_MSC_VER) && _MSC_VER >= 1600))
#define PAT_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#elif !defined(__cplusplus) && defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define PAT_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#else
#define PAT_ASSERT_NAME2(line) pat_static_assert_##line
#define PAT_ASSERT_NAME(line) PAT_ASSERT_NAME2(line)
#define PAT_STATIC_ASSERT(cond, msg) typedef char PAT_ASSERT_NAME(__LINE__)[(cond) ? 1 : -1]
#endif

#ifdef __cplusplus
extern "C" {
#endif

PAT_STATIC_ASSERT(sizeof(void *) == PAT_LAYOUT(4, 8), "a 32-bit or a 64-bit interface");

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

/* The header's size; the payload follows it directly. */
#define PAT_INFO_NODE_HEADER_SIZE PAT_LAYOUT(24u, 48u)

PAT_STATIC_ASSERT(sizeof(PatInfoNode) == PAT_INFO_NODE_HEADER_SIZE, "info node header");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pParent) == PAT_LAYOUT(4, 8), "pParent");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pFirstChild) == PAT_LAYOUT(8, 16), "pFirstChild");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pNextSibling) == PAT_LAYOUT(12, 24), "pNextSibling");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, pLastChild) == PAT_LAYOUT(16, 32), "pLastChild");
PAT_STATIC_ASSERT(offsetof(PatInfoNode, dwLength) == PAT_LAYOUT(20, 40), "dwLength");

#define PAT_NODE_PAYLOAD(node) ((void *)((PatInfoNode *)(node) + 1))

/* The most nodes the library follows in one tree the host passes in (the
 * children of a node, counted over every level it reads).  No real tree comes
 * near it; a tree whose links run on past it (a sibling chain that loops back,
 * say) is refused with PAT_ERROR_INVALID_PARAMETER. */
#define PAT_MAX_TREE_NODES 65535u

/* A node payload that holds a pointer (the status tree's record links). */
#define PAT_NODE_POINTER_PAYLOAD_SIZE PAT_LAYOUT(4u, 8u)
PAT_STATIC_ASSERT(sizeof(void *) == PAT_NODE_POINTER_PAYLOAD_SIZE, "pointer payload");

/* Node ids with a fixed meaning. */
#define PAT_TREE_STATUS_ROOT    10u
#define PAT_TREE_STATUS_OVERRIDE 2u
#define PAT_TREE_QUERY_ROOT      1u
#define PAT_TREE_REPLY_ROOT      2u
#define PAT_TREE_REPLY_EMUL_ROOT 3u
#define PAT_NODE_PJL_TEXT     1000u
#define PAT_NODE_DEVICE_ID    1002u

/* The child of the status root that carries the base record of each source
 * type (only the low 16 bits of a source type choose it); 0 for a source type
 * without one. */
#define PAT_NODE_STATUS_BASE_1    1u
#define PAT_NODE_STATUS_BASE_2    3u
#define PAT_NODE_STATUS_BASE_4    5u
#define PAT_NODE_STATUS_BASE_8    4u
#define PAT_NODE_STATUS_BASE_8000 10u
#define PAT_STATUS_BASE_NODE_ID(sourceType)                                        \
    (((sourceType) & 0xFFFFu) == PAT_SOURCE_1      ? PAT_NODE_STATUS_BASE_1      \
     : ((sourceType) & 0xFFFFu) == PAT_SOURCE_2    ? PAT_NODE_STATUS_BASE_2      \
     : ((sourceType) & 0xFFFFu) == PAT_SOURCE_4    ? PAT_NODE_STATUS_BASE_4      \
     : ((sourceType) & 0xFFFFu) == PAT_SOURCE_8    ? PAT_NODE_STATUS_BASE_8      \
     : ((sourceType) & 0xFFFFu) == PAT_SOURCE_8000 ? PAT_NODE_STATUS_BASE_8000 : 0u)

/* ---- Status text forms and device-name kinds ---------------------------- */

/* PatGetStatusString's dwTextForm; only its low byte is compared. */
#define PAT_TEXT_FORM_SHORT 1u
#define PAT_TEXT_FORM_LONG  2u

/* PatGetDeviceName's dwKind, each with the check byte bCheck must carry. */
#define PAT_DEVICE_NAME_TRAY       1u /* pName: the tray's fixed English name */
#define PAT_DEVICE_NAME_OUTPUT_BIN 2u /* pName: the bin's fixed English name */
#define PAT_DEVICE_NAME_OPTION     3u /* pName: points to a 32-bit option code */
#define PAT_CHECK_NAMED_DEVICE  0x97u /* trays and output bins */
#define PAT_CHECK_OPTION        0x96u /* options */

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

/* PatOutBinItem.wState */
#define PAT_BIN_STATE_READY         0u
#define PAT_BIN_STATE_PAPER_PRESENT 1u
#define PAT_BIN_STATE_FULL          2u

typedef struct PatOutBinItem {
    PAT_ITEM_HEADER(PatOutBinItem);
    uint16_t wState; /* PAT_BIN_STATE_* */
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

/* Item sizes, as the library writes them to dwSize (sizeof the item). */
#define PAT_ENGINE_STATUS_ITEM_SIZE PAT_LAYOUT(272u, 280u)
#define PAT_LOADED_EMUL_ITEM_SIZE   PAT_LAYOUT(28u, 32u)
#define PAT_LOADED_FONT_ITEM_SIZE   PAT_LAYOUT(12u, 16u)
#define PAT_TRAY_ITEM_SIZE          PAT_LAYOUT(20u, 24u)
#define PAT_OUT_BIN_ITEM_SIZE       PAT_LAYOUT(12u, 16u)
#define PAT_DEVICE_ITEM_SIZE        PAT_LAYOUT(12u, 16u)
#define PAT_EMUL_UNIQ_ITEM_SIZE     PAT_LAYOUT(56u, 64u)
#define PAT_COUNTER_ITEM_SIZE       PAT_LAYOUT(16u, 24u)
#define PAT_SUPPLY_ITEM_SIZE        PAT_LAYOUT(16u, 24u)

PAT_STATIC_ASSERT(offsetof(PatItem, dwSize) == PAT_LAYOUT(4, 8), "item dwSize");
PAT_STATIC_ASSERT(offsetof(PatItem, wId) == PAT_LAYOUT(8, 12), "item wId");
PAT_STATIC_ASSERT(sizeof(PatEngineStatusItem) == PAT_ENGINE_STATUS_ITEM_SIZE, "engine status item");
PAT_STATIC_ASSERT(offsetof(PatEngineStatusItem, dwStatusCode) == PAT_LAYOUT(12, 16), "status code");
PAT_STATIC_ASSERT(offsetof(PatEngineStatusItem, szText) == PAT_LAYOUT(16, 20), "status text");
PAT_STATIC_ASSERT(sizeof(PatLoadedEmulItem) == PAT_LOADED_EMUL_ITEM_SIZE, "emulation item");
PAT_STATIC_ASSERT(offsetof(PatLoadedEmulItem, szVersion) == PAT_LAYOUT(10, 14), "emulation version");
PAT_STATIC_ASSERT(sizeof(PatLoadedFontItem) == PAT_LOADED_FONT_ITEM_SIZE, "font item");
PAT_STATIC_ASSERT(sizeof(PatTrayItem) == PAT_TRAY_ITEM_SIZE, "tray item");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wPaperSize) == PAT_LAYOUT(10, 14), "tray paper size");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wLevel) == PAT_LAYOUT(12, 16), "tray level");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, wMediaType) == PAT_LAYOUT(14, 18), "tray media");
PAT_STATIC_ASSERT(offsetof(PatTrayItem, dwFlags) == PAT_LAYOUT(16, 20), "tray flags");
PAT_STATIC_ASSERT(sizeof(PatOutBinItem) == PAT_OUT_BIN_ITEM_SIZE, "output bin item");
PAT_STATIC_ASSERT(offsetof(PatOutBinItem, wState) == PAT_LAYOUT(10, 14), "bin state");
PAT_STATIC_ASSERT(sizeof(PatDeviceItem) == PAT_DEVICE_ITEM_SIZE, "device item");
PAT_STATIC_ASSERT(sizeof(PatEmulUniqItem) == PAT_EMUL_UNIQ_ITEM_SIZE, "emulation-specific item");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, dwMemoryMode) == PAT_LAYOUT(12, 16), "memory mode");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, szOtherInfo) == PAT_LAYOUT(16, 20), "other info");
PAT_STATIC_ASSERT(offsetof(PatEmulUniqItem, dwRotation) == PAT_LAYOUT(52, 56), "rotation");
PAT_STATIC_ASSERT(sizeof(PatCounterItem) == PAT_COUNTER_ITEM_SIZE, "counter item");
PAT_STATIC_ASSERT(offsetof(PatCounterItem, dwValue) == PAT_LAYOUT(12, 16), "counter value");
PAT_STATIC_ASSERT(sizeof(PatSupplyItem) == PAT_SUPPLY_ITEM_SIZE, "supply item");
PAT_STATIC_ASSERT(offsetof(PatSupplyItem, dwLevel) == PAT_LAYOUT(12, 16), "supply level");

#define PAT_PRNINFOEX_MIN_VERSION 404u

/* The most items the library follows in one list of a host record.  Lists are
 * read by their links, never by their counts; no real record comes near it,
 * and a list whose chain runs on past it (one that loops back, say) is refused
 * with PAT_ERROR_INVALID_PARAMETER by every export that would follow it. */
#define PAT_MAX_CHAIN_ITEMS 65535u

/* Offsets in the comments are those of the 32-bit layout. */
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

/* The record's size; the library's private status record copy is as large. */
#define PAT_PRNINFOEX_SIZE PAT_LAYOUT(160u, 256u)

PAT_STATIC_ASSERT(sizeof(PrnInfoEx) == PAT_PRNINFOEX_SIZE, "PrnInfoEx");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nEngineStatus) == PAT_LAYOUT(0x08, 0x08), "nEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pEngineStatus) == PAT_LAYOUT(0x0C, 0x10), "pEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pModelName) == PAT_LAYOUT(0x10, 0x18), "pModelName");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pMakerName) == PAT_LAYOUT(0x14, 0x20), "pMakerName");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pDescription) == PAT_LAYOUT(0x18, 0x28), "pDescription");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pSYSVersion) == PAT_LAYOUT(0x1C, 0x30), "pSYSVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pMainProgVersion) == PAT_LAYOUT(0x20, 0x38), "pMainProgVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pKMSVersion) == PAT_LAYOUT(0x24, 0x40), "pKMSVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwMemoryKB) == PAT_LAYOUT(0x28, 0x48), "dwMemoryKB");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bState) == PAT_LAYOUT(0x2C, 0x4C), "bState");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bModelIndex) == PAT_LAYOUT(0x2D, 0x4D), "bModelIndex");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bNoResponse) == PAT_LAYOUT(0x31, 0x51), "bNoResponse");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwEmulWord) == PAT_LAYOUT(0x34, 0x54), "dwEmulWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nLoadedEmul) == PAT_LAYOUT(0x38, 0x58), "nLoadedEmul");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pLoadedEmul) == PAT_LAYOUT(0x3C, 0x60), "pLoadedEmul");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nLoadedFont) == PAT_LAYOUT(0x40, 0x68), "nLoadedFont");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pLoadedFont) == PAT_LAYOUT(0x44, 0x70), "pLoadedFont");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwTrayWord) == PAT_LAYOUT(0x48, 0x78), "dwTrayWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nTrayInfo) == PAT_LAYOUT(0x4C, 0x7C), "nTrayInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pTrayInfo) == PAT_LAYOUT(0x50, 0x80), "pTrayInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, dwOutBinWord) == PAT_LAYOUT(0x54, 0x88), "dwOutBinWord");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nOutBinInfo) == PAT_LAYOUT(0x58, 0x8C), "nOutBinInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pOutBinInfo) == PAT_LAYOUT(0x5C, 0x90), "pOutBinInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nDeviceInfo) == PAT_LAYOUT(0x60, 0x98), "nDeviceInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pDeviceInfo) == PAT_LAYOUT(0x64, 0xA0), "pDeviceInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nEmulUniqInfo) == PAT_LAYOUT(0x68, 0xA8), "nEmulUniqInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pEmulUniqInfo) == PAT_LAYOUT(0x6C, 0xB0), "pEmulUniqInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, bReserved70) == PAT_LAYOUT(0x70, 0xB8), "bReserved70");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nCounterInfo) == PAT_LAYOUT(0x88, 0xD0), "nCounterInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pCounterInfo) == PAT_LAYOUT(0x8C, 0xD8), "pCounterInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nSupplyInfo) == PAT_LAYOUT(0x90, 0xE0), "nSupplyInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pSupplyInfo) == PAT_LAYOUT(0x94, 0xE8), "pSupplyInfo");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, nColorCorrection) == PAT_LAYOUT(0x98, 0xF0), "nColorCorrection");
PAT_STATIC_ASSERT(offsetof(PrnInfoEx, pColorCorrection) == PAT_LAYOUT(0x9C, 0xF8), "pColorCorrection");

/* ---- Basic record PrnInfo ---------------------------------------------- */

#define PAT_PRNINFO_SIZE 2400u

/* Two unsigned words: an id (tray, bin) and its value. */
typedef struct PatIdValue {
    uint32_t dwId;
    uint32_t dwValue;
} PatIdValue;

/* The fixed-size record filled by PatPrnInfoExToPrnInfo.  Unselected sections
 * and the reserved stretches read as zero. */
typedef struct PrnInfo {
    uint32_t dwStatusSummary;        /*    0: engine status summary */
    uint32_t dwState;                /*    4 */
    uint32_t dwTrayWord;             /*    8 */
    uint8_t bReserved12[4];          /*   12 */
    uint32_t dwMemoryKB;             /*   16 */
    char szSYSVersion[16];           /*   20 */
    char szMainProgVersion[16];      /*   36 */
    char szKMSVersion[16];           /*   52 */
    uint32_t dwEmulWord;             /*   68 */
    uint32_t adwEmulId[32];          /*   72 */
    uint32_t nEmulId;                /*  200 */
    uint32_t adwFontId[32];          /*  204 */
    uint32_t nFontId;                /*  332 */
    PatIdValue aTrayPaperSize[64];   /*  336: {tray id, paper-size code} */
    uint32_t nTray;                  /*  848 */
    char szModelName[256];           /*  852 */
    char szMakerName[16];            /* 1108 */
    char szDescription[256];         /* 1124 */
    uint8_t bModelIndex;             /* 1380 */
    uint8_t bStateNotOne;            /* 1381 */
    uint8_t bHasError;               /* 1382 */
    uint8_t bStatusBit22;            /* 1383 */
    uint32_t dwRecordSize;           /* 1384: always 2400 */
    uint8_t bReserved1388[36];       /* 1388 */
    PatIdValue aTrayLevel[16];       /* 1424: {tray id, level in percent} */
    uint32_t nTrayLevel;             /* 1552: trays stored (as nTray) */
    PatIdValue aOutBin[16];          /* 1556: {bin id, bin state} */
    uint32_t nOutBin;                /* 1684 */
    uint32_t dwDuplexWord;           /* 1688: 1 with option 1 */
    uint32_t dwOption3Word;          /* 1692: 0x00010003 with option 3 */
    uint8_t bReserved1696[8];        /* 1696 */
    uint32_t dwOptionBitsA;          /* 1704: 0x1000 opt 37, 0x8 opt 114, 0x10 opt 115 */
    uint32_t dwOptionBitsB;          /* 1708: 0x1 opt 7 */
    uint32_t dwOptionBitsC;          /* 1712: 0x2 any of opts 12, 132, 133, 134 */
    uint32_t dwOutBinWord;           /* 1716 */
    uint32_t adwEngineStatus[32];    /* 1720 */
    uint32_t nEngineStatus;          /* 1848 */
    uint8_t bReserved1852[4];        /* 1852 */
    uint32_t dwNoResponse;           /* 1856 */
    uint8_t bReserved1860[4];        /* 1860 */
    PatIdValue aTrayMedia[64];       /* 1864: {tray id, media-type code} */
    uint8_t bReserved2376[24];       /* 2376 */
} PrnInfo;

PAT_STATIC_ASSERT(sizeof(PatIdValue) == 8, "id/value pair");
PAT_STATIC_ASSERT(sizeof(PrnInfo) == PAT_PRNINFO_SIZE, "PrnInfo is 2400 bytes");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwState) == 4, "dwState");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwTrayWord) == 8, "dwTrayWord");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwMemoryKB) == 16, "dwMemoryKB");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szSYSVersion) == 20, "szSYSVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szMainProgVersion) == 36, "szMainProgVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szKMSVersion) == 52, "szKMSVersion");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwEmulWord) == 68, "dwEmulWord");
PAT_STATIC_ASSERT(offsetof(PrnInfo, adwEmulId) == 72, "adwEmulId");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nEmulId) == 200, "nEmulId");
PAT_STATIC_ASSERT(offsetof(PrnInfo, adwFontId) == 204, "adwFontId");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nFontId) == 332, "nFontId");
PAT_STATIC_ASSERT(offsetof(PrnInfo, aTrayPaperSize) == 336, "aTrayPaperSize");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nTray) == 848, "nTray");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szModelName) == 852, "szModelName");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szMakerName) == 1108, "szMakerName");
PAT_STATIC_ASSERT(offsetof(PrnInfo, szDescription) == 1124, "szDescription");
PAT_STATIC_ASSERT(offsetof(PrnInfo, bModelIndex) == 1380, "bModelIndex");
PAT_STATIC_ASSERT(offsetof(PrnInfo, bStateNotOne) == 1381, "bStateNotOne");
PAT_STATIC_ASSERT(offsetof(PrnInfo, bHasError) == 1382, "bHasError");
PAT_STATIC_ASSERT(offsetof(PrnInfo, bStatusBit22) == 1383, "bStatusBit22");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwRecordSize) == 1384, "dwRecordSize");
PAT_STATIC_ASSERT(offsetof(PrnInfo, aTrayLevel) == 1424, "aTrayLevel");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nTrayLevel) == 1552, "nTrayLevel");
PAT_STATIC_ASSERT(offsetof(PrnInfo, aOutBin) == 1556, "aOutBin");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nOutBin) == 1684, "nOutBin");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwDuplexWord) == 1688, "dwDuplexWord");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwOption3Word) == 1692, "dwOption3Word");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwOptionBitsA) == 1704, "dwOptionBitsA");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwOptionBitsB) == 1708, "dwOptionBitsB");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwOptionBitsC) == 1712, "dwOptionBitsC");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwOutBinWord) == 1716, "dwOutBinWord");
PAT_STATIC_ASSERT(offsetof(PrnInfo, adwEngineStatus) == 1720, "adwEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfo, nEngineStatus) == 1848, "nEngineStatus");
PAT_STATIC_ASSERT(offsetof(PrnInfo, dwNoResponse) == 1856, "dwNoResponse");
PAT_STATIC_ASSERT(offsetof(PrnInfo, aTrayMedia) == 1864, "aTrayMedia");
PAT_STATIC_ASSERT(offsetof(PrnInfo, bReserved2376) == 2376, "end of tray media");

/* ---- Peripheral information PMInfo ------------------------------------- */

/* In peripheral information a pointer is absent when it is null or has all
 * its bits set (PAT_PM_ABSENT_POINTER), and a 32-bit number is absent when it
 * equals PAT_PM_ABSENT.  Only the fields named here are read; the reserved
 * stretches are the host's.  Offsets in the comments are those of the 32-bit
 * layout; the assertions below give both. */
#define PAT_PM_ABSENT 0xFFFFFFFFu
#define PAT_PM_ABSENT_POINTER ((void *)~(uintptr_t)0)

/* A list: a number of entries and an array of that many entry pointers. */
typedef struct PatPMList {
    uint32_t nEntries;
    void **ppEntries;
} PatPMList;

typedef struct PatPMStatusBlock {
    uint32_t dwStatus;
} PatPMStatusBlock;

typedef struct PatPMGeneralBlock {
    const char *pModelName;  /*  0 */
    const char *pSYSVersion; /*  4 */
    uint32_t dwMemoryBytes;  /*  8 */
    uint32_t dwReserved12;   /* 12 */
    const char *pMakerName;  /* 16 */
} PatPMGeneralBlock;

typedef struct PatPMEngineStatusEntry {
    uint32_t dwReserved0;
    uint32_t dwCode;     /* 4 */
    const char *pText;   /* 8 */
    uint32_t dwSeverity; /* 12: PAT_PM_ABSENT or 3 mark an error */
} PatPMEngineStatusEntry;

typedef struct PatPMEmulationEntry {
    uint32_t dwReserved0;
    const char *pVersion; /* 4 */
    const char *pName;    /* 8 */
} PatPMEmulationEntry;

typedef struct PatPMFontEntry {
    const char *pName;
} PatPMFontEntry;

typedef struct PatPMOutBinEntry {
    const char *pName;
    uint32_t dwStatus; /* 4: bit 0x1 full */
} PatPMOutBinEntry;

typedef struct PatPMOptionEntry {
    uint32_t dwCode;
} PatPMOptionEntry;

/* Tray entry, layout A (list at offset 4 of the source 0x8000 structure). */
typedef struct PatPMTrayEntryA {
    const char *pName;               /*  0 */
    uint32_t dwStatus;               /*  4 */
    uint8_t bReserved8[12];          /*  8 */
    uint32_t dwFirstDimension;       /* 20: millimetres */
    uint32_t dwSecondDimension;      /* 24 */
    uint8_t bReserved28[12];         /* 28 */
    const char *pMediaName;          /* 40 */
    uint8_t bReserved44[12];         /* 44 */
    uint32_t dwMediaBits;            /* 56: bit 0x800000 selects the extended bits */
    const uint32_t *pExtendedMediaBits; /* 60 */
    uint32_t dwReserved64;           /* 64 */
    uint32_t dwTrayFlags;            /* 68 */
} PatPMTrayEntryA;

/* Tray entry, layout B (list at offset 40 of the source 0x8000 structure). */
typedef struct PatPMTrayEntryB {
    const char *pName;          /*  0 */
    uint32_t dwStatus;          /*  4 */
    uint8_t bReserved8[12];     /*  8 */
    uint32_t dwFirstDimension;  /* 20 */
    uint32_t dwSecondDimension; /* 24 */
    const char *pMediaName;     /* 28 */
    uint8_t bReserved32[8];     /* 32 */
    uint32_t dwMediaBits;       /* 40 */
    uint32_t dwReserved44;      /* 44 */
    uint32_t dwTrayFlags;       /* 48 */
} PatPMTrayEntryB;

/* Source type 1, structure letter 'd'. */
typedef struct PatPMInfoD {
    PatPMStatusBlock *pStatus;  /*  0 */
    PatPMList *pFonts;          /*  4 */
    PatPMList *pEmulations;     /*  8 */
    uint8_t bReserved12[12];    /* 12 */
    PatPMList *pEngineStatus;   /* 24 */
} PatPMInfoD;

/* Source types 2, 4 and 8, structure letters 'e', 'g' and 'f'. */
typedef struct PatPMInfoE {
    PatPMStatusBlock *pStatus;  /* 0 */
    PatPMList *pEngineStatus;   /* 4 */
} PatPMInfoE;
typedef PatPMInfoE PatPMInfoF;
typedef PatPMInfoE PatPMInfoG;

/* Source type 0x8000, structure letter 'h'. */
typedef struct PatPMInfoH {
    PatPMGeneralBlock *pGeneral; /*  0 */
    PatPMList *pTraysA;          /*  4: PatPMTrayEntryA entries */
    PatPMList *pOutBins;         /*  8 */
    uint8_t bReserved12[12];     /* 12 */
    PatPMList *pOptions;         /* 24 */
    uint8_t bReserved28[12];     /* 28 */
    PatPMList *pTraysB;          /* 40: PatPMTrayEntryB entries */
} PatPMInfoH;

PAT_STATIC_ASSERT(sizeof(PatPMList) == PAT_LAYOUT(8, 16), "PM list");
PAT_STATIC_ASSERT(offsetof(PatPMList, ppEntries) == PAT_LAYOUT(4, 8), "PM list entries");
PAT_STATIC_ASSERT(offsetof(PatPMGeneralBlock, pSYSVersion) == PAT_LAYOUT(4, 8), "general sys version");
PAT_STATIC_ASSERT(offsetof(PatPMGeneralBlock, dwMemoryBytes) == PAT_LAYOUT(8, 16), "general memory");
PAT_STATIC_ASSERT(offsetof(PatPMGeneralBlock, pMakerName) == PAT_LAYOUT(16, 24), "general maker");
PAT_STATIC_ASSERT(offsetof(PatPMEngineStatusEntry, dwCode) == PAT_LAYOUT(4, 4), "engine status code");
PAT_STATIC_ASSERT(offsetof(PatPMEngineStatusEntry, pText) == PAT_LAYOUT(8, 8), "engine status text");
PAT_STATIC_ASSERT(offsetof(PatPMEngineStatusEntry, dwSeverity) == PAT_LAYOUT(12, 16), "engine status severity");
PAT_STATIC_ASSERT(offsetof(PatPMEmulationEntry, pVersion) == PAT_LAYOUT(4, 8), "emulation version");
PAT_STATIC_ASSERT(offsetof(PatPMEmulationEntry, pName) == PAT_LAYOUT(8, 16), "emulation name");
PAT_STATIC_ASSERT(offsetof(PatPMOutBinEntry, dwStatus) == PAT_LAYOUT(4, 8), "bin status");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, dwStatus) == PAT_LAYOUT(4, 8), "tray A status");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, dwFirstDimension) == PAT_LAYOUT(20, 24), "tray A first dimension");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, dwSecondDimension) == PAT_LAYOUT(24, 28), "tray A second dimension");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, pMediaName) == PAT_LAYOUT(40, 48), "tray A media name");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, dwMediaBits) == PAT_LAYOUT(56, 68), "tray A media bits");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, pExtendedMediaBits) == PAT_LAYOUT(60, 72), "tray A extended media");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryA, dwTrayFlags) == PAT_LAYOUT(68, 84), "tray A flags");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, dwStatus) == PAT_LAYOUT(4, 8), "tray B status");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, dwFirstDimension) == PAT_LAYOUT(20, 24), "tray B first dimension");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, dwSecondDimension) == PAT_LAYOUT(24, 28), "tray B second dimension");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, pMediaName) == PAT_LAYOUT(28, 32), "tray B media name");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, dwMediaBits) == PAT_LAYOUT(40, 48), "tray B media bits");
PAT_STATIC_ASSERT(offsetof(PatPMTrayEntryB, dwTrayFlags) == PAT_LAYOUT(48, 56), "tray B flags");
PAT_STATIC_ASSERT(offsetof(PatPMInfoD, pFonts) == PAT_LAYOUT(4, 8), "D fonts");
PAT_STATIC_ASSERT(offsetof(PatPMInfoD, pEmulations) == PAT_LAYOUT(8, 16), "D emulations");
PAT_STATIC_ASSERT(offsetof(PatPMInfoD, pEngineStatus) == PAT_LAYOUT(24, 40), "D engine status");
PAT_STATIC_ASSERT(offsetof(PatPMInfoE, pEngineStatus) == PAT_LAYOUT(4, 8), "E engine status");
PAT_STATIC_ASSERT(offsetof(PatPMInfoH, pTraysA) == PAT_LAYOUT(4, 8), "H trays A");
PAT_STATIC_ASSERT(offsetof(PatPMInfoH, pOutBins) == PAT_LAYOUT(8, 16), "H output bins");
PAT_STATIC_ASSERT(offsetof(PatPMInfoH, pOptions) == PAT_LAYOUT(24, 40), "H options");
PAT_STATIC_ASSERT(offsetof(PatPMInfoH, pTraysB) == PAT_LAYOUT(40, 64), "H trays B");

/* Flags of PatPMInfoToPrnInfoEx; their meaning depends on the source type. */
#define PAT_PM_FLAG_STATUS     0x001u /* 1: status word; 2/4/8: status bits; 0x8000: general block */
#define PAT_PM_FLAG_ENGINE     0x002u /* 1/2/4/8: engine-status list; 0x8000: trays, layout A */
#define PAT_PM_FLAG_EMUL_BINS  0x004u /* 1: emulations; 0x8000: output bins */
#define PAT_PM_FLAG_FONTS      0x008u /* 1: fonts */
#define PAT_PM_FLAG_OPTIONS    0x040u /* 0x8000: options */
#define PAT_PM_FLAG_TRAYS_B    0x400u /* 0x8000: trays, layout B */

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
    uint32_t dwElemSize; /* PAT_BITMAP_INFO_SIZE for tag 201, 48 for tag 200 */
    void *pElems;        /* the elements, back to back */
} PatBitmapInfo;

#define PAT_BITMAP_INFO_SIZE PAT_LAYOUT(16u, 24u)

PAT_STATIC_ASSERT(sizeof(PatBitmapInfo) == PAT_BITMAP_INFO_SIZE, "bitmap info");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, bTag) == 0, "bTag");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, dwCount) == 4, "dwCount");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, dwElemSize) == 8, "dwElemSize");
PAT_STATIC_ASSERT(offsetof(PatBitmapInfo, pElems) == PAT_LAYOUT(12, 16), "pElems");

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

#if !defined(_WIN32)
/* The Win32 calls a host needs beside the exports, exported by libpatmodel.so
 * with their Win32 meaning: the thread's last error, and the global heap the
 * library's memory comes from.  On Windows they come from <windows.h>. */
uint32_t PATAPI GetLastError(void);
void PATAPI SetLastError(uint32_t dwErrCode);
void *PATAPI GlobalAlloc(uint32_t uFlags, size_t dwBytes);
size_t PATAPI GlobalSize(void *hMem);
void *PATAPI GlobalFree(void *hMem);
#endif

#ifdef __cplusplus
}
#endif

#endif /* PATMODEL_PAT_H */
