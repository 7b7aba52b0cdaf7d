#include "decoder/BmpRuns.h"

#include <cstdint>
#include <cstring>

namespace {

const std::size_t HEADER_BYTES = 54;
enum Compression : std::uint32_t { RUNS_OF_8_BITS = 1, RUNS_OF_4_BITS = 2 };

template <typename T>
T at(std::string_view bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The image as the reader lays it out: rows padded to four bytes, positions counted in pixels.
struct Layout {
    std::uint64_t rowPixels;  // a padded row
    std::uint64_t endPixel;   // past the last row
    unsigned pixelsPerByte;
};

// Walks the runs as the reader does; false at the first step that leaves the image or the data.
bool walk(std::string_view data, const Layout& image) {
    std::uint64_t pixel = 0, row = 0;
    std::size_t p = 0;
    auto fits = [&](std::uint64_t count) { return pixel + count <= image.endPixel; };
    while (pixel < image.endPixel) {
        if (p + 2 > data.size()) return false;
        const unsigned first = std::uint8_t(data[p]), second = std::uint8_t(data[p + 1]);
        p += 2;
        if (first > 0) {  // a run of one value
            if (!fits(first)) return false;
            pixel += first;
        } else if (second == 0) {  // end of the row
            pixel = ++row * image.rowPixels;
        } else if (second == 1) {  // end of the image
            return true;
        } else if (second == 2) {  // a skip right and down
            if (p + 2 > data.size()) return false;
            // The reader's row count, which ends of rows go by, does not move with a skip.
            pixel += std::uint8_t(data[p]) + std::uint64_t(std::uint8_t(data[p + 1])) * image.rowPixels;
            p += 2;
        } else {  // a block copied as it is, padded to two bytes
            const std::size_t blockBytes = (second + image.pixelsPerByte - 1) / image.pixelsPerByte;
            if (!fits(second) || p + blockBytes > data.size()) return false;
            pixel += second;
            p += blockBytes + blockBytes % 2;
        }
    }
    return true;
}

}  // namespace

bool bmpRunsFit(std::string_view bytes) {
    if (bytes.size() < HEADER_BYTES || bytes.substr(0, 2) != "BM") return true;
    const std::uint32_t compression = at<std::uint32_t>(bytes, 30);
    if (compression != RUNS_OF_8_BITS && compression != RUNS_OF_4_BITS) return true;
    const std::int32_t width = at<std::int32_t>(bytes, 18), height = at<std::int32_t>(bytes, 22);
    const std::uint32_t offset = at<std::uint32_t>(bytes, 10), declared = at<std::uint32_t>(bytes, 34);
    if (width <= 0 || height <= 0 || offset > bytes.size()) return false;
    // The reader pads each row after its bits per pixel in the header, whatever the runs are.
    const std::uint16_t bitsPerPixel = at<std::uint16_t>(bytes, 28);
    const std::uint64_t widthBytes = (std::uint64_t(width) * bitsPerPixel + 7) / 8;
    const std::uint64_t padding = (widthBytes + 3) / 4 * 4 - widthBytes;
    const unsigned pixelsPerByte = compression == RUNS_OF_8_BITS ? 1 : 2;
    const std::uint64_t rowPixels = ((std::uint64_t(width) + pixelsPerByte - 1) / pixelsPerByte + padding) * pixelsPerByte;
    // The reader sizes its buffer in an int: past that the size wraps, to a buffer far too small.
    if (rowPixels / pixelsPerByte * std::uint64_t(height) > std::uint64_t(INT32_MAX)) return false;
    std::string_view data = bytes.substr(offset, declared ? declared : std::string_view::npos);
    return walk(data, Layout{rowPixels, rowPixels * std::uint64_t(height), pixelsPerByte});
}
