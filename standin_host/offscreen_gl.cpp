// OffscreenGL: an EGL context on the display that egl_devices.h chooses (an EGL device, or Mesa's
// surfaceless platform where there is no device platform), rendering into a framebuffer object.
// The plug-in's calls through libGL reach it because glvnd dispatches libGL to the context that
// EGL made current, whichever vendor's driver (Mesa's or a GPU vendor's) owns the device.

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
#include <optional>

namespace hudhost {

namespace {

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

//! Mesa's software renderers name themselves so; the surfaceless platform may pick a GPU instead.
bool IsSoftwareRenderer(const std::string& pRenderer)
{
    return pRenderer.rfind("llvmpipe", 0) == 0 || pRenderer.rfind("softpipe", 0) == 0;
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
        pError = "cannot initialise EGL on " + pChoice.where + " (" + EglErrorText() + "): " + kEglInstallHint;
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

struct OffscreenGL::State {
    std::shared_ptr<void> display;
    std::string where; //!< the device or platform, for messages
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint colorBuffer = 0;
    GLuint depthBuffer = 0;
    int width = 0;
    int height = 0;
    GlProfile profile = GlProfile::kCompatibility;
    std::string renderer;

    ~State();
    bool CreateContext(EGLContext pShareWith, std::string& pError);
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

bool OffscreenGL::State::CreateContext(EGLContext pShareWith, std::string& pError)
{
    if (!eglBindAPI(EGL_OPENGL_API)) {
        pError = "EGL offers no desktop OpenGL (" + EglErrorText() + "): " + kEglInstallHint;
        return false;
    }
    const EGLint lConfigAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                        EGL_NONE};
    EGLConfig lConfig = nullptr;
    EGLint lConfigCount = 0;
    if (!eglChooseConfig(display.get(), lConfigAttributes, &lConfig, 1, &lConfigCount) || lConfigCount < 1) {
        pError = "no EGL config for desktop OpenGL on " + where + ": " + kEglInstallHint;
        return false;
    }
    const bool lCore = profile == GlProfile::kCore;
    const EGLint lContextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                         lCore ? EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT
                                               : EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                         EGL_CONTEXT_MAJOR_VERSION,
                                         lCore ? 3 : 1,
                                         EGL_CONTEXT_MINOR_VERSION,
                                         lCore ? 3 : 0,
                                         EGL_NONE};
    context = eglCreateContext(display.get(), lConfig, pShareWith, lContextAttributes);
    if (context == EGL_NO_CONTEXT) {
        pError = std::string("cannot create an OpenGL ") + (lCore ? "3.3 core" : "compatibility") +
                 "-profile context on " + where + " (" + EglErrorText() + ")";
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

std::unique_ptr<OffscreenGL> OffscreenGL::Create(int pWidth, int pHeight, const GlDevice& pDevice, std::string& pError,
                                                 GlProfile pProfile, const OffscreenGL* pShareWith)
{
    if (pWidth <= 0 || pHeight <= 0) {
        pError = "a framebuffer needs a positive size, not " + std::to_string(pWidth) + "x" + std::to_string(pHeight);
        return nullptr;
    }
    auto lState = std::make_unique<State>();
    lState->width = pWidth;
    lState->height = pHeight;
    lState->profile = pProfile;
    const std::optional<DisplayChoice> lChoice = ChooseDisplay(pDevice, pError);
    if (!lChoice) return nullptr;
    lState->where = lChoice->where;
    lState->display = AcquireDisplay(*lChoice, pError);
    const EGLContext lShareWith = pShareWith ? pShareWith->mState->context : EGL_NO_CONTEXT;
    if (!lState->display || !lState->CreateContext(lShareWith, pError)) return nullptr;
    if (lChoice->needsSoftwareRenderer && !IsSoftwareRenderer(lState->renderer)) {
        pError = "no Mesa software renderer: " + lChoice->where + " gives " + lState->renderer + "; " + kEglInstallHint;
        return nullptr;
    }
    if (!lState->CreateFramebuffer(pError)) return nullptr;
    return std::unique_ptr<OffscreenGL>(new OffscreenGL(std::move(lState)));
}

std::unique_ptr<OffscreenGL> OffscreenGL::CreateOnTestDevice(int pWidth, int pHeight, std::string& pError,
                                                             GlProfile pProfile, const OffscreenGL* pShareWith)
{
    const char* lVariable = std::getenv(kTestGlDeviceVariable);
    const std::string lText = lVariable && *lVariable ? lVariable : "software";
    const std::optional<GlDevice> lDevice = ParseGlDevice(lText);
    if (!lDevice) {
        pError = std::string(kTestGlDeviceVariable) + " takes auto, software or a device index, not \"" + lText + "\"";
        return nullptr;
    }
    return Create(pWidth, pHeight, *lDevice, pError, pProfile, pShareWith);
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
