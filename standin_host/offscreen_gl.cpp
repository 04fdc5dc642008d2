// OffscreenGL: an EGL context on an EGL device, or on Mesa's surfaceless platform where there is
// no device platform, rendering into a framebuffer object. The plug-in's calls through libGL reach
// it because glvnd dispatches libGL to the context that EGL made current, whichever vendor's
// driver (Mesa's or a GPU vendor's) owns the device.

#define GL_GLEXT_PROTOTYPES 1

#include "offscreen_gl.h"

#include "png_file.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <dlfcn.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <mutex>

namespace hudhost {

namespace {

const char* const kInstallHint = "install Mesa's libegl-mesa0 and libgl1-mesa-dri, or a GPU vendor's OpenGL driver "
                                 "for glvnd (libglvnd0)";

std::string EglErrorText()
{
    char lBuffer[16];
    const auto lResult = std::to_chars(lBuffer, lBuffer + sizeof(lBuffer), eglGetError(), 16);
    return "EGL error 0x" + std::string(lBuffer, lResult.ptr);
}

//! eglTerminate unloads Mesa's DRI driver (swrast_dri.so, which holds llvmpipe), after which
//! LeakSanitizer can no longer read the stack frames of the driver's own allocations and
//! reports them as leaks of ours. Loading the driver once more, never to be unloaded, keeps
//! those frames readable so that real leaks still show.
void KeepMesaDriverLoaded()
{
    static std::once_flag sOnce;
    std::call_once(sOnce, [] { dlopen(HUDHOST_MESA_DRI_DRIVER, RTLD_NOW | RTLD_NODELETE); });
}

bool HasExtension(const char* pExtensions, const char* pName)
{
    if (!pExtensions) return false;
    const std::string lList = std::string(" ") + pExtensions + " ";
    return lList.find(std::string(" ") + pName + " ") != std::string::npos;
}

bool HasClientExtension(const char* pName)
{
    return HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), pName);
}

//! The EGL devices in EGL's order; none where EGL has no device platform.
std::vector<EGLDeviceEXT> EglDevices()
{
    if (!HasClientExtension("EGL_EXT_platform_device") || !HasClientExtension("EGL_EXT_device_enumeration")) return {};
    const auto lQueryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    EGLint lCount = 0;
    if (!lQueryDevices || !lQueryDevices(0, nullptr, &lCount) || lCount <= 0) return {};
    std::vector<EGLDeviceEXT> lDevices(static_cast<size_t>(lCount));
    if (!lQueryDevices(lCount, lDevices.data(), &lCount)) return {};
    lDevices.resize(static_cast<size_t>(std::max(lCount, 0)));
    return lDevices;
}

//! A string of the device's; empty where it offers none.
std::string DeviceString(EGLDeviceEXT pDevice, EGLint pName)
{
    static const auto sQueryString =
        reinterpret_cast<PFNEGLQUERYDEVICESTRINGEXTPROC>(eglGetProcAddress("eglQueryDeviceStringEXT"));
    const char* lString = sQueryString ? sQueryString(pDevice, pName) : nullptr;
    return lString ? lString : "";
}

GlDeviceInfo DescribeDevice(EGLDeviceEXT pDevice, int pIndex)
{
    const std::string lExtensions = DeviceString(pDevice, EGL_EXTENSIONS);
    GlDeviceInfo lInfo;
    lInfo.index = pIndex;
    lInfo.software = HasExtension(lExtensions.c_str(), "EGL_MESA_device_software");
    std::vector<std::string> lNames;
    if (HasExtension(lExtensions.c_str(), "EGL_EXT_device_query_name")) {
        lNames.push_back(DeviceString(pDevice, EGL_VENDOR));
        lNames.push_back(DeviceString(pDevice, EGL_RENDERER_EXT));
    }
    if (HasExtension(lExtensions.c_str(), "EGL_EXT_device_drm"))
        lNames.push_back(DeviceString(pDevice, EGL_DRM_DEVICE_FILE_EXT));
    for (const std::string& lName : lNames) {
        if (lName.empty()) continue;
        lInfo.name += (lInfo.name.empty() ? "" : ", ") + lName;
    }
    return lInfo;
}

//! "0 (Mesa software)", "1 (hardware: NVIDIA, ...)".
std::string DeviceSummary(const GlDeviceInfo& pDevice)
{
    return std::to_string(pDevice.index) + " (" + (pDevice.software ? "Mesa software" : "hardware") +
           (pDevice.name.empty() ? "" : ": " + pDevice.name) + ")";
}

