#ifndef HUDHOST_VIEWER_CONTEXTS_H
#define HUDHOST_VIEWER_CONTEXTS_H
// hudhost --contexts and --recreate-context-every: the viewer's OpenGL contexts, which share
// nothing, each holding textures of the host's own, as a host holds them in a second viewer, an
// offline render or a video output, and a viewer that remakes its context when it is re-laid out.

#include "host_options.h"
#include "host_textures.h"
#include "offscreen_gl.h"

#include <memory>
#include <string>
#include <vector>

namespace hudhost {

class ViewerContexts {
public:
    //! Makes pCount contexts of pProfile on pDevice, the last one current; false, with the reason
    //! in pError, when one cannot be had.
    bool Create(int pCount, const PixelSize& pViewport, const GlDevice& pDevice, GlProfile pProfile,
                std::string& pError);

    int Count() const { return static_cast<int>(mViewers.size()); }
    //! Makes the context at pIndex current.
    OffscreenGL& MakeCurrent(int pIndex);
    //! Destroys the context at pIndex and makes a new one in its place, current.
    bool Remake(int pIndex, std::string& pError);
    //! The first texture of the host's changed or deleted, over every context, as one line; empty
    //! when there is none. Leaves the last context current.
    std::string TextureFault();

private:
    struct Viewer {
        std::unique_ptr<OffscreenGL> gl;
        std::unique_ptr<HostTextures> textures;
    };
    bool MakeViewer(int pIndex, std::string& pError);

    std::vector<Viewer> mViewers;
    PixelSize mViewport = {0, 0};
    GlDevice mDevice;
    GlProfile mProfile = GlProfile::kCompatibility;
    int mMade = 0; //!< contexts made so far, which names each in messages
};

} // namespace hudhost

#endif // HUDHOST_VIEWER_CONTEXTS_H
