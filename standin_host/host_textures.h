#ifndef HUDHOST_HOST_TEXTURES_H
#define HUDHOST_HOST_TEXTURES_H
// Textures of the host's own in one OpenGL context, of known content: what a viewer holds beside
// its HUD. They are made before a plug-in first draws in the context and checked after it, so that
// a texture that the plug-in wrote into, or deleted, shows.

#include <GL/gl.h>

#include <string>
#include <vector>

namespace hudhost {

class HostTextures {
public:
    //! Makes pCount textures in the current context, each of content that pContextName and its own
    //! name make unique; the context's 2D binding and pixel-store state are given back.
    HostTextures(std::string pContextName, int pCount);
    HostTextures(const HostTextures&) = delete;
    HostTextures& operator=(const HostTextures&) = delete;

    //! In the context they were made in, current now: empty when every texture holds what it was
    //! made with, else one line that names the context and the first texture changed or deleted.
    std::string Fault() const;

private:
    std::vector<unsigned char> ContentOf(GLuint pName) const;

    std::string mContextName;
    std::vector<GLuint> mNames;
};

} // namespace hudhost

#endif // HUDHOST_HOST_TEXTURES_H
