// libFuzzer target: each input becomes the dial's properties, its placements, the host's
// rectangles (one to six panes a frame, as hudhost --rect draws them) and the context each is
// drawn in, the viewport, the camera's resolution and the label, and drives a dial's life in
// three offscreen contexts that share nothing, made once, each holding textures of the host's
// own: a dial created (or the last input's kept), drawn over a host state of the host-state
// table that the input chooses, checked for the OpenGL state it gives back, and destroyed (or
// kept for the next input) with its last context, another or none current. A context may be
// remade before the frames. A draw that leaves a GL error or host state behind, or a texture of
// the host's changed or deleted in any context, aborts, as a crash.
//
// Input layout, read front to back; bytes past the end read as 0:
//   flags                                      1 byte: bit 0 makes a new dial, bit 1 destroys
//                                              it after its frames, bit 2 draws two frames,
//                                              bits 3 to 5 the rectangles after the first
//                                              (0 to 5; 6 and 7 read as 5)
//   host state                                 1 byte: the entry of kestdial::DrawableHostStates
//                                              (hudhost --list-host-states but core-profile)
//                                              drawn over, modulo their number
//   Minimum, Maximum, Value, Spread            a number each
//   Ticks                                      an integer
//   Mask Color, Font Color                     four numbers each
//   Justification, Vertical Dock   an integer each
//   rectangles: x, y, width, height, context   a number each and 1 byte (its context: 0 to 2,
//                                              3 reads as 2), for each rectangle
//   contexts                                   1 byte: bit 0 remakes the context that bits 1
//                                              and 2 name (3 reads as 2) before the frames;
//                                              bits 3 and 4 say what is current when the dial
//                                              is destroyed: 0 its last pane's context, 1 the
//                                              next one, 2 or 3 none
//   viewport width, height                     an integer each, clamped to 0 to 4096
//   camera resolution width, height            a number each
//   Label                                      the remaining bytes, up to the first NUL
// A number is a selector byte: below the size of kNumbers it picks that entry, otherwise the 8
// bytes after it are the double's bits (little-endian). An integer is the same with kIntegers
// and 4 bytes.

#include "dial.h"
#include "host_gl_state.h"
#include "host_textures.h"
#include "offscreen_gl.h"

#include <EGL/egl.h>
#include <GL/gl.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Rect = FBHUDElement::Rect;

using kestdial::kViewerSize;
constexpr int kLargestViewport = 4096;
//! Panes that one frame draws the dial in, as many as hudhost --rect takes: more radii than the
//! element keeps faces for, so that its face cache drops sets by age and by texture memory.
constexpr int kMostRects = 6;
//! Contexts that the panes are drawn in.
constexpr int kContexts = 3;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const double kNumbers[] = {
    0.0,   -0.0,  1.0,    -1.0,         0.5,           0.75,    10.0,    100.0,
    200.0, kNan,  kInf,   -kInf,        1e308,         -1e308,  1e-9,    -0.02,
    1e9,   1e300, -1e300, 2147483648.0, -2147483649.0, DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min(),
};
const int kIntegers[] = {0, 1, -1, 2, 3, 10, 300, 20000000, INT_MAX, INT_MIN, -INT_MAX};

class InputReader {
public:
    InputReader(const uint8_t* pData, size_t pSize) : mData(pData), mSize(pSize) {}

    uint8_t Byte() { return mOffset < mSize ? mData[mOffset++] : 0; }

    double Number() { return Pick<double, uint64_t>(kNumbers); }
    int Integer() { return Pick<int, uint32_t>(kIntegers); }

    std::string Rest()
    {
        const size_t lStart = std::min(mOffset, mSize);
        mOffset = mSize;
        return std::string(reinterpret_cast<const char*>(mData) + lStart, mSize - lStart);
    }

private:
    template <class tValue, class tBits, size_t tCount> tValue Pick(const tValue (&pTable)[tCount])
    {
        const uint8_t lSelector = Byte();
        if (lSelector < tCount) return pTable[lSelector];
        tBits lBits = 0;
        for (size_t i = 0; i < sizeof(tBits); ++i) lBits |= static_cast<tBits>(static_cast<tBits>(Byte()) << (8 * i));
        tValue lValue;
        std::memcpy(&lValue, &lBits, sizeof(lValue));
        return lValue;
    }

    const uint8_t* mData;
    size_t mSize;
    size_t mOffset = 0;
};

[[noreturn]] void Fail(const std::string& pWhat)
{
    std::fprintf(stderr, "dial fuzzer: %s\n", pWhat.c_str());
    std::abort();
}

//! The viewer's contexts and the dial kept from one input to the next.
class Session {
public:
    Session()
    {
        std::string lError;
        // The plug-in is loaded first, so that it is unloaded only after this has gone.
        if (!kestdial::DialClass(lError)) Fail(lError);
        for (int i = 0; i < kContexts; ++i) Remake(i);
    }

    kestdial::Dial& NewDial()
    {
        mDial.reset();                                  // destroyed before the new one is made
        mDial = std::make_unique<kestdial::Dial>(Fail); // which fails the run where it cannot be made
        return *mDial;
    }
    kestdial::Dial& Dial() { return mDial ? *mDial : NewDial(); }
    void DestroyDial() { mDial.reset(); }

