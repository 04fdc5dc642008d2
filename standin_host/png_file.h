#ifndef HUDHOST_PNG_FILE_H
#define HUDHOST_PNG_FILE_H
// PNG output of framebuffer images.

#include <string>
#include <vector>

namespace hudhost {

//! Writes pRgba (4 bytes a pixel, top row first) as an RGB PNG, dropping alpha so that the
//! image is opaque; false, with the reason in pError, when the file cannot be written.
bool WriteOpaquePng(const std::string& pPath, int pWidth, int pHeight, const std::vector<unsigned char>& pRgba,
                    std::string& pError);

} // namespace hudhost

#endif // HUDHOST_PNG_FILE_H
