#include "picture/collect_layers.h"

#include "picture/layer_buffer.h"
#include "picture/rule_lookup.h"
#include "status/status_code.h"

namespace {

void AddLayersOf(uint16_t ruleListKey, uint32_t code, const char *codeText, bool patternMode, GrowableBuffer *layers) {
    const LayerRule *rules = FindRuleList(ruleListKey);
    if (rules != nullptr) AddRuleLayers(layers, FindLayerRuleForText(rules, code, codeText, patternMode));
}

}  // namespace

// Each code is put in its decimal text once, for all the lists it is looked up in.
void CollectLayers(const PrnInfoEx *statusRecord, ArrayOf<uint32_t> &codes, GrowableBuffer *layers) {
    for (uint32_t i = 0; i < codes.Count(); ++i) {
        const uint32_t code = *codes.At(i);
        char codeText[kDecimalCodeSize];
        FormatStatusCode(code, codeText);
        const bool patternMode = HasExactRuleKey(code) == 0;
        AddLayersOf(kBodyRuleListKey, code, codeText, patternMode, layers);
        for (const PatDeviceItem *option = statusRecord->pDeviceInfo; option != nullptr; option = option->pNext) {
            AddLayersOf(option->wId, code, codeText, patternMode, layers);
        }
    }
}
