#ifndef HUDHOST_EGL_DEVICES_H
#define HUDHOST_EGL_DEVICES_H
// The EGL devices that an offscreen context can render on (a GPU's driver or Mesa's software
// renderer), how the user names one, what the user is told of them, and the display that a
// context on the chosen device is made on.

#include <EGL/egl.h>

#include <optional>
#include <string>
#include <vector>

namespace hudhost {

//! Which EGL device a context renders on.
struct GlDevice {
    enum Kind {
        kAuto,     //!< the first hardware device, else Mesa's software device, else the surfaceless platform
        kSoftware, //!< Mesa's software renderer, whatever else the machine has
        kIndex     //!< the device at index in GlDevices()
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

//! What to install where EGL, a device or a desktop OpenGL context is missing.
extern const char* const kEglInstallHint;

//! Where a context is made: a display not yet initialised, and what to call it in messages.
struct DisplayChoice {
    EGLDisplay display = EGL_NO_DISPLAY;
    std::string where;
    bool needsSoftwareRenderer = false; //!< software was asked for, but no device said it is
};

//! Where pDevice's context is made; std::nullopt, with the reason in pError, where it cannot be.
std::optional<DisplayChoice> ChooseDisplay(const GlDevice& pDevice, std::string& pError);

} // namespace hudhost

#endif // HUDHOST_EGL_DEVICES_H
