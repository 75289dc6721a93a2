// PatPrnInfoExToPrnInfo on a record built from the input, with any item
// selection flags: a success fills a basic record whose texts end within
// their fields and whose counts fit their arrays; a refusal leaves it as it was.
#include <stddef.h>
#include <string.h>

#include "host_records.h"
#include "platform/platform.h"
#include "target_support.h"

namespace {

template <size_t N>
void CheckText(const char (&field)[N]) {
    CheckTerminatedWithin(field, N);
}

template <typename T, size_t N>
void CheckCount(uint32_t count, const T (&)[N]) {
    Expect(count <= N, "a count beyond its array");
}

void CheckBasicRecord(const PrnInfo &basic) {
    Expect(basic.dwRecordSize == sizeof(PrnInfo), "record size");
    CheckText(basic.szSYSVersion);
    CheckText(basic.szMainProgVersion);
    CheckText(basic.szKMSVersion);
    CheckText(basic.szModelName);
    CheckText(basic.szMakerName);
    CheckText(basic.szDescription);
    CheckCount(basic.nEmulId, basic.adwEmulId);
    CheckCount(basic.nFontId, basic.adwFontId);
    CheckCount(basic.nTray, basic.aTrayLevel);
    Expect(basic.nTrayLevel == basic.nTray, "both tray counts agree");
    CheckCount(basic.nOutBin, basic.aOutBin);
    CheckCount(basic.nEngineStatus, basic.adwEngineStatus);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    HostBlocks blocks;
    const uint32_t flags = in.Byte() < 16 ? in.Word() : 0xFFFFFFFFu;
    PrnInfoEx *record = blocks.Record(in);
    auto *basic = static_cast<PrnInfo *>(blocks.Block(sizeof(PrnInfo)));
    memset(basic, kUnwrittenByte, sizeof *basic);

    HeapBalance balance;
    SetLastError(kErrorBeforeCall);
    const PatBool ok = PatPrnInfoExToPrnInfo(record, basic, flags);
    const uint32_t error = GetLastError();
    if (ok) {
        Expect(error == 0, "success sets error 0");
        CheckBasicRecord(*basic);
    } else {
        Expect(error == PAT_ERROR_INVALID_PARAMETER, "the conversion fails with 87 only");
        CheckUntouched(basic, sizeof *basic, kUnwrittenByte);
    }
    return 0;
}
