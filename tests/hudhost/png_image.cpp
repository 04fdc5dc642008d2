// PNG decoding through stb_image (Debian's libstb-dev; compiled into hudhost_gl).

#include "png_image.h"

#include <stb/stb_image.h>

std::optional<PngImage> ReadPng(const std::string& pPath)
{
    PngImage lImage;
    unsigned char* lData = stbi_load(pPath.c_str(), &lImage.width, &lImage.height, &lImage.channels, 0);
    if (!lData) return std::nullopt;
    const size_t lSize = static_cast<size_t>(lImage.width) * static_cast<size_t>(lImage.height) *
                         static_cast<size_t>(lImage.channels);
    lImage.pixels.assign(lData, lData + lSize);
    stbi_image_free(lData);
    return lImage;
}
