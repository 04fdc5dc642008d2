#ifndef HUDHOST_PNG_FILE_H
#define HUDHOST_PNG_FILE_H
// PNG files: framebuffer images written by hudhost and the contact-sheet tool, and read back by
// the tests and the tool. Needs neither EGL nor OpenGL.

#include <optional>
#include <string>
#include <vector>

namespace hudhost {

//! An 8-bit image, top row first.
struct PngImage {
    int width = 0;
    int height = 0;
    int channels = 0; //!< bytes a pixel: as stored in the file, or as asked for
    std::vector<unsigned char> pixels;

    const unsigned char* Pixel(int pX, int pY) const
    {
        return pixels.data() + (static_cast<size_t>(pY) * static_cast<size_t>(width) + static_cast<size_t>(pX)) *
                                   static_cast<size_t>(channels);
    }
};

//! The image in pPath, with the channels it stores (pChannels 0) or converted to pChannels (4:
//! RGBA); null when it does not decode, with the reason in pError where one is given.
std::optional<PngImage> ReadPng(const std::string& pPath, int pChannels = 0, std::string* pError = nullptr);

//! Writes pRgba (4 bytes a pixel, top row first) as an RGB PNG, dropping alpha so that the
//! image is opaque; false, with the reason in pError, when the file cannot be written.
bool WriteOpaquePng(const std::string& pPath, int pWidth, int pHeight, const std::vector<unsigned char>& pRgba,
                    std::string& pError);

} // namespace hudhost

#endif // HUDHOST_PNG_FILE_H
