// The steps that rebuild parts of a record from peripheral information.
// Each returns 0 or the error that ends the conversion; an absent block or
// list leaves the record as it was.
#pragma once

#include <stdint.h>

#include "pat.h"

uint32_t StatusWordStep(PrnInfoEx *record, const PatPMStatusBlock *block, uint32_t source);
uint32_t StatusBitStep(PrnInfoEx *record, const PatPMStatusBlock *block, uint32_t source);
uint32_t EngineStatusStep(PrnInfoEx *record, const PatPMList *entries);
uint32_t DefaultStatusStep(PrnInfoEx *record);

uint32_t EmulationStep(PrnInfoEx *record, const PatPMList *entries);
uint32_t FontStep(PrnInfoEx *record, const PatPMList *entries);

uint32_t GeneralStep(PrnInfoEx *record, const PatPMGeneralBlock *block);
uint32_t TrayStepLayoutA(PrnInfoEx *record, const PatPMList *entries);
uint32_t TrayStepLayoutB(PrnInfoEx *record, const PatPMList *entries);
uint32_t OutBinStep(PrnInfoEx *record, const PatPMList *entries);
uint32_t OptionStep(PrnInfoEx *record, const PatPMList *entries);
