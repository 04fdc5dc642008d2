// The viewer's contexts, each with textures of the host's own.

#include "viewer_contexts.h"

namespace hudhost {

namespace {

//! Textures of the host's in the context at pIndex: more in each later context than the plug-in
//! makes names for in the ones before, so that a name the plug-in made elsewhere is one of them.
int HostTextureCount(int pIndex) { return 8 * (pIndex + 1); }

} // namespace

bool ViewerContexts::Create(int pCount, const PixelSize& pViewport, const GlDevice& pDevice, GlProfile pProfile,
                            std::string& pError)
{
    mViewport = pViewport;
    mDevice = pDevice;
    mProfile = pProfile;
    mViewers.resize(static_cast<size_t>(pCount));
    for (int i = 0; i < pCount; ++i)
        if (!MakeViewer(i, pError)) return false;
    return true;
}

bool ViewerContexts::MakeViewer(int pIndex, std::string& pError)
{
    Viewer& lViewer = mViewers[static_cast<size_t>(pIndex)];
    lViewer.textures.reset();
    lViewer.gl.reset();
    lViewer.gl = OffscreenGL::Create(mViewport.width, mViewport.height, mDevice, pError, mProfile);
    if (!lViewer.gl) return false;
    lViewer.textures = std::make_unique<HostTextures>("context " + std::to_string(++mMade), HostTextureCount(pIndex));
    return true;
}

OffscreenGL& ViewerContexts::MakeCurrent(int pIndex)
{
    OffscreenGL& lGL = *mViewers[static_cast<size_t>(pIndex)].gl;
    lGL.MakeCurrent();
    return lGL;
}

bool ViewerContexts::Remake(int pIndex, std::string& pError) { return MakeViewer(pIndex, pError); }

std::string ViewerContexts::TextureFault()
{
    std::string lFault;
    for (int i = 0; i < Count() && lFault.empty(); ++i) {
        MakeCurrent(i);
        lFault = mViewers[static_cast<size_t>(i)].textures->Fault();
    }
    MakeCurrent(Count() - 1);
    return lFault;
}

} // namespace hudhost
