#include <string.h>

#include "common/family_codes.h"
#include "common/localized_string.h"
#include "pat.h"
#include "status_text.h"

namespace {

bool IsPlaceholder(const char *at) { return at[0] == '%' && at[1] == 's'; }

void AppendWhatFits(char *text, const char *tail, size_t capacity) {
    const size_t used = strlen(text);
    const size_t taken = strnlen(tail, capacity - 1 - used);
    memcpy(text + used, tail, taken);
    text[used + taken] = '\0';
}

}  // namespace

// The list goes in only when it leaves room for the rest of the template, so
// the template's own characters are never cut (nor a double-byte character
// split).
void ExpandTemplate(const char *pattern, ArrayOf<MessageEntry> &messages, char *text, uint32_t capacity) {
    size_t used = 0;
    for (const char *at = pattern; *at != '\0';) {
        if (!IsPlaceholder(at)) {
            if (used + 1 < capacity) text[used++] = *at;
            ++at;
            continue;
        }
        at += 2;
        char list[kPartListSize];
        if (BuildPartList(messages, list, sizeof list) != PAT_OK) continue;
        const size_t listLength = strlen(list);
        if (used + listLength + strlen(at) >= capacity) continue;
        memcpy(text + used, list, listLength);
        used += listLength;
    }
    text[used] = '\0';
}

uint32_t ComposeStatusText(const StatusCallContext *context, ArrayOf<MessageEntry> &messages, uint32_t textForm,
                           char *text, uint32_t size) {
    text[0] = '\0';
    if (messages.Count() == 0) return PAT_ERROR_MISSING_TABLE;
    const MessageEntry first = *messages.At(0);
    const bool reduced = (context->sourceType & PAT_REDUCED_SET_BIT) != 0;
    const StringMapRow *map = FindStringMap(reduced ? kReducedStatusTextMaps : kStatusTextMaps, textForm);
    if (map == nullptr) return PAT_ERROR_MISSING_TABLE;
    char pattern[kStatusTextSize];
    const uint32_t error = LoadMappedString(map, first.messageCode, pattern, sizeof pattern);
    if (error != PAT_OK) return error;
    const uint32_t capacity = size < kStatusTextSize ? size : kStatusTextSize;
    ExpandTemplate(pattern, messages, text, capacity);
    if ((textForm & 0xFFu) == PAT_TEXT_FORM_LONG && first.messageCode == kStatusServiceCall) {
        AppendWhatFits(text, first.extraText, capacity);
    }
    return PAT_OK;
}
