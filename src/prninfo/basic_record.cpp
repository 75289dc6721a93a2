#include "prninfo/basic_record.h"

#include <string.h>

#include "common/family_codes.h"
#include "common/fixed_text.h"
#include "prninfo/record.h"

namespace {

// The basic record has room for 64 tray sizes and media but only 16 tray
// levels, and a single tray index runs through all three arrays (both tray
// counts must agree).  Keeping the whole tray section to 16 trays is what
// keeps every index a host may read inside all three arrays.
constexpr uint32_t kTrayCapacity = sizeof(PrnInfo::aTrayLevel) / sizeof(PatIdValue);
constexpr uint32_t kOutBinCapacity = sizeof(PrnInfo::aOutBin) / sizeof(PatIdValue);
constexpr uint32_t kIdCapacity = 32;
constexpr uint32_t kSingleStatusCount = 1;
constexpr uint32_t kStatusSummaryLow = 107;

void CopyTextIfPresent(char *field, size_t width, const char *text) {
    if (text != nullptr) CopyTextCut(field, width, text);
}

void FillState(const PrnInfoEx &record, PrnInfo &basic) {
    basic.dwState = record.bState;
    basic.bStateNotOne = record.bStateNotOne;
    basic.bStatusBit22 = record.bStatusBit22;
    basic.dwNoResponse = record.bNoResponse;
}

void FillIdentity(const PrnInfoEx &record, PrnInfo &basic) {
    CopyTextIfPresent(basic.szModelName, sizeof basic.szModelName, record.pModelName);
    CopyTextIfPresent(basic.szMakerName, sizeof basic.szMakerName, record.pMakerName);
    CopyTextIfPresent(basic.szDescription, sizeof basic.szDescription, record.pDescription);
    basic.bModelIndex = record.bModelIndex;
}

void FillConfiguration(const PrnInfoEx &record, PrnInfo &basic) {
    basic.dwMemoryKB = record.dwMemoryKB;
    CopyTextIfPresent(basic.szSYSVersion, sizeof basic.szSYSVersion, record.pSYSVersion);
}

void FillTrays(const PrnInfoEx &record, PrnInfo &basic) {
    basic.dwTrayWord = record.dwTrayWord;
    uint32_t stored = 0;
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr && stored < kTrayCapacity;
         tray = tray->pNext, ++stored) {
        basic.aTrayPaperSize[stored] = {tray->wId, tray->wPaperSize};
        basic.aTrayLevel[stored] = {tray->wId, tray->wLevel};
        basic.aTrayMedia[stored] = {tray->wId, tray->wMediaType};
    }
    basic.nTray = stored;
    basic.nTrayLevel = stored;
}

void FillOutBins(const PrnInfoEx &record, PrnInfo &basic) {
    uint32_t stored = 0;
    for (const PatOutBinItem *bin = record.pOutBinInfo; bin != nullptr && stored < kOutBinCapacity;
         bin = bin->pNext, ++stored) {
        basic.aOutBin[stored] = {bin->wId, bin->wState};
    }
    basic.nOutBin = stored;
    basic.dwOutBinWord = record.dwOutBinWord;
}

// Copies the ids of a chain, in order, up to the capacity; returns how many.
template <typename Item>
uint32_t CopyIds(const Item *first, uint32_t (&ids)[kIdCapacity]) {
    uint32_t stored = 0;
    for (const Item *item = first; item != nullptr && stored < kIdCapacity; item = item->pNext) {
        ids[stored++] = item->wId;
    }
    return stored;
}

void FillEmulations(const PrnInfoEx &record, PrnInfo &basic) {
    CopyTextIfPresent(basic.szMainProgVersion, sizeof basic.szMainProgVersion, record.pMainProgVersion);
    CopyTextIfPresent(basic.szKMSVersion, sizeof basic.szKMSVersion, record.pKMSVersion);
    basic.dwEmulWord = record.dwEmulWord;
    basic.nEmulId = CopyIds(record.pLoadedEmul, basic.adwEmulId);
}

void FillFonts(const PrnInfoEx &record, PrnInfo &basic) {
    basic.nFontId = CopyIds(record.pLoadedFont, basic.adwFontId);
}

// The summary is the single status's key, or the sum of the codes modulo
// 65536 in the upper half with 107 in the lower half.  A count of 1 over an
// empty chain is read as the empty list it is.
void FillEngineStatus(const PrnInfoEx &record, PrnInfo &basic) {
    const PatEngineStatusItem *first = record.pEngineStatus;
    if (record.nEngineStatus == kSingleStatusCount && first != nullptr) {
        basic.dwStatusSummary = first->wId;
        basic.nEngineStatus = 1;
    } else {
        uint32_t stored = 0;
        uint32_t sum = 0;
        for (const PatEngineStatusItem *item = first; item != nullptr && stored < kIdCapacity; item = item->pNext) {
            basic.adwEngineStatus[stored++] = item->dwStatusCode;
            sum += item->dwStatusCode;
        }
        basic.nEngineStatus = stored;
        basic.dwStatusSummary = ((sum & 0xFFFFu) << 16) | kStatusSummaryLow;
    }
    basic.bHasError = record.bHasError;
}

void FillDuplexWord(const PrnInfoEx &record, PrnInfo &basic) {
    if (HasDeviceInfo(&record, kOptionDuplex)) basic.dwDuplexWord = 1;
}

void FillOptionWords(const PrnInfoEx &record, PrnInfo &basic) {
    static const uint16_t kOptionGroup[] = {kOptionPunchJp2, kOptionPunchUs, kOptionPunchJp2Eu4, kOptionPunchNeu4};
    if (HasDeviceInfo(&record, kOptionDisk)) basic.dwOption3Word = 0x00010003;
    if (HasAnyDeviceInfo(&record, kOptionGroup, 4)) basic.dwOptionBitsC |= 0x2;
    basic.dwOptionBitsB = 0;
    basic.dwOptionBitsA = 0;
    if (HasDeviceInfo(&record, kOptionFinisher1000)) basic.dwOptionBitsA |= 0x1000;
    if (HasDeviceInfo(&record, kOptionFinisher3000)) basic.dwOptionBitsA |= 0x8;
    if (HasDeviceInfo(&record, kOptionBookletFinisher)) basic.dwOptionBitsA |= 0x10;
    if (HasDeviceInfo(&record, kOptionOneBinTray)) basic.dwOptionBitsB |= 0x1;
}

}  // namespace

void FillBasicRecord(const PrnInfoEx *record, PrnInfo *basic, uint32_t flags) {
    memset(basic, 0, sizeof *basic);
    basic->dwRecordSize = PAT_PRNINFO_SIZE;
    const PrnInfoEx &ex = *record;
    if (flags & PAT_ITEMS_STATE) FillState(ex, *basic);
    if (flags & PAT_ITEMS_IDENTITY) FillIdentity(ex, *basic);
    if (flags & PAT_ITEMS_CONFIGURATION) FillConfiguration(ex, *basic);
    if (flags & PAT_ITEMS_INPUT_TRAYS) FillTrays(ex, *basic);
    if (flags & PAT_ITEMS_OUTPUT_BINS) FillOutBins(ex, *basic);
    if (flags & PAT_ITEMS_EMULATIONS) FillEmulations(ex, *basic);
    if (flags & PAT_ITEMS_FONTS) FillFonts(ex, *basic);
    if (flags & PAT_ITEMS_ENGINE_STATUS) FillEngineStatus(ex, *basic);
    if (flags & PAT_ITEMS_DUPLEX_OPTION) FillDuplexWord(ex, *basic);
    FillOptionWords(ex, *basic);
}
