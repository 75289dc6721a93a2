// Finding the rule list of a part of the printer and the rule in it that
// applies to a status code.
#pragma once

#include <stdint.h>

#include "picture/layer_rules.h"

// The rule list for the body key or an option id, or null.
const LayerRule *FindRuleList(uint16_t key);

// 1 when some rule of some list has the code's decimal text as its key.
int HasExactRuleKey(uint32_t code);

// The rule of `rules` for the code: the first whose key equals the code's
// decimal text (or, in pattern mode, matches it as a code pattern), else the
// list's default rule; null when there is neither.
const LayerRule *FindLayerRule(const LayerRule *rules, uint32_t code, bool patternMode);
// The same for a code whose decimal text (FormatStatusCode) is already made,
// as a picture looks up each code in every list.
const LayerRule *FindLayerRuleForText(const LayerRule *rules, uint32_t code, const char *codeText, bool patternMode);
