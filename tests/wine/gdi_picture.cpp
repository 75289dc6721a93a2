#include "gdi_picture.h"

#include <string.h>

namespace {

BITMAPINFO TrueColourTopDown(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

int Stride(int width) { return (width * 3 + 3) & ~3; }

void CopyRows(const uint8_t *bits, int width, int height, std::vector<Rgb> *pixels) {
    pixels->resize(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = bits + size_t(y) * Stride(width);
        for (int x = 0; x < width; ++x) {
            // DIB byte order: blue, green, red.
            (*pixels)[size_t(y) * width + x] = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
        }
    }
}

std::string BlitLayer(HDC target, HDC source, const PatBitmapLayer &layer, LoadBitmapFn loadBitmap) {
    const std::string name(layer.szBitmapName, strnlen(layer.szBitmapName, sizeof layer.szBitmapName));
    HBITMAP bitmap = loadBitmap(name.c_str());
    if (bitmap == nullptr) return name + ": PatLoadBitmap failed, error " + std::to_string(GetLastError());
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    HGDIOBJ previous = SelectObject(source, bitmap);
    const BOOL drawn = BitBlt(target, layer.nX, layer.nY, size.bmWidth, size.bmHeight, source, 0, 0, layer.dwRop);
    SelectObject(source, previous);
    DeleteObject(bitmap);
    return drawn ? std::string() : name + ": BitBlt failed";
}

std::string DrawLayers(HDC target, const PatBitmapInfo &info, LoadBitmapFn loadBitmap) {
    HDC source = CreateCompatibleDC(target);
    std::string error;
    const PatBitmapInfo *lists = static_cast<const PatBitmapInfo *>(info.pElems);
    for (uint32_t i = 0; i < info.dwCount && error.empty(); ++i) {
        const PatBitmapLayer *layers = static_cast<const PatBitmapLayer *>(lists[i].pElems);
        for (uint32_t j = 0; j < lists[i].dwCount && error.empty(); ++j) {
            error = BlitLayer(target, source, layers[j], loadBitmap);
        }
    }
    DeleteDC(source);
    return error;
}

}  // namespace

bool ReadBitmapPixels(HBITMAP bitmap, int width, int height, std::vector<Rgb> *pixels) {
    BITMAPINFO info = TrueColourTopDown(width, height);
    std::vector<uint8_t> bits(size_t(Stride(width)) * height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return false;
    CopyRows(bits.data(), width, height, pixels);
    return true;
}

std::string DrawWithGdi(const PatBitmapInfo *info, LoadBitmapFn loadBitmap, Picture *picture) {
    BITMAPINFO format = TrueColourTopDown(kPictureWidth, kPictureHeight);
    void *bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (canvas == nullptr) return "CreateDIBSection failed";
    const Rgb b = kPictureBackground;
    uint8_t *byte = static_cast<uint8_t *>(bits);
    for (int i = 0; i < kPictureWidth * kPictureHeight; ++i, byte += 3) {
        byte[0] = b.blue;
        byte[1] = b.green;
        byte[2] = b.red;
    }
    HDC target = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(target, canvas);
    const std::string error = DrawLayers(target, *info, loadBitmap);
    GdiFlush();
    SelectObject(target, previous);
    DeleteDC(target);
    picture->width = kPictureWidth;
    picture->height = kPictureHeight;
    CopyRows(static_cast<uint8_t *>(bits), kPictureWidth, kPictureHeight, &picture->pixels);
    DeleteObject(canvas);
    return error;
}