    //! Makes the context at pIndex current.
    void MakeCurrent(int pIndex) { mViewers[pIndex].gl->MakeCurrent(); }
    //! Destroys the context at pIndex and makes a new one, current, with textures of the host's.
    void Remake(int pIndex)
    {
        Viewer& lViewer = mViewers[pIndex];
        lViewer = Viewer();
        std::string lError;
        lViewer.gl = hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError);
        if (!lViewer.gl) Fail("no offscreen OpenGL context: " + lError);
        // More textures in each later context than the dial makes names for in those before it.
        lViewer.textures =
            std::make_unique<hudhost::HostTextures>("context " + std::to_string(++mMade), 8 * (pIndex + 1));
    }
    //! Aborts where a texture of the host's was changed or deleted in any context.
    void CheckHostTextures()
    {
        for (int i = 0; i < kContexts; ++i) {
            MakeCurrent(i);
            const std::string lFault = mViewers[i].textures->Fault();
            if (!lFault.empty()) Fail(lFault);
        }
    }

private:
    struct Viewer {
        std::unique_ptr<hudhost::OffscreenGL> gl;
        std::unique_ptr<hudhost::HostTextures> textures;
    };
    Viewer mViewers[kContexts];
    int mMade = 0;
    std::unique_ptr<kestdial::Dial> mDial;
};

Session& TheSession()
{
    static Session sSession;
    return sSession;
}

//! Writes pValue, of the property's type, into pName.
template <class tValue> void Set(kestdial::Dial& pDial, const char* pName, tValue pValue)
{
    pDial.SetValue(pName, &pValue);
}

void SetColour(kestdial::Dial& pDial, const char* pName, InputReader& pInput)
{
    FBColorAndAlpha lColour;
    for (double& lComponent : lColour.mValue) lComponent = pInput.Number();
    Set(pDial, pName, lColour);
}

Rect ReadRect(InputReader& pInput)
{
    Rect lRect;
    lRect.mX = pInput.Number();
    lRect.mY = pInput.Number();
    lRect.mWidth = pInput.Number();
    lRect.mHeight = pInput.Number();
    return lRect;
}

//! A context index of the input: 0 to kContexts - 1, larger values reading as the last.
int ContextIndex(int pBits) { return std::min(pBits, kContexts - 1); }

//! A viewer pane: its rectangle and the context it is drawn in.
struct Pane {
    Rect rect;
    int context;
};

//! One frame: the dial drawn into each pane in turn, in the pane's context with its viewport.
void DrawFrame(Session& pSession, kestdial::Dial& pDial, const std::vector<Pane>& pPanes,
               const hudhost::HostGlStateEntry& pHostState, int pViewportWidth, int pViewportHeight)
{
    const bool lViewportIsEmpty = pViewportWidth == 0 || pViewportHeight == 0;
    for (const Pane& lPane : pPanes) {
        pSession.MakeCurrent(lPane.context);
        glViewport(0, 0, pViewportWidth, pViewportHeight);
        const Rect& lRect = lPane.rect;
        kestdial::SetHostState(pHostState);
        const kestdial::HostGlState lBefore = kestdial::CaptureHostState();
        pDial.Draw(lRect);
        const std::string lFaults = kestdial::StateFaults(lBefore, kestdial::CaptureHostState(), !lViewportIsEmpty);
        if (!lFaults.empty())
            Fail(std::string("the draw over host state ") + pHostState.name + " did not give it back:\n" + lFaults);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TheSession();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t pSize)
{
    Session& lSession = TheSession();
    InputReader lInput(pData, pSize);
    const uint8_t lFlags = lInput.Byte();
    static const std::vector<hudhost::HostGlStateEntry> sHostStates = kestdial::DrawableHostStates();
    const hudhost::HostGlStateEntry& lHostState = sHostStates[lInput.Byte() % sHostStates.size()];
    kestdial::Dial& lDial = (lFlags & 1) ? lSession.NewDial() : lSession.Dial();

    Set(lDial, "Minimum", lInput.Number());
    Set(lDial, "Maximum", lInput.Number());
    Set(lDial, "Value", lInput.Number());
    Set(lDial, "Spread", lInput.Number());
    Set(lDial, "Ticks", lInput.Integer());
    SetColour(lDial, "Mask Color", lInput);
    SetColour(lDial, "Font Color", lInput);
    Set(lDial, "Justification", lInput.Integer());
    Set(lDial, "Vertical Dock", lInput.Integer());
    const int lRectCount = 1 + std::min((lFlags >> 3) & 7, kMostRects - 1);
    std::vector<Pane> lPanes;
    for (int i = 0; i < lRectCount; ++i) {
        const Rect lRect = ReadRect(lInput);
        lPanes.push_back({lRect, ContextIndex(lInput.Byte() & 3)});
    }
    const uint8_t lContexts = lInput.Byte();
    if (lContexts & 1) lSession.Remake(ContextIndex((lContexts >> 1) & 3));
    const int lViewportWidth = std::clamp(lInput.Integer(), 0, kLargestViewport);
    const int lViewportHeight = std::clamp(lInput.Integer(), 0, kLargestViewport);
    const double lCameraWidth = lInput.Number();
    kestdial::ViewingOptions().SetCameraResolution(lCameraWidth, lInput.Number());
    const std::string lLabel = lInput.Rest();
    Set(lDial, "Label", lLabel.c_str());

    int lWidth = 0;
    int lHeight = 0;
    lDial.Element().GetIntrinsicDimension(kestdial::ViewingOptions().Options(), lWidth, lHeight);

    DrawFrame(lSession, lDial, lPanes, lHostState, lViewportWidth, lViewportHeight);
    if (lFlags & 4) DrawFrame(lSession, lDial, lPanes, lHostState, lViewportWidth, lViewportHeight);
    if (lFlags & 2) {
        const int lDestroyedIn = (lContexts >> 3) & 3;
        if (lDestroyedIn == 1) lSession.MakeCurrent((lPanes.back().context + 1) % kContexts);
        else if (lDestroyedIn >= 2)
            eglMakeCurrent(eglGetCurrentDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        lSession.DestroyDial();
    }
    lSession.CheckHostTextures();
    return 0;
}
