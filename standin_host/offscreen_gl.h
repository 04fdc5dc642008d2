#ifndef HUDHOST_OFFSCREEN_GL_H
#define HUDHOST_OFFSCREEN_GL_H
// An offscreen OpenGL compatibility-profile context drawing into a framebuffer object, on an EGL
// device (a GPU's driver or Mesa's software renderer) or, where EGL has no device platform, on
// Mesa's surfaceless platform: the viewer context that the stand-in host, the tests and the
// benchmarks draw HUD elements into.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hudhost {

//! Which EGL device a context renders on.
struct GlDevice {
    enum Kind {
        kAuto,     //!< the first hardware device, else Mesa's software device, else the surfaceless platform
        kSoftware, //!< Mesa's software renderer, whatever else the machine has
        kIndex     //!< device number index of GlDevices()
    };
    Kind kind = kAuto;
    int index = 0;
};

//! "auto", "software" or a device index (0 or more); std::nullopt for anything else.
std::optional<GlDevice> ParseGlDevice(const std::string& pText);

//! One EGL device, as the EGL device enumeration lists it.
struct GlDeviceInfo {
    int index = 0;
    bool software = false; //!< Mesa's software renderer (EGL_MESA_device_software)
    std::string name;      //!< the vendor and renderer, or the DRM device file, where the device offers them
};

//! The EGL devices, in EGL's order; empty where EGL has no device platform.
std::vector<GlDeviceInfo> GlDevices();

//! The devices as --list-gl-devices prints them: a heading, then a line for each.
std::string GlDeviceListing();

//! Why pDevice names no device (an index past the last), with the devices there are, on one line;
//! std::nullopt when it names one or is not an index.
std::optional<std::string> MissingGlDevice(const GlDevice& pDevice);

//! The variable that chooses the device of the tests, the benchmarks and the fuzzer ("auto",
//! "software" or an index); unset, they render on "software", so that what they draw and measure
//! does not depend on the machine's GPU.
constexpr const char* kTestGlDeviceVariable = "KEST_GL_DEVICE";

class OffscreenGL {
public:
    //! Makes a context on pDevice current with a viewport of pWidth x pHeight pixels; null, with
    //! the reason in pError (what is missing), when no context can be had.
    static std::unique_ptr<OffscreenGL> Create(int pWidth, int pHeight, const GlDevice& pDevice, std::string& pError);
    //! The same on the device that kTestGlDeviceVariable chooses.
    static std::unique_ptr<OffscreenGL> CreateOnTestDevice(int pWidth, int pHeight, std::string& pError);
    ~OffscreenGL();  // leaves no context current
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
