#include "picture_renderer.h"

namespace {

Rgb ColourOf(const IndexedBitmap &bitmap, uint8_t index) {
    const uint32_t c = bitmap.colours[index];
    return Rgb{static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)};
}

bool IsKnownRop(uint32_t rop) {
    return rop == PAT_ROP_SRCCOPY || rop == PAT_ROP_SRCAND || rop == PAT_ROP_SRCPAINT;
}

void ApplyRop(uint32_t rop, const Rgb &source, Rgb *target) {
    if (rop == PAT_ROP_SRCAND) {
        *target = Rgb{uint8_t(source.red & target->red), uint8_t(source.green & target->green),
                      uint8_t(source.blue & target->blue)};
    } else if (rop == PAT_ROP_SRCPAINT) {
        *target = Rgb{uint8_t(source.red | target->red), uint8_t(source.green | target->green),
                      uint8_t(source.blue | target->blue)};
    } else {
        *target = source;
    }
}

const char *DrawLayer(Picture *picture, const PatBitmapLayer &layer, PackedBitmapSource source) {
    char name[sizeof layer.szBitmapName + 1] = {};
    for (size_t i = 0; i < sizeof layer.szBitmapName && layer.szBitmapName[i] != '\0'; ++i) {
        name[i] = layer.szBitmapName[i];
    }
    IndexedBitmap bitmap;
    if (const char *error = DecodePackedDib(source(name), &bitmap)) return error;
    return DrawBitmap(picture, bitmap, layer.nX, layer.nY, layer.dwRop);
}

const char *DrawLayerList(Picture *picture, const PatBitmapInfo &list, PackedBitmapSource source,
                          const PatBitmapLayer **failedLayer) {
    if (list.bTag != PAT_BITMAP_INFO_LAYERS || list.dwElemSize != sizeof(PatBitmapLayer)) {
        return "not a bitmap layer list";
    }
    const PatBitmapLayer *layers = static_cast<const PatBitmapLayer *>(list.pElems);
    for (uint32_t i = 0; i < list.dwCount; ++i) {
        if (const char *error = DrawLayer(picture, layers[i], source)) {
            if (failedLayer != nullptr) *failedLayer = &layers[i];
            return error;
        }
    }
    return nullptr;
}

}  // namespace

Picture BlankPicture() {
    Picture picture;
    picture.pixels.assign(static_cast<size_t>(picture.width) * picture.height, kPictureBackground);
    return picture;
}

const char *DrawBitmap(Picture *picture, const IndexedBitmap &bitmap, int x, int y, uint32_t rop) {
    if (!IsKnownRop(rop)) {
        return "raster operation is not SRCCOPY, SRCAND or SRCPAINT";
    }
    for (int row = 0; row < bitmap.height; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= picture->height) continue;
        for (int column = 0; column < bitmap.width; ++column) {
            const int tx = x + column;
            if (tx < 0 || tx >= picture->width) continue;
            const uint8_t index = bitmap.pixels[static_cast<size_t>(row) * bitmap.width + column];
            ApplyRop(rop, ColourOf(bitmap, index), &picture->pixels[static_cast<size_t>(ty) * picture->width + tx]);
        }
    }
    return nullptr;
}

const char *RenderBitmapInfo(const PatBitmapInfo *info, PackedBitmapSource source, Picture *picture,
                             const PatBitmapLayer **failedLayer) {
    *picture = BlankPicture();
    if (info == nullptr) return "no bitmap info";
    if (info->bTag == PAT_BITMAP_INFO_LAYERS) return DrawLayerList(picture, *info, source, failedLayer);
    if (info->bTag != PAT_BITMAP_INFO_LAYER_LISTS || info->dwElemSize != sizeof(PatBitmapInfo)) {
        return "not a bitmap info";
    }
    const PatBitmapInfo *lists = static_cast<const PatBitmapInfo *>(info->pElems);
    for (uint32_t i = 0; i < info->dwCount; ++i) {
        if (const char *error = DrawLayerList(picture, lists[i], source, failedLayer)) return error;
    }
    return nullptr;
}