//! Mesa's software renderers name themselves so; the surfaceless platform may pick a GPU instead.
bool IsSoftwareRenderer(const std::string& pRenderer)
{
    return pRenderer.rfind("llvmpipe", 0) == 0 || pRenderer.rfind("softpipe", 0) == 0;
}

//! Where a context is made: a display not yet initialised, and what to call it in messages.
struct DisplayChoice {
    EGLDisplay display = EGL_NO_DISPLAY;
    std::string where;
    bool needsSoftwareRenderer = false; //!< software was asked for, but no device said it is
};

DisplayChoice DeviceDisplay(EGLDeviceEXT pDevice, int pIndex)
{
    return {eglGetPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, pDevice, nullptr),
            "EGL device " + DeviceSummary(DescribeDevice(pDevice, pIndex)), false};
}

//! The first device that is (pSoftware) or is not Mesa's software renderer.
std::optional<DisplayChoice> FirstDevice(const std::vector<EGLDeviceEXT>& pDevices, bool pSoftware)
{
    for (size_t i = 0; i < pDevices.size(); ++i)
        if (DescribeDevice(pDevices[i], static_cast<int>(i)).software == pSoftware)
            return DeviceDisplay(pDevices[i], static_cast<int>(i));
    return std::nullopt;
}

//! Where pDevice's context is made; std::nullopt, with the reason in pError, where it cannot be.
std::optional<DisplayChoice> ChooseDisplay(const GlDevice& pDevice, std::string& pError)
{
    const std::vector<EGLDeviceEXT> lDevices = EglDevices();
    if (pDevice.kind == GlDevice::kIndex) {
        const size_t lIndex = static_cast<size_t>(pDevice.index);
        if (lIndex < lDevices.size()) return DeviceDisplay(lDevices[lIndex], pDevice.index);
        pError = MissingGlDevice(pDevice).value_or("no EGL device " + std::to_string(pDevice.index));
        return std::nullopt;
    }
    if (pDevice.kind == GlDevice::kAuto)
        if (std::optional<DisplayChoice> lHardware = FirstDevice(lDevices, false)) return lHardware;
    if (std::optional<DisplayChoice> lSoftware = FirstDevice(lDevices, true)) return lSoftware;
    if (!HasClientExtension("EGL_MESA_platform_surfaceless")) {
        pError = std::string(pDevice.kind == GlDevice::kSoftware ? "no EGL device of Mesa's software renderer"
                                                                 : "no EGL device") +
                 " and no Mesa surfaceless platform: " + kInstallHint;
        return std::nullopt;
    }
    return DisplayChoice{eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr),
                         "Mesa's surfaceless platform", pDevice.kind == GlDevice::kSoftware};
}

//! pDisplay, initialised; every context on it shares it, since eglTerminate ends all contexts of
//! a display. It is terminated when the last context lets go of it.
std::shared_ptr<void> AcquireDisplay(const DisplayChoice& pChoice, std::string& pError)
{
    static std::mutex sMutex;
    static std::map<EGLDisplay, std::weak_ptr<void>> sShared;
    const std::lock_guard<std::mutex> lLock(sMutex);
    if (pChoice.display != EGL_NO_DISPLAY)
        if (std::shared_ptr<void> lDisplay = sShared[pChoice.display].lock()) return lDisplay;

    KeepMesaDriverLoaded();
    if (pChoice.display == EGL_NO_DISPLAY || !eglInitialize(pChoice.display, nullptr, nullptr)) {
        pError = "cannot initialise EGL on " + pChoice.where + " (" + EglErrorText() + "): " + kInstallHint;
        return nullptr;
    }
    std::shared_ptr<void> lShared(pChoice.display, eglTerminate);
    sShared[pChoice.display] = lShared;
    return lShared;
}

GLuint NewRenderbuffer(GLenum pFormat, int pWidth, int pHeight)
{
    GLuint lRenderbuffer = 0;
    glGenRenderbuffers(1, &lRenderbuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, lRenderbuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, pFormat, pWidth, pHeight);
    return lRenderbuffer;
}

} // namespace

