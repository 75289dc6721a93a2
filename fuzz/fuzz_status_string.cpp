// PatGetStatusString on a status tree and two records built from the input,
// in any language, form and buffer size: a success leaves a NUL-terminated
// text within the buffer and the length it needed, a refusal writes nothing
// but, for a buffer too small, the needed length.
#include <string.h>

#include "host_records.h"
#include "platform/platform.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    HostBlocks blocks;
    ChooseLanguage(in);
    const uint32_t sourceType = SourceTypeArgument(in);
    const uint32_t version = in.Byte() < 8 ? in.Word() : PAT_STATUS_INTERFACE_VERSION;
    const uint32_t form = in.Byte() % 4u;
    const uint8_t sizeSelector = in.Byte();
    const uint32_t capacity = sizeSelector < 32 ? sizeSelector : 512;
    PrnInfoEx *override = blocks.Record(in);
    PrnInfoEx *base = blocks.Record(in);
    PatInfoNode *root = blocks.StatusTree(in, sourceType, override, base);

    HeapBalance balance;
    char *text = blocks.Buffer(capacity);
    uint32_t length = capacity;
    SetLastError(kErrorBeforeCall);
    const PatBool ok = PatGetStatusString(sourceType, root, version, form, text, &length);
    CheckTextResult(ok, GetLastError(), text, capacity, length);
    return 0;
}
