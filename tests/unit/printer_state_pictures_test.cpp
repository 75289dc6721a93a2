// The status pictures of the host's printer states: every layer the picture
// rules name is a bitmap the library holds, drawn where the picture is.
#include <gtest/gtest.h>

#include "pat.h"
#include "platform/platform.h"
#include "picture_renderer.h"
#include "printer_states.h"
#include "status_info_tree.h"

namespace {

TEST(PrinterStatePictures, EveryStateRendersFromTheLibrarysBitmaps) {
    for (const PrinterState *state = kPrinterStates; state->name != nullptr; ++state) {
        SCOPED_TRACE(state->name);
        StateRecord record(*state);
        StatusInfoTree tree(state->sourceType, record.Get());
        PatBitmapInfo *info = PatCreateBitmapInfo(state->sourceType, tree.Root(), PAT_STATUS_INTERFACE_VERSION);
        ASSERT_NE(info, nullptr) << "error " << GetLastError();
        Picture picture;
        const PatBitmapLayer *failed = nullptr;
        const char *error = RenderBitmapInfo(info, PatLoadDIBitmap, &picture, &failed);
        EXPECT_EQ(error, nullptr) << error << (failed ? failed->szBitmapName : "");
        // Every state shows the printer: the body covers the whole picture.
        EXPECT_FALSE(picture.pixels[0] == kPictureBackground);
        PatDisposeBitmapInfo(info);
    }
}

}  // namespace
