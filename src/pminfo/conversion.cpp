#include "pminfo/conversion.h"

#include "pminfo/steps.h"
#include "prninfo/record.h"

namespace {

bool Has(uint32_t flags, uint32_t flag) { return (flags & flag) != 0; }

// Runs `step` when its flag is set and nothing has failed so far.
#define RUN_STEP(flag, step)                                 \
    do {                                                     \
        if (Has(flags, flag)) {                              \
            const uint32_t stepError = (step);               \
            if (stepError != PAT_OK) return stepError;       \
        }                                                    \
    } while (0)

uint32_t ConvertSource1(uint32_t source, const PatPMInfoD &info, uint32_t flags, PrnInfoEx *record) {
    if (Has(flags, PAT_PM_FLAG_STATUS | PAT_PM_FLAG_ENGINE)) ClearItemList(record, RecordList::kEngineStatus);
    RUN_STEP(PAT_PM_FLAG_STATUS, StatusWordStep(record, info.pStatus, source));
    RUN_STEP(PAT_PM_FLAG_EMUL_BINS, EmulationStep(record, info.pEmulations));
    RUN_STEP(PAT_PM_FLAG_FONTS, FontStep(record, info.pFonts));
    RUN_STEP(PAT_PM_FLAG_ENGINE, EngineStatusStep(record, info.pEngineStatus));
    RUN_STEP(PAT_PM_FLAG_ENGINE, DefaultStatusStep(record));
    return PAT_OK;
}

// Source types 2, 4 and 8 add to the engine status the record already holds.
uint32_t ConvertSource248(uint32_t source, const PatPMInfoE &info, uint32_t flags, PrnInfoEx *record) {
    RUN_STEP(PAT_PM_FLAG_ENGINE, EngineStatusStep(record, info.pEngineStatus));
    RUN_STEP(PAT_PM_FLAG_STATUS, StatusBitStep(record, info.pStatus, source));
    RUN_STEP(PAT_PM_FLAG_ENGINE, DefaultStatusStep(record));
    return PAT_OK;
}

uint32_t ConvertSource8000(const PatPMInfoH &info, uint32_t flags, PrnInfoEx *record) {
    RUN_STEP(PAT_PM_FLAG_STATUS, GeneralStep(record, info.pGeneral));
    if (Has(flags, PAT_PM_FLAG_ENGINE | PAT_PM_FLAG_TRAYS_B)) ClearItemList(record, RecordList::kTrayInfo);
    RUN_STEP(PAT_PM_FLAG_ENGINE, TrayStepLayoutA(record, info.pTraysA));
    RUN_STEP(PAT_PM_FLAG_TRAYS_B, TrayStepLayoutB(record, info.pTraysB));
    RUN_STEP(PAT_PM_FLAG_EMUL_BINS, OutBinStep(record, info.pOutBins));
    RUN_STEP(PAT_PM_FLAG_OPTIONS, OptionStep(record, info.pOptions));
    return PAT_OK;
}

#undef RUN_STEP

}  // namespace

uint8_t StructureLetterFor(uint32_t source) {
    switch (source & 0xFFFFu) {
        case PAT_SOURCE_1: return 'd';
        case PAT_SOURCE_2: return 'e';
        case PAT_SOURCE_4: return 'g';
        case PAT_SOURCE_8: return 'f';
        case PAT_SOURCE_8000: return 'h';
        default: return 0;
    }
}

uint32_t ConvertPMInfo(uint32_t source, const void *pmInfo, uint32_t flags, PrnInfoEx *record) {
    if (CheckRecordLists(record) != PAT_OK) return PAT_ERROR_INVALID_PARAMETER;
    switch (source & 0xFFFFu) {
        case PAT_SOURCE_1:
            return ConvertSource1(source, *static_cast<const PatPMInfoD *>(pmInfo), flags, record);
        case PAT_SOURCE_2:
        case PAT_SOURCE_4:
        case PAT_SOURCE_8:
            return ConvertSource248(source, *static_cast<const PatPMInfoE *>(pmInfo), flags, record);
        case PAT_SOURCE_8000:
            return ConvertSource8000(*static_cast<const PatPMInfoH *>(pmInfo), flags, record);
        default:
            return PAT_ERROR_INVALID_PARAMETER;
    }
}
