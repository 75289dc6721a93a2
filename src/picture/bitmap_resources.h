// The bitmaps of the status picture: resources of this library, named by text.
#pragma once

#include "platform/platform.h"

// A bitmap handle from the system's bitmap loader, or null with the loader's
// own last error when the library holds no such bitmap.
HBITMAP LoadPictureBitmap(const char *name);

// The bitmap as stored in the library, a packed device-independent bitmap
// (header, colour table, RLE8 pixels), valid while the library is loaded; or
// null with the resource loader's last error.
const void *FindPackedBitmap(const char *name);
