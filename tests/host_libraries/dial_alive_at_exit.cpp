// A dial kept alive until the process exits and torn down by a static object made before the
// dial's first face, as a host tears its scene down in its own exit-time teardown. FTGL 2.1.3
// finalizes FreeType in the destructor of a static made with the process's first face, which
// therefore runs first at exit: the dial's faces must be gone by then. Before it is destroyed,
// the dial is drawn once more, and must draw nothing and leave no GL error.
//
// Exit status: 0 when the teardown went cleanly, 1 when the late draw drew something or left a
// GL error, 2 when there was no dial or no context. A face deleted after FreeType crashes, or
// fails under the sanitizers.

#include "dial.h"
#include "offscreen_gl.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kViewerSize = 300;

//! The viewer's context, made before the dial and its teardown, so that it is still there when
//! the teardown draws.
std::unique_ptr<hudhost::OffscreenGL>& Viewer()
{
    static std::unique_ptr<hudhost::OffscreenGL> sViewer;
    return sViewer;
}

//! The dial, destroyed when the process exits: drawn once more there, then destroyed as the host
//! destroys it.
class ExitTeardown {
public:
    ~ExitTeardown()
    {
        if (!mDial) return;
        const bool lDrewNothing = DrawsNothing();
        fbhost::DestroyElement(mDial);
        if (!lDrewNothing) std::_Exit(1);
    }

    FBHUDElement* mDial = nullptr;

private:
    bool DrawsNothing()
    {
        hudhost::OffscreenGL& lViewer = *Viewer();
        lViewer.Clear(0.0f, 0.0f, 0.0f);
        const std::vector<unsigned char> lBefore = lViewer.ReadPixels();
        FBHUDElement::Rect lRect = kestdial::kDialRect;
        mDial->DrawElement(kestdial::ViewingOptions().Options(), lRect);
        const GLenum lError = glGetError();
        const bool lUnchanged = lViewer.ReadPixels() == lBefore;
        if (lError != GL_NO_ERROR) std::fprintf(stderr, "dial_alive_at_exit: the late draw left GL error 0x%x\n", lError);
        if (!lUnchanged) std::fprintf(stderr, "dial_alive_at_exit: the late draw drew on the viewer\n");
        return lError == GL_NO_ERROR && lUnchanged;
    }
};

} // namespace

int main()
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = kestdial::DialClass(lError);
    if (lClass) Viewer() = hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError);
    if (!Viewer()) {
        std::fprintf(stderr, "dial_alive_at_exit: no dial to draw: %s\n", lError.c_str());
        return 2;
    }
    kestdial::ViewingOptions();
    // Made after the viewer and before the dial's first face, so destroyed at exit after FTGL's
    // library and before the viewer.
    static ExitTeardown sTeardown;
    sTeardown.mDial = fbhost::CreateElement(*lClass, "Kept until exit");
    if (!sTeardown.mDial) {
        std::fprintf(stderr, "dial_alive_at_exit: the dial's creation was refused\n");
        return 2;
    }
    FBHUDElement::Rect lRect = kestdial::kDialRect;
    sTeardown.mDial->DrawElement(kestdial::ViewingOptions().Options(), lRect);
    return 0;
}
