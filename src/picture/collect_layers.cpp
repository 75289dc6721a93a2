#include "picture/collect_layers.h"

#include "picture/layer_buffer.h"
#include "picture/rule_lookup.h"
#include "status/status_code.h"

namespace {

void AddLayersOf(uint16_t ruleListKey, const char *codeText, bool patternMode, GrowableBuffer *layers) {
    const LayerRule *rules = FindRuleList(ruleListKey);
    if (rules != nullptr) AddRuleLayers(layers, FindLayerRuleForText(rules, codeText, patternMode));
}

}  // namespace

// Each code is put in its decimal text once, for all the lists it is looked up in.
void CollectLayers(const PrnInfoEx *statusRecord, ArrayOf<uint32_t> &codes, GrowableBuffer *layers) {
    for (uint32_t i = 0; i < codes.Count(); ++i) {
        char codeText[kDecimalCodeSize];
        FormatStatusCode(*codes.At(i), codeText);
        const bool patternMode = HasExactRuleKeyText(codeText) == 0;
        AddLayersOf(kBodyRuleListKey, codeText, patternMode, layers);
        for (const PatDeviceItem *option = statusRecord->pDeviceInfo; option != nullptr; option = option->pNext) {
            AddLayersOf(option->wId, codeText, patternMode, layers);
        }
    }
}