std::optional<GlDevice> ParseGlDevice(const std::string& pText)
{
    if (pText == "auto") return GlDevice{GlDevice::kAuto, 0};
    if (pText == "software") return GlDevice{GlDevice::kSoftware, 0};
    int lIndex = 0;
    const auto lResult = std::from_chars(pText.data(), pText.data() + pText.size(), lIndex);
    if (lResult.ec != std::errc() || lResult.ptr != pText.data() + pText.size() || lIndex < 0) return std::nullopt;
    return GlDevice{GlDevice::kIndex, lIndex};
}

std::vector<GlDeviceInfo> GlDevices()
{
    const std::vector<EGLDeviceEXT> lDevices = EglDevices();
    std::vector<GlDeviceInfo> lInfos;
    for (size_t i = 0; i < lDevices.size(); ++i) lInfos.push_back(DescribeDevice(lDevices[i], static_cast<int>(i)));
    return lInfos;
}

std::string GlDeviceListing()
{
    const std::vector<GlDeviceInfo> lDevices = GlDevices();
    if (lDevices.empty()) return "No EGL devices: contexts are made on Mesa's surfaceless platform.\n";
    std::string lListing = "EGL devices (index, renderer, name where the device offers one):\n";
    for (const GlDeviceInfo& lDevice : lDevices) {
        std::string lLine =
            "  " + std::to_string(lDevice.index) + "  " + (lDevice.software ? "Mesa software" : "hardware");
        lLine.resize(std::max<size_t>(lLine.size() + 2, 22), ' ');
        lListing += lLine + (lDevice.name.empty() ? "-" : lDevice.name) + "\n";
    }
    return lListing;
}

std::optional<std::string> MissingGlDevice(const GlDevice& pDevice)
{
    if (pDevice.kind != GlDevice::kIndex) return std::nullopt;
    const std::vector<GlDeviceInfo> lDevices = GlDevices();
    if (static_cast<size_t>(pDevice.index) < lDevices.size()) return std::nullopt;
    std::string lThere = lDevices.empty() ? "EGL has no devices here" : "the devices are";
    for (size_t i = 0; i < lDevices.size(); ++i) lThere += (i ? ", " : " ") + DeviceSummary(lDevices[i]);
    return "no EGL device " + std::to_string(pDevice.index) + ": " + lThere + " (hudhost --list-gl-devices)";
}

struct OffscreenGL::State {
    std::shared_ptr<void> display;
    std::string where; //!< the device or platform, for messages
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint colorBuffer = 0;
    GLuint depthBuffer = 0;
    int width = 0;
    int height = 0;
    std::string renderer;

    ~State();
    bool CreateContext(std::string& pError);
    bool CreateFramebuffer(std::string& pError);
    bool MakeCurrent() const
    {
        return eglMakeCurrent(display.get(), EGL_NO_SURFACE, EGL_NO_SURFACE, context) == EGL_TRUE;
    }
};

OffscreenGL::State::~State()
{
    if (context == EGL_NO_CONTEXT) return;
    if (MakeCurrent()) {
        glDeleteFramebuffers(1, &framebuffer);
        const GLuint lRenderbuffers[] = {colorBuffer, depthBuffer};
        glDeleteRenderbuffers(2, lRenderbuffers);
    }
    eglMakeCurrent(display.get(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display.get(), context);
}

bool OffscreenGL::State::CreateContext(std::string& pError)
{
    if (!eglBindAPI(EGL_OPENGL_API)) {
        pError = "EGL offers no desktop OpenGL (" + EglErrorText() + "): " + kInstallHint;
        return false;
    }
    const EGLint lConfigAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                        EGL_NONE};
    EGLConfig lConfig = nullptr;
    EGLint lConfigCount = 0;
    if (!eglChooseConfig(display.get(), lConfigAttributes, &lConfig, 1, &lConfigCount) || lConfigCount < 1) {
        pError = "no EGL config for desktop OpenGL on " + where + ": " + kInstallHint;
        return false;
    }
    const EGLint lContextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                         EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display.get(), lConfig, EGL_NO_CONTEXT, lContextAttributes);
    if (context == EGL_NO_CONTEXT) {
        pError = "cannot create an OpenGL compatibility-profile context on " + where + " (" + EglErrorText() + ")";
        return false;
    }
    if (!MakeCurrent()) {
        pError = "cannot make the context on " + where + " current without a surface (" + EglErrorText() +
                 "): EGL_KHR_surfaceless_context is needed";
        return false;
    }
    const GLubyte* lRenderer = glGetString(GL_RENDERER);
    renderer = lRenderer ? reinterpret_cast<const char*>(lRenderer) : "";
    return true;
}

