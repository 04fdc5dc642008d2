#ifndef HUDHOST_TEST_PNG_IMAGE_H
#define HUDHOST_TEST_PNG_IMAGE_H
// PNG files decoded for checks on rendered images.

#include <optional>
#include <string>
#include <vector>

struct PngImage {
    int width = 0;
    int height = 0;
    int channels = 0;  //!< as stored in the file
    std::vector<unsigned char> pixels;  //!< top row first

    const unsigned char* Pixel(int pX, int pY) const
    {
        return pixels.data() + (static_cast<size_t>(pY) * static_cast<size_t>(width) + static_cast<size_t>(pX)) *
                                   static_cast<size_t>(channels);
    }
};

//! The image in pPath, or null when it does not decode.
std::optional<PngImage> ReadPng(const std::string& pPath);

#endif // HUDHOST_TEST_PNG_IMAGE_H
