// The status picture through the library's exports: the layers of
// PatCreateBitmapInfo, and, when a file is named, the picture drawn from the
// library's bitmaps and saved as PNG.
#pragma once

#include <string>
#include <vector>

#include "pat_exports.h"

// Names the layers in drawing order (mask layers left out).  Returns false
// with a message when the picture cannot be composed or written.
bool ComposeStatusPicture(const PatExports &exports, uint32_t sourceType, PatInfoNode *statusTree,
                          const std::string &pngPath, std::vector<std::string> *layers, std::string *problem);

// False in builds without the picture renderer.
bool StatusPictureAvailable();
