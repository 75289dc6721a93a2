// Renders the status picture of every printer state of printer_states.cpp to
// OUTDIR/<state>.png, through the library's exports as a host reaches them.
#include <stdio.h>

#include <string>

#include "library/pat_exports.h"
#include "picture_renderer.h"
#include "png_file.h"
#include "printer_states.h"
#include "status_info_tree.h"

namespace {

bool RenderState(const PatExports &exports, const PrinterState &state, const std::string &folder) {
    StateRecord record(state);
    StatusInfoTree tree(state.sourceType, record.Get());
    PatBitmapInfo *info = exports.CreateBitmapInfo(state.sourceType, tree.Root(), PAT_STATUS_INTERFACE_VERSION);
    if (info == nullptr) {
        fprintf(stderr, "render_states: %s: PatCreateBitmapInfo failed\n", state.name);
        return false;
    }
    Picture picture;
    const PatBitmapLayer *failed = nullptr;
    const char *error = RenderBitmapInfo(info, exports.LoadDIBitmap, &picture, &failed);
    exports.DisposeBitmapInfo(info);
    if (error != nullptr) {
        fprintf(stderr, "render_states: %s: %s%s%.32s\n", state.name, error, failed ? " in " : "",
                failed ? failed->szBitmapName : "");
        return false;
    }
    const std::string path = folder + "/" + state.name + ".png";
    if (!WritePicturePng(path.c_str(), picture)) {
        fprintf(stderr, "render_states: cannot write %s\n", path.c_str());
        return false;
    }
    printf("%s.png\t%s\n", state.name, state.description);
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: render_states OUTDIR\n");
        return 2;
    }
    PatExports exports;
    std::string error;
    if (!LoadPatExports("", &exports, &error)) {
        fprintf(stderr, "render_states: %s\n", error.c_str());
        return 1;
    }
    int failures = 0;
    for (const PrinterState *state = kPrinterStates; state->name != nullptr; ++state) {
        if (!RenderState(exports, *state, argv[1])) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
