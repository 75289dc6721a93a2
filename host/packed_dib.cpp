#include "packed_dib.h"

#include <string.h>

namespace {

// BITMAPINFOHEADER, read field by field: the packed bitmap need not be aligned.
struct DibHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    uint32_t coloursUsed;
};

const uint32_t kInfoHeaderSize = 40;
const int32_t kLargestSide = 4096;

template <typename T>
T Read(const uint8_t *at) {
    T value;
    memcpy(&value, at, sizeof value);
    return value;
}

DibHeader ReadHeader(const uint8_t *p) {
    DibHeader h;
    h.size = Read<uint32_t>(p);
    h.width = Read<int32_t>(p + 4);
    h.height = Read<int32_t>(p + 8);
    h.planes = Read<uint16_t>(p + 12);
    h.bitCount = Read<uint16_t>(p + 14);
    h.compression = Read<uint32_t>(p + 16);
    h.sizeImage = Read<uint32_t>(p + 20);
    h.coloursUsed = Read<uint32_t>(p + 32);
    return h;
}

const char *CheckHeader(const DibHeader &h) {
    if (h.size != kInfoHeaderSize) return "header is not a BITMAPINFOHEADER";
    if (h.width <= 0 || h.width > kLargestSide) return "width out of range";
    if (h.height <= 0 || h.height > kLargestSide) return "height out of range (RLE8 bitmaps are bottom-up)";
    if (h.planes != 1) return "planes is not 1";
    if (h.bitCount != 8) return "not 8 bits per pixel";
    if (h.compression != kDibCompressionRle8) return "not RLE8";
    if (h.coloursUsed > 256) return "more than 256 colours";
    if (h.sizeImage == 0) return "RLE8 bitmap without its data size";
    return nullptr;
}

// Walks the RLE8 stream into rows counted from the bottom, as the format stores them.
class Rle8Reader {
public:
    Rle8Reader(const uint8_t *data, uint32_t size, IndexedBitmap *bitmap)
        : data_(data), size_(size), bitmap_(bitmap), written_(bitmap->pixels.size(), 0) {}

    const char *Run() {
        for (;;) {
            if (pos_ + 2 > size_) return "RLE8 data ends without an end-of-bitmap code";
            const uint8_t first = data_[pos_], second = data_[pos_ + 1];
            pos_ += 2;
            const char *error = nullptr;
            if (first != 0) {
                error = Repeat(first, second);
            } else if (second == 0) {
                row_ += 1;
                column_ = 0;
            } else if (second == 1) {
                return Finish();
            } else if (second == 2) {
                error = Delta();
            } else {
                error = Literal(second);
            }
            if (error != nullptr) return error;
        }
    }

private:
    const char *Repeat(uint8_t count, uint8_t index) {
        if (!Fits(count)) return "encoded run past the end of a row";
        for (uint8_t i = 0; i < count; ++i) Put(index);
        return nullptr;
    }

    const char *Literal(uint8_t count) {
        if (!Fits(count)) return "absolute run past the end of a row";
        const uint32_t padded = count + (count & 1u);
        if (pos_ + padded > size_) return "absolute run past the end of the data";
        for (uint8_t i = 0; i < count; ++i) Put(data_[pos_ + i]);
        pos_ += padded;
        return nullptr;
    }

    const char *Delta() {
        if (pos_ + 2 > size_) return "delta past the end of the data";
        column_ += data_[pos_];
        row_ += data_[pos_ + 1];
        pos_ += 2;
        if (column_ > bitmap_->width || row_ > bitmap_->height) return "delta outside the bitmap";
        return nullptr;
    }

    const char *Finish() {
        bitmap_->everyPixelWritten = true;
        for (uint8_t w : written_) bitmap_->everyPixelWritten &= (w != 0);
        return nullptr;
    }

    bool Fits(uint32_t count) const {
        return row_ < bitmap_->height && column_ + static_cast<int32_t>(count) <= bitmap_->width;
    }

    void Put(uint8_t index) {
        const size_t at = static_cast<size_t>(bitmap_->height - 1 - row_) * bitmap_->width + column_;
        bitmap_->pixels[at] = index;
        written_[at] = 1;
        column_ += 1;
    }

    const uint8_t *data_;
    uint32_t size_;
    IndexedBitmap *bitmap_;
    std::vector<uint8_t> written_;
    uint32_t pos_ = 0;
    int32_t row_ = 0;
    int32_t column_ = 0;
};

}  // namespace

const char *DecodePackedDib(const void *packed, IndexedBitmap *bitmap) {
    if (packed == nullptr) return "no bitmap";
    const uint8_t *p = static_cast<const uint8_t *>(packed);
    const DibHeader h = ReadHeader(p);
    if (const char *error = CheckHeader(h)) return error;
    bitmap->width = h.width;
    bitmap->height = h.height;
    bitmap->bitCount = h.bitCount;
    bitmap->compression = h.compression;
    bitmap->colourCount = h.coloursUsed == 0 ? 256 : h.coloursUsed;
    const uint8_t *table = p + h.size;
    for (uint32_t i = 0; i < 256; ++i) {
        // RGBQUAD order: blue, green, red, reserved.
        const uint8_t *q = table + 4 * i;
        bitmap->colours[i] = i < bitmap->colourCount ? (uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0]) : 0;
    }
    bitmap->pixels.assign(static_cast<size_t>(h.width) * h.height, 0);
    bitmap->everyPixelWritten = false;
    const uint8_t *data = table + 4 * bitmap->colourCount;
    return Rle8Reader(data, h.sizeImage, bitmap).Run();
}
