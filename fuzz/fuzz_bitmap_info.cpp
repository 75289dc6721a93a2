// PatCreateBitmapInfo on a status tree and two records built from the input,
// then PatDisposeBitmapInfo on what it returns: a picture is one list of
// layers, each named within its field, numbered and with a drawing operation,
// inside the block that holds it; disposing of it releases every block.
#include "host_records.h"
#include "platform/platform.h"
#include "target_support.h"

namespace {

void CheckLayer(const PatBitmapLayer &layer) {
    CheckTerminatedWithin(layer.szBitmapName, sizeof layer.szBitmapName);
    Expect(layer.bLayer != 0, "layer numbers start at 1");
    Expect(layer.dwRop == PAT_ROP_SRCCOPY || layer.dwRop == PAT_ROP_SRCAND || layer.dwRop == PAT_ROP_SRCPAINT,
           "a drawing operation of the three");
}

void CheckPicture(const PatBitmapInfo *picture) {
    Expect(GlobalSize(const_cast<PatBitmapInfo *>(picture)) >= sizeof *picture, "bitmap info block");
    Expect(picture->bTag == 201 && picture->dwCount == 1 && picture->dwElemSize == PAT_BITMAP_INFO_SIZE,
           "one list of layer lists");
    const auto *list = static_cast<const PatBitmapInfo *>(picture->pElems);
    Expect(GlobalSize(const_cast<PatBitmapInfo *>(list)) >= sizeof *list, "layer list block");
    Expect(list->bTag == 200 && list->dwElemSize == sizeof(PatBitmapLayer), "a list of layers");
    const auto *layers = static_cast<const PatBitmapLayer *>(list->pElems);
    Expect(list->dwCount == 0 || GlobalSize(const_cast<PatBitmapLayer *>(layers)) >=
                                     static_cast<size_t>(list->dwCount) * sizeof(PatBitmapLayer),
           "the layers lie within their block");
    for (uint32_t i = 0; i < list->dwCount; ++i) {
        CheckLayer(layers[i]);
        if (i > 0) Expect(layers[i - 1].bLayer <= layers[i].bLayer, "layers in drawing order");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    HostBlocks blocks;
    const uint32_t sourceType = SourceTypeArgument(in);
    const uint32_t version = in.Byte() < 8 ? in.Word() : PAT_STATUS_INTERFACE_VERSION;
    PrnInfoEx *override = blocks.Record(in);
    PrnInfoEx *base = blocks.Record(in);
    PatInfoNode *root = blocks.StatusTree(in, sourceType, override, base);

    HeapBalance balance;
    SetLastError(kErrorBeforeCall);
    PatBitmapInfo *picture = PatCreateBitmapInfo(sourceType, root, version);
    const uint32_t error = GetLastError();
    if (picture == nullptr) {
        Expect(error != 0 && error != kErrorBeforeCall, "a failure sets its error");
        return 0;
    }
    Expect(error == 0, "success sets error 0");
    CheckPicture(picture);
    Expect(PatDisposeBitmapInfo(picture) == 1 && GetLastError() == 0, "the picture disposes cleanly");
    return 0;
}
