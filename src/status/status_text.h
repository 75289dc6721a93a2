// The localized status text: the text of the first message, with the names
// of every printer part the messages concern listed in place of its "%s",
// and a service call's service code after the long text.
#pragma once

#include <stdint.h>

#include "common/array_of.h"
#include "status_selection.h"

constexpr uint32_t kStatusTextSize = 512;  // at most 511 characters
constexpr uint32_t kPartListSize = 256;    // at most 255 characters

// Composes into `text` (capacity `size`, at most kStatusTextSize is used).
// Returns PAT_OK, PAT_ERROR_MISSING_TABLE (no message, no map for the form, no string) or
// PAT_ERROR_UNKNOWN_LANGUAGE; on failure the text is empty.
uint32_t ComposeStatusText(const StatusCallContext *context, ArrayOf<MessageEntry> &messages, uint32_t textForm,
                           char *text, uint32_t size);

// Copies the template into `text` (capacity `capacity`, at least 1) with the
// part list in place of every "%s"; a list that would not leave room for the
// rest of the template is left out.
void ExpandTemplate(const char *pattern, ArrayOf<MessageEntry> &messages, char *text, uint32_t capacity);

// The names of the parts the messages name, each once, in the part-name
// map's row order, joined by the separator string.  Returns PAT_OK, PAT_ERROR_NOT_ENOUGH_MEMORY or
// PAT_ERROR_MISSING_TABLE (or the last name's load error); names that would carry the
// list past `size` - 1 characters are left out.
uint32_t BuildPartList(ArrayOf<MessageEntry> &messages, char *list, uint32_t size);

// The whole status text for a status information tree.  `*length` holds the
// capacity of `text` on entry and the needed length whenever a text was
// composed.  Returns PAT_OK, PAT_ERROR_INVALID_PARAMETER,
// PAT_ERROR_NOT_ENOUGH_MEMORY, PAT_ERROR_INSUFFICIENT_BUFFER,
// PAT_ERROR_MISSING_TABLE or PAT_ERROR_UNKNOWN_LANGUAGE.
uint32_t GetStatusString(uint32_t sourceType, PatInfoNode *root, uint32_t textForm, char *text, uint32_t *length);
