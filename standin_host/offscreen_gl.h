#ifndef HUDHOST_OFFSCREEN_GL_H
#define HUDHOST_OFFSCREEN_GL_H
// An offscreen OpenGL compatibility-profile (or, on request, 3.3 core-profile) context drawing
// into a framebuffer object, on an EGL
// device (a GPU's driver or Mesa's software renderer) or, where EGL has no device platform, on
// Mesa's surfaceless platform: the viewer context that the stand-in host, the tests and the
// benchmarks draw HUD elements into.

#include "egl_devices.h"

#include <memory>
#include <string>
#include <vector>

namespace hudhost {

//! The viewer's context: a compatibility-profile one, or an OpenGL 3.3 core-profile one, without
//! the fixed-function pipeline, as newer viewers draw in.
enum class GlProfile { kCompatibility, kCore };

class OffscreenGL {
public:
    //! Makes a context on pDevice current with a viewport of pWidth x pHeight pixels, sharing its
    //! objects with pShareWith where one is given (on the same device); null, with the reason in
    //! pError (what is missing), when no context can be had.
    static std::unique_ptr<OffscreenGL> Create(int pWidth, int pHeight, const GlDevice& pDevice, std::string& pError,
                                               GlProfile pProfile = GlProfile::kCompatibility,
                                               const OffscreenGL* pShareWith = nullptr);
    //! The same on the device that kTestGlDeviceVariable chooses.
    static std::unique_ptr<OffscreenGL> CreateOnTestDevice(int pWidth, int pHeight, std::string& pError,
                                                           GlProfile pProfile = GlProfile::kCompatibility,
                                                           const OffscreenGL* pShareWith = nullptr);
    ~OffscreenGL(); // leaves no context current
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    int Width() const;
    int Height() const;
    //! GL_RENDERER of the context, e.g. "llvmpipe (LLVM 15.0.6, 256 bits)".
    std::string Renderer() const;
    //! Clears the framebuffer to an opaque colour.
    void Clear(float pRed, float pGreen, float pBlue);
    //! Waits until everything drawn so far is in the framebuffer.
    void Finish();
    //! The framebuffer as RGBA bytes, top row first.
    std::vector<unsigned char> ReadPixels() const;
    //! Writes the framebuffer as an opaque RGB PNG.
    bool WritePng(const std::string& pPath, std::string& pError) const;
    //! Makes this context current again (after another was).
    void MakeCurrent();

private:
    struct State;
    explicit OffscreenGL(std::unique_ptr<State> pState);
    std::unique_ptr<State> mState;
};

} // namespace hudhost

#endif // HUDHOST_OFFSCREEN_GL_H
