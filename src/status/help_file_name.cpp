#include "help_file_name.h"

#include <string.h>

#include "status_selection.h"

namespace {

constexpr uint32_t kHelpFileNameSize = 512;

// Names the file for the selected codes; this family has none to name.
uint32_t ChooseHelpFile(const StatusCallContext &, ArrayOf<uint32_t> &, char (&name)[kHelpFileNameSize]) {
    name[0] = '\0';
    return PAT_OK;
}

uint32_t NameHelpFile(const StatusCallContext &context, char (&name)[kHelpFileNameSize]) {
    LocalArrayOf<uint32_t, kSelectedCodesPerStep> codes(kSelectedCodesPerStep);
    uint32_t error = SelectStatusCodes(&context, codes);
    if (error == PAT_OK) error = ChooseHelpFile(context, codes, name);
    return error;
}

}  // namespace

uint32_t GetStatusHelpFileName(uint32_t sourceType, const PrnInfoEx *record, char *text, uint32_t *length) {
    const StatusCallContext context = {sourceType, record};
    char name[kHelpFileNameSize] = "";
    const uint32_t error = NameHelpFile(context, name);
    if (error != PAT_OK) return error;
    const uint32_t needed = static_cast<uint32_t>(strlen(name)) + 1;
    const uint32_t capacity = *length;
    *length = needed;
    if (text == nullptr || capacity < needed) return PAT_ERROR_INSUFFICIENT_BUFFER;
    memcpy(text, name, needed);
    return PAT_OK;
}
