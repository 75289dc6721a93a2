#include <string.h>

#include "status_input.h"
#include "status_text.h"

namespace {

// Selection failures, the missing priority table of source type 0x8000
// included, are reported as a lack of memory.
uint32_t ComposeForRecord(uint32_t sourceType, const PrnInfoEx &status, uint32_t textForm,
                          char (&text)[kStatusTextSize]) {
    LocalArrayOf<MessageEntry, kMessagesPerStep> messages(kMessagesPerStep);
    const StatusCallContext context = {sourceType, &status};
    const uint32_t error = BuildMessageList(&context, messages);
    if (error != PAT_OK) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    return ComposeStatusText(&context, messages, textForm, text, sizeof text);
}

}  // namespace

uint32_t GetStatusString(uint32_t sourceType, PatInfoNode *root, uint32_t textForm, char *text, uint32_t *length) {
    PrnInfoEx status;
    uint32_t error = DecodeStatusInput(sourceType, root, &status);
    if (error == PAT_OK) error = CheckStatusLists(&status);
    if (error != PAT_OK) return error;
    char composed[kStatusTextSize];
    error = ComposeForRecord(sourceType, status, textForm, composed);
    if (error != PAT_OK) return error;
    const uint32_t needed = static_cast<uint32_t>(strlen(composed)) + 1;
    const uint32_t capacity = *length;
    *length = needed;
    if (text == nullptr || capacity < needed) return PAT_ERROR_INSUFFICIENT_BUFFER;
    memcpy(text, composed, needed);
    return PAT_OK;
}