bool OffscreenGL::State::CreateFramebuffer(std::string& pError)
{
    GLint lMaxSize = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &lMaxSize);
    if (width > lMaxSize || height > lMaxSize) {
        pError = "a framebuffer of " + std::to_string(width) + "x" + std::to_string(height) +
                 " exceeds the renderer's largest, " + std::to_string(lMaxSize) + " pixels a side";
        return false;
    }
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    colorBuffer = NewRenderbuffer(GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer);
    depthBuffer = NewRenderbuffer(GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    const GLenum lStatus = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (lStatus != GL_FRAMEBUFFER_COMPLETE) {
        pError = "the framebuffer object is incomplete (status " + std::to_string(lStatus) + ")";
        return false;
    }
    glViewport(0, 0, width, height);
    return true;
}

std::unique_ptr<OffscreenGL> OffscreenGL::Create(int pWidth, int pHeight, const GlDevice& pDevice, std::string& pError)
{
    if (pWidth <= 0 || pHeight <= 0) {
        pError = "a framebuffer needs a positive size, not " + std::to_string(pWidth) + "x" + std::to_string(pHeight);
        return nullptr;
    }
    auto lState = std::make_unique<State>();
    lState->width = pWidth;
    lState->height = pHeight;
    const std::optional<DisplayChoice> lChoice = ChooseDisplay(pDevice, pError);
    if (!lChoice) return nullptr;
    lState->where = lChoice->where;
    lState->display = AcquireDisplay(*lChoice, pError);
    if (!lState->display || !lState->CreateContext(pError)) return nullptr;
    if (lChoice->needsSoftwareRenderer && !IsSoftwareRenderer(lState->renderer)) {
        pError = "no Mesa software renderer: " + lChoice->where + " gives " + lState->renderer + "; " + kInstallHint;
        return nullptr;
    }
    if (!lState->CreateFramebuffer(pError)) return nullptr;
    return std::unique_ptr<OffscreenGL>(new OffscreenGL(std::move(lState)));
}

std::unique_ptr<OffscreenGL> OffscreenGL::CreateOnTestDevice(int pWidth, int pHeight, std::string& pError)
{
    const char* lVariable = std::getenv(kTestGlDeviceVariable);
    const std::string lText = lVariable && *lVariable ? lVariable : "software";
    const std::optional<GlDevice> lDevice = ParseGlDevice(lText);
    if (!lDevice) {
        pError = std::string(kTestGlDeviceVariable) + " takes auto, software or a device index, not \"" + lText + "\"";
        return nullptr;
    }
    return Create(pWidth, pHeight, *lDevice, pError);
}

OffscreenGL::OffscreenGL(std::unique_ptr<State> pState) : mState(std::move(pState)) {}
OffscreenGL::~OffscreenGL() = default;

int OffscreenGL::Width() const { return mState->width; }
int OffscreenGL::Height() const { return mState->height; }
std::string OffscreenGL::Renderer() const { return mState->renderer; }

void OffscreenGL::Clear(float pRed, float pGreen, float pBlue)
{
    glClearColor(pRed, pGreen, pBlue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OffscreenGL::Finish() { glFinish(); }

std::vector<unsigned char> OffscreenGL::ReadPixels() const
{
    const size_t lRowSize = 4 * static_cast<size_t>(mState->width);
    const size_t lRows = static_cast<size_t>(mState->height);
    std::vector<unsigned char> lPixels(lRowSize * lRows);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, mState->width, mState->height, GL_RGBA, GL_UNSIGNED_BYTE, lPixels.data());
    // OpenGL's rows run bottom up.
    for (size_t lRow = 0; lRow < lRows / 2; ++lRow) {
        const auto lTop = lPixels.begin() + static_cast<std::ptrdiff_t>(lRow * lRowSize);
        const auto lBottom = lPixels.begin() + static_cast<std::ptrdiff_t>((lRows - 1 - lRow) * lRowSize);
        std::swap_ranges(lTop, lTop + static_cast<std::ptrdiff_t>(lRowSize), lBottom);
    }
    return lPixels;
}

bool OffscreenGL::WritePng(const std::string& pPath, std::string& pError) const
{
    return WriteOpaquePng(pPath, mState->width, mState->height, ReadPixels(), pError);
}

void OffscreenGL::MakeCurrent() { mState->MakeCurrent(); }

} // namespace hudhost
