// Status pictures drawn with real GDI, as a Windows host draws them: each
// layer's bitmap from PatLoadBitmap, blitted with its raster operation onto a
// 24-bit DIB section.
#pragma once

#include <windows.h>

#include <string>

#include "picture_renderer.h"

typedef HBITMAP(WINAPI *LoadBitmapFn)(const char *name);

// The pixels of a device-dependent bitmap read back as 24-bit colour, top row first.
bool ReadBitmapPixels(HBITMAP bitmap, int width, int height, std::vector<Rgb> *pixels);

// Draws every layer of a tag-201 bitmap info; on failure returns what went wrong.
std::string DrawWithGdi(const PatBitmapInfo *info, LoadBitmapFn loadBitmap, Picture *picture);
