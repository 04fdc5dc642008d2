// The host's own textures in a context, made and checked.

#include "host_textures.h"

#include <functional>
#include <iterator>

namespace hudhost {

namespace {

constexpr GLsizei kSide = 4; //!< each texture is kSide x kSide RGBA texels
constexpr size_t kBytes = size_t{4} * kSide * kSide;

//! Runs pWork with the default pixel-store state, and gives back the context's own and its 2D
//! binding. Each value is read and set again, as a core-profile context has no attribute stacks.
void WithDefaultPixelStore(const std::function<void()>& pWork)
{
    const GLenum kNames[] = {GL_TEXTURE_BINDING_2D, GL_UNPACK_ROW_LENGTH,  GL_UNPACK_ALIGNMENT,
                             GL_UNPACK_SKIP_ROWS,   GL_UNPACK_SKIP_PIXELS, GL_PACK_ROW_LENGTH,
                             GL_PACK_ALIGNMENT,     GL_PACK_SKIP_ROWS,     GL_PACK_SKIP_PIXELS};
    GLint lSaved[std::size(kNames)] = {};
    for (size_t i = 0; i < std::size(kNames); ++i) glGetIntegerv(kNames[i], &lSaved[i]);
    for (size_t i = 1; i < std::size(kNames); ++i)
        glPixelStorei(kNames[i], kNames[i] == GL_UNPACK_ALIGNMENT || kNames[i] == GL_PACK_ALIGNMENT ? 4 : 0);
    pWork();
    for (size_t i = 1; i < std::size(kNames); ++i) glPixelStorei(kNames[i], lSaved[i]);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lSaved[0]));
}

} // namespace

HostTextures::HostTextures(std::string pContextName, int pCount)
    : mContextName(std::move(pContextName)), mNames(static_cast<size_t>(pCount))
{
    glGenTextures(pCount, mNames.data());
    WithDefaultPixelStore([this] {
        for (const GLuint lName : mNames) {
            glBindTexture(GL_TEXTURE_2D, lName);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kSide, kSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         ContentOf(lName).data());
        }
    });
}

std::vector<unsigned char> HostTextures::ContentOf(GLuint pName) const
{
    std::vector<unsigned char> lTexels(kBytes);
    const size_t lSalt = std::hash<std::string>()(mContextName);
    for (size_t i = 0; i < lTexels.size(); ++i) lTexels[i] = static_cast<unsigned char>(lSalt + size_t{31} * pName + 7 * i);
    return lTexels;
}

std::string HostTextures::Fault() const
{
    std::string lFault;
    WithDefaultPixelStore([&] {
        for (const GLuint lName : mNames) {
            const std::string lWhich = "texture " + std::to_string(lName) + " of " + mContextName;
            if (!glIsTexture(lName)) {
                lFault = "the plug-in deleted " + lWhich;
                return;
            }
            glBindTexture(GL_TEXTURE_2D, lName);
            GLint lWidth = 0;
            GLint lHeight = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &lWidth);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &lHeight);
            std::vector<unsigned char> lTexels(kBytes);
            if (lWidth == kSide && lHeight == kSide)
                glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, lTexels.data());
            if (lWidth != kSide || lHeight != kSide || lTexels != ContentOf(lName)) {
                lFault = "the plug-in changed " + lWhich;
                return;
            }
        }
    });
    return lFault;
}

} // namespace hudhost
