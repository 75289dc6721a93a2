// Saving a status picture as PNG, into a file or into memory.
#pragma once

#include <string>

#include "picture_renderer.h"

// The PNG bytes of the picture; false when they cannot be made.
bool EncodePicturePng(const Picture &picture, std::string *png);

// Returns false when the file cannot be written.
bool WritePicturePng(const char *path, const Picture &picture);
