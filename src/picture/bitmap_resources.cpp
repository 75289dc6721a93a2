#include "bitmap_resources.h"

#include "common/library_state.h"

HBITMAP LoadPictureBitmap(const char *name) {
    return LoadBitmapA(LibraryModule(), name);
}

const void *FindPackedBitmap(const char *name) {
    HRSRC found = FindResourceA(LibraryModule(), name, RT_BITMAP);
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(LibraryModule(), found);
    if (loaded == nullptr) return nullptr;
    return LockResource(loaded);
}
