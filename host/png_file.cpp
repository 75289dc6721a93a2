#include "png_file.h"

#include <stdio.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

namespace {

void AppendBytes(void *context, void *data, int size) {
    static_cast<std::string *>(context)->append(static_cast<const char *>(data), static_cast<size_t>(size));
}

}  // namespace

bool EncodePicturePng(const Picture &picture, std::string *png) {
    static_assert(sizeof(Rgb) == 3, "pixels are packed RGB");
    const int components = 3;
    png->clear();
    return stbi_write_png_to_func(AppendBytes, png, picture.width, picture.height, components, picture.pixels.data(),
                                  picture.width * components) != 0;
}

// The same bytes as in memory: a served picture and a saved one are alike.
bool WritePicturePng(const char *path, const Picture &picture) {
    std::string png;
    if (!EncodePicturePng(picture, &png)) return false;
    FILE *file = fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
