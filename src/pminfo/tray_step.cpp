// Input trays from peripheral information, in either of the host's layouts.
#include "prninfo/device_name_tables.h"
#include "pminfo/input.h"
#include "pminfo/steps.h"
#include "pminfo/tables.h"
#include "prninfo/record.h"

namespace {

constexpr uint32_t kTrayFlagNoPaperSize = 0x100;  // host flag: the size is not to be recognised
constexpr uint32_t kMediaBitsExtended = 0x800000;
constexpr uint16_t kUnknownPaperSize = 2;

// The fields both layouts share, read into one form.
struct TrayFacts {
    const char *name;
    uint32_t status;
    uint32_t firstDimension;
    uint32_t secondDimension;
    const char *mediaName;
    uint32_t mediaBits;
    const uint32_t *extendedMediaBits;  // layout A only
    uint32_t flags;
};

uint16_t PaperSizeOf(const TrayFacts &tray) {
    if (!IsAbsentNumber(tray.flags) && (tray.flags & kTrayFlagNoPaperSize) != 0) return kUnknownPaperSize;
    return static_cast<uint16_t>(PaperSizeCode(tray.firstDimension, tray.secondDimension));
}

uint16_t LevelOf(uint32_t status) {
    if (IsAbsentNumber(status)) return 100;
    if (status & (0x02 | 0x10)) return 0;
    if (status & 0x100) return 10;
    if (status & 0x200) return 25;
    if (status & 0x400) return 50;
    if (status & 0x800) return 75;
    return 100;
}

uint16_t MediaTypeOf(const TrayFacts &tray, bool layoutA) {
    if (IsAbsentNumber(tray.mediaBits)) {
        const char *name = PresentText(tray.mediaName);
        return name == nullptr ? 0 : static_cast<uint16_t>(LookupName(name, kMediaNameTable));
    }
    if (layoutA && (tray.mediaBits & kMediaBitsExtended) != 0) {
        // Without the extended bits there is nothing to look up: unknown media.
        if (IsAbsentPointer(tray.extendedMediaBits)) return 0;
        return static_cast<uint16_t>(LookupCode(*tray.extendedMediaBits, kExtendedMediaTable));
    }
    return static_cast<uint16_t>(LookupCode(tray.mediaBits, kMainMediaTable));
}

uint32_t StoredFlags(uint32_t flags, bool layoutA) {
    if (IsAbsentNumber(flags)) return PAT_PM_ABSENT;
    return layoutA ? flags & ~kTrayFlagNoPaperSize : flags;
}

// Memory exhaustion here is reported as PAT_ERROR_INVALID_PARAMETER, as the host expects from a tray step.
uint32_t AddTray(PrnInfoEx *record, const TrayFacts &tray, bool layoutA) {
    auto *item = reinterpret_cast<PatTrayItem *>(AllocItem(kTrayItemSize));
    if (item == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    item->wId = static_cast<uint16_t>(DeviceNameId(kTrayNameTable, PresentText(tray.name)));
    item->wPaperSize = PaperSizeOf(tray);
    item->wLevel = LevelOf(tray.status);
    item->wMediaType = MediaTypeOf(tray, layoutA);
    item->dwFlags = StoredFlags(tray.flags, layoutA);
    AppendItem(record, RecordList::kTrayInfo, reinterpret_cast<PatItem *>(item));
    return PAT_OK;
}

TrayFacts FactsOf(const PatPMTrayEntryA &entry) {
    return {entry.pName,      entry.dwStatus,    entry.dwFirstDimension,   entry.dwSecondDimension,
            entry.pMediaName, entry.dwMediaBits, entry.pExtendedMediaBits, entry.dwTrayFlags};
}

TrayFacts FactsOf(const PatPMTrayEntryB &entry) {
    return {entry.pName,      entry.dwStatus,    entry.dwFirstDimension, entry.dwSecondDimension,
            entry.pMediaName, entry.dwMediaBits, nullptr,                entry.dwTrayFlags};
}

template <typename Entry>
uint32_t AddTrays(PrnInfoEx *record, const PatPMList *list, bool layoutA) {
    for (uint32_t i = 0; i < list->nEntries; ++i) {
        const Entry *entry = ListEntry<Entry>(list, i);
        if (entry == nullptr) continue;
        const uint32_t error = AddTray(record, FactsOf(*entry), layoutA);
        if (error != PAT_OK) return error;
    }
    record->dwTrayWord = 0;
    return PAT_OK;
}

}  // namespace

uint32_t TrayStepLayoutA(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    ClearItemList(record, RecordList::kTrayInfo);
    return AddTrays<PatPMTrayEntryA>(record, list, true);
}

uint32_t TrayStepLayoutB(PrnInfoEx *record, const PatPMList *entries) {
    const PatPMList *list = PresentList(entries);
    if (list == nullptr) return PAT_OK;
    return AddTrays<PatPMTrayEntryB>(record, list, false);
}
