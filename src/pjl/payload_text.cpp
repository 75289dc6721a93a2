#include "payload_text.h"

#include <string.h>

#include "pat.h"
#include "platform/platform.h"

uint32_t OpenPayloadText(const void *payload, uint32_t length, PayloadText *opened) {
    const char *text = static_cast<const char *>(payload);
    const char *nul = static_cast<const char *>(memchr(text, '\0', length));
    if (nul != nullptr) {
        *opened = {{text, nul}, nullptr};
        return PAT_OK;
    }
    char *copy = static_cast<char *>(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(length) + 1));
    if (copy == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    memcpy(copy, text, length);
    copy[length] = '\0';
    *opened = {{copy, copy + length}, copy};
    return PAT_OK;
}

void ClosePayloadText(PayloadText *opened) {
    if (opened->copy != nullptr) GlobalFree(opened->copy);
    opened->copy = nullptr;
}
