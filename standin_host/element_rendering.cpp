// Drawing and timing of the element in an offscreen viewer.

#include "element_rendering.h"

#include <algorithm>
#include <chrono>

namespace hudhost {

namespace {

using Microseconds = std::chrono::microseconds;

//! One frame as the viewer makes it: in each context, the host states left, then a draw in each
//! of pRects, as in each pane that shows the HUD; timed until the renderer has finished it.
Microseconds DrawFrame(FBHUDElement& pElement, fbhost::Viewer& pViewer, const HostOptions& pOptions,
                       const std::vector<FBHUDElement::Rect>& pRects, ViewerContexts& pViewers)
{
    Microseconds lTime(0);
    for (int lContext = 0; lContext < pViewers.Count(); ++lContext) {
        OffscreenGL& lGL = pViewers.MakeCurrent(lContext);
        const Background& lBackground = pOptions.background;
        lGL.Clear(lBackground.red, lBackground.green, lBackground.blue);
        for (const HostGlStateEntry* lState : pOptions.hostStates)
            if (lState->set) lState->set();
        const auto lStart = std::chrono::steady_clock::now();
        for (FBHUDElement::Rect lRect : pRects) // a copy: the element may write to it
            pElement.DrawElement(pViewer.Options(), lRect);
        lGL.Finish();
        lTime += std::chrono::duration_cast<Microseconds>(std::chrono::steady_clock::now() - lStart);
    }
    return lTime;
}

void PrintTimes(std::vector<Microseconds> pTimes, size_t pDrawsPerFrame, const std::string& pRenderer,
                std::ostream& pOut)
{
    std::sort(pTimes.begin(), pTimes.end());
    const size_t lMiddle = pTimes.size() / 2;
    const Microseconds lMedian = pTimes.size() % 2 ? pTimes[lMiddle] : (pTimes[lMiddle - 1] + pTimes[lMiddle]) / 2;
    pOut << pTimes.size()
         << (pDrawsPerFrame == 1 ? " draws" : " frames of " + std::to_string(pDrawsPerFrame) + " draws") << ": median "
         << lMedian.count() << " us, min " << pTimes.front().count() << " us, max " << pTimes.back().count()
         << " us on " << pRenderer << "\n";
}

} // namespace

bool RenderElement(HostedElement& pHosted, const HostOptions& pOptions, ViewerContexts& pViewers, std::ostream& pOut,
                   Failure& pFailure)
{
    fbhost::Viewer lViewer;
    const CameraResolution lCamera = pOptions.Camera();
    lViewer.SetCameraResolution(lCamera.width, lCamera.height);

    const std::vector<FBHUDElement::Rect> lRects = pOptions.Rects();
    std::vector<Microseconds> lTimes;
    lTimes.reserve(static_cast<size_t>(pOptions.FrameCount()));
    std::string lError;
    for (int lFrame = 0; lFrame < pOptions.FrameCount(); ++lFrame) {
        if (pOptions.recreateEvery && lFrame > 0 && lFrame % *pOptions.recreateEvery == 0 &&
            !pViewers.Remake(0, lError)) {
            pFailure = {kExitNoOpenGL, "no OpenGL context: " + lError};
            return false;
        }
        lTimes.push_back(DrawFrame(pHosted.Element(), lViewer, pOptions, lRects, pViewers));
    }
    OffscreenGL& lLast = pViewers.MakeCurrent(pViewers.Count() - 1);
    if (pOptions.frames)
        PrintTimes(lTimes, lRects.size() * static_cast<size_t>(pViewers.Count()), lLast.Renderer(), pOut);
    if (!pOptions.outPath.empty() && !lLast.WritePng(pOptions.outPath, lError)) {
        pFailure = {kExitBadInput, "--out: " + lError};
        return false;
    }
    if (const std::string lFault = pViewers.TextureFault(); !lFault.empty()) {
        pFailure = {kExitPluginFailed, lFault + ", drawing"};
        return false;
    }
    return true;
}

} // namespace hudhost
