// The device ID parser on arbitrary bytes (read to their length, no
// terminator) into a fresh record, which is then released whole.
#include "target_support.h"
#include "pjl/device_id_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    HeapBalance balance;
    ExactCopy deviceId(data, size);
    PrnInfoEx record = FreshRecord();
    ParseDeviceId(deviceId.bytes, static_cast<uint32_t>(size), &record);
    CheckCountsMatchChains(record);
    ReleaseWholeRecord(&record);
    return 0;
}
