// Saving a status picture as a PNG file.
#pragma once

#include "picture_renderer.h"

// Returns false when the file cannot be written.
bool WritePicturePng(const char *path, const Picture &picture);
