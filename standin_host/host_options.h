#ifndef HUDHOST_HOST_OPTIONS_H
#define HUDHOST_HOST_OPTIONS_H
// Command line of the stand-in host program hudhost.

#include "host_gl_states.h"
#include "offscreen_gl.h"

#include <fbsdk_host/fbsdk_host.h>

#include <optional>
#include <string>
#include <vector>

namespace hudhost {

struct PixelSize {
    int width;
    int height;
};

struct CameraResolution {
    double width;
    double height;
};

struct Background {
    float red;
    float green;
    float blue;
};

//! One --set "NAME=VALUE".
struct PropertySetting {
    std::string name;
    std::string value;
};

//! The viewing camera's resolution when --camera is not given.
constexpr CameraResolution kDefaultCamera = {640.0, 480.0};

//! The element's rectangle when --rect is not given.
inline const FBHUDElement::Rect kDefaultRect = fbhost::HudRect(50.0, 40.0, 200.0, 200.0);

struct HostOptions {
    std::string pluginPath;                //!< defaults to the plug-in built beside hudhost
    std::string elementClass;              //!< empty: the plug-in's only HUD element
    std::vector<PropertySetting> settings; //!< applied in order
    std::vector<FBHUDElement::Rect> rects; //!< as given, one a viewer pane; kDefaultRect otherwise
    PixelSize viewport = {300, 300};
    Background background = {0.2f, 0.2f, 0.2f};
    std::optional<CameraResolution> camera;          //!< as given; kDefaultCamera otherwise
    std::optional<int> frames;                       //!< number of draws, when given
    int contexts = 1;                                //!< contexts that each frame is drawn in, sharing nothing
    std::optional<int> recreateEvery;                //!< frames after which the first context is made anew
    std::string outPath;                             //!< PNG of the last frame, when given
    GlDevice glDevice;                               //!< the EGL device the viewer renders on
    std::vector<const HostGlStateEntry*> hostStates; //!< set in order before each frame's draws
    bool list = false;
    bool listGlDevices = false;
    bool listHostStates = false;
    bool help = false;
    bool version = false;

    HostOptions();
    CameraResolution Camera() const { return camera.value_or(kDefaultCamera); }
    //! The rectangles that each frame draws the element in, in order.
    std::vector<FBHUDElement::Rect> Rects() const { return rects.empty() ? std::vector{kDefaultRect} : rects; }
    bool Renders() const { return !list && (frames || !outPath.empty()); }
    int FrameCount() const { return frames.value_or(1); }
    //! The viewer's context: core-profile where a --host-state asks for one.
    GlProfile Profile() const;
};

//! Parses the arguments that follow the program name; null, with a one-line reason that says
//! how to put it right in pError, for an unknown option or a malformed value.
std::optional<HostOptions> ParseOptions(const std::vector<std::string>& pArguments, std::string& pError);

//! Usage: every option with its default.
std::string HelpText();
std::string VersionText();

} // namespace hudhost

#endif // HUDHOST_HOST_OPTIONS_H
