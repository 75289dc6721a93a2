#include "report/status_picture.h"

#include <string.h>

#include "library/library_errors.h"
#include "picture_renderer.h"
#include "png_file.h"

namespace {

void CollectLayerNames(const PatBitmapInfo &info, std::vector<std::string> *layers) {
    const auto *lists = static_cast<const PatBitmapInfo *>(info.pElems);
    for (uint32_t i = 0; i < info.dwCount; ++i) {
        const auto *layer = static_cast<const PatBitmapLayer *>(lists[i].pElems);
        for (uint32_t j = 0; j < lists[i].dwCount; ++j) {
            if (layer[j].dwRop == PAT_ROP_SRCAND) continue;  // the mask of the layer that follows
            layers->push_back(std::string(layer[j].szBitmapName, strnlen(layer[j].szBitmapName, 32)));
        }
    }
}

bool Draw(const PatExports &exports, const PatBitmapInfo *info, std::string *png, std::string *problem) {
    Picture picture;
    const PatBitmapLayer *failed = nullptr;
    if (const char *error = RenderBitmapInfo(info, exports.LoadDIBitmap, &picture, &failed)) {
        *problem = std::string("the status picture cannot be drawn: ") + error;
        if (failed != nullptr) *problem += " (" + std::string(failed->szBitmapName, strnlen(failed->szBitmapName, 32)) + ")";
        return false;
    }
    if (!EncodePicturePng(picture, png)) {
        *problem = "the status picture cannot be encoded as PNG";
        return false;
    }
    return true;
}

}  // namespace

bool ComposeStatusPicture(const PatExports &exports, uint32_t sourceType, PatInfoNode *statusTree,
                          std::vector<std::string> *layers, std::string *png, std::string *problem) {
    PatBitmapInfo *info = exports.CreateBitmapInfo(sourceType, statusTree, PAT_STATUS_INTERFACE_VERSION);
    if (info == nullptr) {
        *problem = "PatCreateBitmapInfo failed: " + DescribeLibraryError(exports.GetLastError());
        return false;
    }
    CollectLayerNames(*info, layers);
    const bool drawn = png == nullptr || Draw(exports, info, png, problem);
    if (!exports.DisposeBitmapInfo(info) && drawn) {
        *problem = "PatDisposeBitmapInfo failed: " + DescribeLibraryError(exports.GetLastError());
        return false;
    }
    return drawn;
}

bool StatusPictureAvailable() { return true; }
