// A dial kept alive until the process exits and torn down by a static object made before the
// dial's first face, as a host tears its scene down in its own exit-time teardown. FTGL 2.1.3
// finalizes FreeType in the destructor of a static made with the process's first face, which
// therefore runs first at exit: the dial's faces must be gone by then. Before it is destroyed,
// the dial is drawn once more, and must draw nothing and leave no GL error. It was drawn in a
// second context too, which shares nothing with the viewer's: the textures of the host's own in
// both must come through the release at exit and the teardown unchanged.
//
// Exit status: 0 when the teardown went cleanly, 1 when the late draw drew something or left a
// GL error, or a texture of the host's was changed or deleted, 2 when there was no dial or no
// context. A face deleted after FreeType crashes, or
// fails under the sanitizers.

#include "dial.h"
#include "host_textures.h"
#include "offscreen_gl.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using kestdial::kViewerSize;

//! A context with textures of the host's own.
struct HostContext {
    std::unique_ptr<hudhost::OffscreenGL> gl;
    std::unique_ptr<hudhost::HostTextures> textures;

    bool Make(const std::string& pName, int pTextures, std::string& pError)
    {
        gl = hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, pError);
        if (gl) textures = std::make_unique<hudhost::HostTextures>(pName, pTextures);
        return gl != nullptr;
    }
};

//! The viewer's context and a second one, made before the dial and its teardown, so that they are
//! still there when the teardown draws.
HostContext& Viewer()
{
    static HostContext sViewer;
    return sViewer;
}
HostContext& Other()
{
    static HostContext sOther;
    return sOther;
}

//! Whether the host's textures of both contexts are as they were made; says which is not.
bool HostTexturesIntact()
{
    for (HostContext* lContext : {&Other(), &Viewer()}) {
        lContext->gl->MakeCurrent();
        const std::string lFault = lContext->textures->Fault();
        if (!lFault.empty()) std::fprintf(stderr, "dial_alive_at_exit: %s at exit\n", lFault.c_str());
        if (!lFault.empty()) return false;
    }
    return true;
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
        if (!lDrewNothing || !HostTexturesIntact()) std::_Exit(1);
    }

    FBHUDElement* mDial = nullptr;

private:
    bool DrawsNothing()
    {
        hudhost::OffscreenGL& lViewer = *Viewer().gl;
        lViewer.Clear(0.0f, 0.0f, 0.0f);
        const std::vector<unsigned char> lBefore = lViewer.ReadPixels();
        FBHUDElement::Rect lRect = kestdial::kDialRect;
        mDial->DrawElement(kestdial::ViewingOptions().Options(), lRect);
        const GLenum lError = glGetError();
        const bool lUnchanged = lViewer.ReadPixels() == lBefore;
        if (lError != GL_NO_ERROR)
            std::fprintf(stderr, "dial_alive_at_exit: the late draw left GL error 0x%x\n", lError);
        if (!lUnchanged) std::fprintf(stderr, "dial_alive_at_exit: the late draw drew on the viewer\n");
        return lError == GL_NO_ERROR && lUnchanged;
    }
};

} // namespace

int main()
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = kestdial::DialClass(lError);
    // The dial draws in the second context first; the viewer holds more textures than it, among
    // them the names of the dial's atlases there.
    if (!lClass || !Other().Make("the second context", 8, lError) ||
        !Viewer().Make("the viewer's context", 16, lError)) {
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
    for (HostContext* lContext : {&Other(), &Viewer()}) {
        lContext->gl->MakeCurrent();
        FBHUDElement::Rect lRect = kestdial::kDialRect;
        sTeardown.mDial->DrawElement(kestdial::ViewingOptions().Options(), lRect);
    }
    return 0;
}
