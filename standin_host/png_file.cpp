// PNG input and output through stb_image and stb_image_write (Debian's libstb-dev).

#include "png_file.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cerrno>
#include <cstring>

namespace hudhost {

std::optional<PngImage> ReadPng(const std::string& pPath, int pChannels, std::string* pError)
{
    PngImage lImage;
    int lStored = 0;
    unsigned char* lData = stbi_load(pPath.c_str(), &lImage.width, &lImage.height, &lStored, pChannels);
    if (!lData) {
        if (pError) *pError = "cannot read the PNG image " + pPath + ": " + stbi_failure_reason();
        return std::nullopt;
    }
    lImage.channels = pChannels ? pChannels : lStored;
    const size_t lSize =
        static_cast<size_t>(lImage.width) * static_cast<size_t>(lImage.height) * static_cast<size_t>(lImage.channels);
    lImage.pixels.assign(lData, lData + lSize);
    stbi_image_free(lData);
    return lImage;
}

bool WriteOpaquePng(const std::string& pPath, int pWidth, int pHeight, const std::vector<unsigned char>& pRgba,
                    std::string& pError)
{
    if (pWidth <= 0 || pHeight <= 0 || pRgba.size() != static_cast<size_t>(pWidth) * static_cast<size_t>(pHeight) * 4) {
        pError = "cannot write a PNG of " + std::to_string(pWidth) + "x" + std::to_string(pHeight) + " pixels from " +
                 std::to_string(pRgba.size()) + " bytes";
        return false;
    }
    std::vector<unsigned char> lRgb;
    lRgb.reserve(pRgba.size() / 4 * 3);
    for (size_t lPixel = 0; lPixel + 3 < pRgba.size(); lPixel += 4)
        lRgb.insert(lRgb.end(), pRgba.begin() + static_cast<std::ptrdiff_t>(lPixel),
                    pRgba.begin() + static_cast<std::ptrdiff_t>(lPixel + 3));
    errno = 0;
    if (stbi_write_png(pPath.c_str(), pWidth, pHeight, 3, lRgb.data(), 3 * pWidth)) return true;
    pError = "cannot write the PNG file " + pPath;
    if (errno != 0) pError += std::string(": ") + std::strerror(errno);
    return false;
}

} // namespace hudhost
