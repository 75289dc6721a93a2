// Renders the status picture of every printer state of printer_states.cpp to
// OUTDIR/<state>.png, through the library's exports as a host reaches them.
#include <stdio.h>

#include <string>

#include "library_loader.h"
#include "picture_renderer.h"
#include "png_file.h"
#include "printer_states.h"

namespace {

typedef PatBitmapInfo *(PATAPI *CreateBitmapInfoFn)(uint32_t, PatInfoNode *, uint32_t);
typedef PatBool(PATAPI *DisposeBitmapInfoFn)(PatBitmapInfo *);

struct PictureExports {
    CreateBitmapInfoFn create;
    DisposeBitmapInfoFn dispose;
    PackedBitmapSource load;
};

bool RenderState(const PictureExports &exports, const PrinterState &state, const std::string &folder) {
    StatusInfoTree tree(state.sourceType, ConditionOf(state));
    PatBitmapInfo *info = exports.create(state.sourceType, tree.Root(), PAT_STATUS_INTERFACE_VERSION);
    if (info == nullptr) {
        fprintf(stderr, "render_states: %s: PatCreateBitmapInfo failed\n", state.name);
        return false;
    }
    Picture picture;
    const PatBitmapLayer *failed = nullptr;
    const char *error = RenderBitmapInfo(info, exports.load, &picture, &failed);
    exports.dispose(info);
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
    void *library = OpenPatLibrary();
    if (library == nullptr) {
        fprintf(stderr, "render_states: cannot load %s\n", PatLibraryName());
        return 1;
    }
    PictureExports exports = {
        reinterpret_cast<CreateBitmapInfoFn>(PatLibrarySymbol(library, "PatCreateBitmapInfo")),
        reinterpret_cast<DisposeBitmapInfoFn>(PatLibrarySymbol(library, "PatDisposeBitmapInfo")),
        reinterpret_cast<PackedBitmapSource>(PatLibrarySymbol(library, "PatLoadDIBitmap")),
    };
    if (exports.create == nullptr || exports.dispose == nullptr || exports.load == nullptr) {
        fprintf(stderr, "render_states: %s lacks the picture exports\n", PatLibraryName());
        return 1;
    }
    int failures = 0;
    for (const PrinterState *state = kPrinterStates; state->name != nullptr; ++state) {
        if (!RenderState(exports, *state, argv[1])) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
