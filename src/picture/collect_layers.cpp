#include "picture/collect_layers.h"

#include "picture/layer_buffer.h"
#include "picture/rule_lookup.h"

namespace {

void AddLayersOf(uint16_t ruleListKey, uint32_t code, bool patternMode, GrowableBuffer *layers) {
    const LayerRule *rules = FindRuleList(ruleListKey);
    if (rules != nullptr) AddRuleLayers(layers, FindLayerRule(rules, code, patternMode));
}

}  // namespace

void CollectLayers(const PrnInfoEx *statusRecord, ArrayOf<uint32_t> &codes, GrowableBuffer *layers) {
    for (uint32_t i = 0; i < codes.Count(); ++i) {
        const uint32_t code = *codes.At(i);
        const bool patternMode = HasExactRuleKey(code) == 0;
        AddLayersOf(kBodyRuleListKey, code, patternMode, layers);
        for (const PatDeviceItem *option = statusRecord->pDeviceInfo; option != nullptr; option = option->pNext) {
            AddLayersOf(option->wId, code, patternMode, layers);
        }
    }
}
