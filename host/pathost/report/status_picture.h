// The status picture through the library's exports: the layers of
// PatCreateBitmapInfo, and, when asked for, the picture drawn from the
// library's bitmaps as PNG.
#pragma once

#include <string>
#include <vector>

#include "library/pat_exports.h"

// Names the layers in drawing order (mask layers left out) and, unless `png`
// is null, draws the picture into it as PNG bytes.  Returns false with a
// message when the picture cannot be composed or drawn.
bool ComposeStatusPicture(const PatExports &exports, uint32_t sourceType, PatInfoNode *statusTree,
                          std::vector<std::string> *layers, std::string *png, std::string *problem);

// False in builds without the picture renderer.
bool StatusPictureAvailable();
