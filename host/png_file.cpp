#include "png_file.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"

bool WritePicturePng(const char *path, const Picture &picture) {
    static_assert(sizeof(Rgb) == 3, "pixels are packed RGB");
    const int components = 3;
    return stbi_write_png(path, picture.width, picture.height, components, picture.pixels.data(),
                          picture.width * components) != 0;
}
