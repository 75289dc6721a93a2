// A printer information record written out as text, field by field and item
// by item, so tests compare whole records and show every difference.  Header
// only: the Wine tests use it too.
#pragma once

#include <stdio.h>

#include <string>

#include "pat.h"

namespace record_dump {

inline std::string Text(const char *text) { return text == nullptr ? "(null)" : text; }

template <typename Item>
inline uint32_t ChainLength(const Item *first) {
    uint32_t n = 0;
    for (const Item *item = first; item != nullptr; item = item->pNext) ++n;
    return n;
}

// "name[count]:" and, when the count differs from the chain, the chain's length.
template <typename Item>
inline std::string ListHead(const char *name, uint32_t count, const Item *first) {
    std::string out = std::string(name) + "[" + std::to_string(count) + "]";
    if (ChainLength(first) != count) out += "(chain " + std::to_string(ChainLength(first)) + ")";
    return out + ":";
}

inline std::string Hex(uint32_t value) {
    char text[16];
    snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    return text;
}

}  // namespace record_dump

inline std::string DumpRecord(const PrnInfoEx &r) {
    using namespace record_dump;
    std::string out;
    out += "texts: maker=" + Text(r.pMakerName) + " model=" + Text(r.pModelName) +
           " description=" + Text(r.pDescription) + " sys=" + Text(r.pSYSVersion) +
           " main=" + Text(r.pMainProgVersion) + " kms=" + Text(r.pKMSVersion) + "\n";
    out += "scalars: memoryKB=" + std::to_string(r.dwMemoryKB) + " state=" + std::to_string(r.bState) +
           " modelIndex=" + std::to_string(r.bModelIndex) + " stateNotOne=" + std::to_string(r.bStateNotOne) +
           " hasError=" + std::to_string(r.bHasError) + " outBinWord=" + std::to_string(r.dwOutBinWord) + "\n";
    out += ListHead("engine", r.nEngineStatus, r.pEngineStatus);
    for (const PatEngineStatusItem *i = r.pEngineStatus; i; i = i->pNext) {
        out += " " + std::to_string(i->dwStatusCode) + "/" + std::to_string(i->wId) + " \"" + i->szText + "\"";
    }
    out += "\n" + ListHead("emulations", r.nLoadedEmul, r.pLoadedEmul);
    for (const PatLoadedEmulItem *i = r.pLoadedEmul; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + " \"" + i->szVersion + "\"";
    }
    out += "\n" + ListHead("fonts", r.nLoadedFont, r.pLoadedFont);
    for (const PatLoadedFontItem *i = r.pLoadedFont; i; i = i->pNext) out += " " + std::to_string(i->wId);
    out += "\n" + ListHead("trays", r.nTrayInfo, r.pTrayInfo);
    for (const PatTrayItem *i = r.pTrayInfo; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + " size=" + std::to_string(i->wPaperSize) +
               " level=" + std::to_string(i->wLevel) + " media=" + std::to_string(i->wMediaType) +
               " flags=" + Hex(i->dwFlags);
    }
    out += "\n" + ListHead("bins", r.nOutBinInfo, r.pOutBinInfo);
    for (const PatOutBinItem *i = r.pOutBinInfo; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + " state=" + std::to_string(i->wState);
    }
    out += "\n" + ListHead("options", r.nDeviceInfo, r.pDeviceInfo);
    for (const PatDeviceItem *i = r.pDeviceInfo; i; i = i->pNext) out += " " + std::to_string(i->wId);
    out += "\n" + ListHead("emulUniq", r.nEmulUniqInfo, r.pEmulUniqInfo);
    for (const PatEmulUniqItem *i = r.pEmulUniqInfo; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + " memory=" + std::to_string(i->dwMemoryMode) + " other=\"" +
               i->szOtherInfo + "\" rotation=" + std::to_string(i->dwRotation);
    }
    out += "\n" + ListHead("counters", r.nCounterInfo, r.pCounterInfo);
    for (const PatCounterItem *i = r.pCounterInfo; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + "=" + std::to_string(i->dwValue);
    }
    out += "\n" + ListHead("supplies", r.nSupplyInfo, r.pSupplyInfo);
    for (const PatSupplyItem *i = r.pSupplyInfo; i; i = i->pNext) {
        out += " " + std::to_string(i->wId) + "=" + std::to_string(i->dwLevel);
    }
    out += "\n" + ListHead("colorCorrection", r.nColorCorrection, r.pColorCorrection) + "\n";
    return out;
}
