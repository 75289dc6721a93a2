// PatGetStatusHelpFileName on a record built from the input, for any source
// type and buffer: a success leaves a NUL-terminated name within the buffer;
// a refusal writes nothing but, for a buffer too small, the needed length.
#include <string.h>

#include "host_records.h"
#include "platform/platform.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    HostBlocks blocks;
    const uint32_t sourceType = SourceTypeArgument(in);
    const uint8_t sizeSelector = in.Byte();
    const uint32_t capacity = sizeSelector < 16 ? sizeSelector : 512;
    PrnInfoEx *record = in.Byte() < 4 ? nullptr : blocks.Record(in);

    HeapBalance balance;
    char *text = blocks.Buffer(capacity);
    uint32_t length = capacity;
    SetLastError(kErrorBeforeCall);
    const PatBool ok = PatGetStatusHelpFileName(sourceType, record, 0, text, sizeSelector == 1 ? nullptr : &length);
    CheckTextResult(ok, GetLastError(), text, capacity, length);
    return 0;
}
