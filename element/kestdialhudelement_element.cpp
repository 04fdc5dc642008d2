// KestDialHUDElement: properties, lifecycle, text faces, and the draw that ties the layout
// (kestdialhudelement_geometry.h), the OpenGL frame and the passes (kestdialhudelement_passes.h)
// together.

#include "kestdialhudelement_element.h"
#include "kestdialhudelement_face.h"
#include "kestdialhudelement_font_resource.h"
#include "kestdialhudelement_gl_frame.h"
#include "kestdialhudelement_passes.h"

#include <utility>

FBClassImplementation(KestDialHUDElement);

namespace {

const double kStartRadius = 100.0;

const char* const kOratorResource = ":resources/OratorStd.otf";
const char* const kArialResource = ":resources/Arial.ttf";

} // namespace

////////////////////////////////////////////////////////////////////////////////
// Lifecycle

KestDialHUDElement::KestDialHUDElement(const char* pName, HIObject pObject)
    : FBHUDElement(pName, pObject)
    , mReadoutFont(nullptr)
    , mScaleFont(nullptr)
    , mLabelFont(nullptr)
    , mExitRelease([](void* pElement) { static_cast<KestDialHUDElement*>(pElement)->ReleaseFonts(); }, this)
    , mRadius(0.0)
    , mCenterX(0.0)
    , mCenterY(0.0)
{
    FBClassInit;
}

bool KestDialHUDElement::FBCreate()
{
    double lMaskDefault[4] = {0.0, 0.0, 0.0, 0.75};
    double lFontDefault[4] = {0.6, 0.8, 1.0, 1.0};
    double lMinimumDefault = 0.0;
    double lMaximumDefault = 100.0;
    double lValueDefault = 0.0;
    double lSpreadDefault = 0.75;
    double lTicksDefault = 10.0;

    MaskColor.Init(this, "Mask Color", ANIMATIONNODE_TYPE_COLOR_RGBA, lMaskDefault);
    FontColor.Init(this, "Font Color", ANIMATIONNODE_TYPE_COLOR_RGBA, lFontDefault);
    Minimum.Init(this, "Minimum", ANIMATIONNODE_TYPE_NUMBER, &lMinimumDefault);
    Maximum.Init(this, "Maximum", ANIMATIONNODE_TYPE_NUMBER, &lMaximumDefault);
    Value.Init(this, "Value", ANIMATIONNODE_TYPE_NUMBER, &lValueDefault);
    mRadius = kStartRadius;
    Spread.Init(this, "Spread", ANIMATIONNODE_TYPE_NUMBER, &lSpreadDefault);
    Ticks.Init(this, "Ticks", ANIMATIONNODE_TYPE_INTEGER, &lTicksDefault);
    PropertyAdd(Label.CreateInternal(this, "Label", nullptr, nullptr));

    Minimum.SetMinMax(0.0, 100.0, false, false);
    Maximum.SetMinMax(0.0, 100.0, false, false);
    Value.SetMinMax(0.0, 100.0, false, false);
    Spread.SetMinMax(0.0, 1.0, false, false);

    const char* lLabelDefault = "METER";
    Label.SetData(&lLabelDefault);
    bool lTrue = true;
    Show.SetData(&lTrue);

    return LoadFonts();
}

// A font that does not open leaves the element without fonts; so does a failure to allocate,
// which goes on to the caller.
bool KestDialHUDElement::LoadFonts()
{
    KestFontData lOrator = KestReadFontResource(kOratorResource, "Couldn't open oratorstd font:");
    if (!lOrator.mBytes) return false;
    KestFontData lArial = KestReadFontResource(kArialResource, "Couldn't open arial font:");
    if (!lArial.mBytes) return false;
    mFaceCache.Open(std::move(lOrator), std::move(lArial));
    mExitRelease.Enroll();
    ResizeText(kKestNoGLContext);
    return true;
}

//! Deletes the faces, current and kept, then the fonts; the element then draws nothing.
void KestDialHUDElement::ReleaseFonts()
{
    mFaceCache.Release();
    UseFaces(mFaceCache.Current());
    mExitRelease.Withdraw();
}

void KestDialHUDElement::FBDestroy()
{
    ReleaseFonts();
    FBComponent::FBDestroy();
}

//! Makes current the faces sized for mRadius that serve pContext. The cache tells whether its
//! current faces already do, and leaves them alone then.
void KestDialHUDElement::ResizeText(KestGLContextId pContext) { UseFaces(mFaceCache.UseSizesFor(mRadius, pContext)); }

//! The face pointers follow the cache's current faces; nothing else sets them.
void KestDialHUDElement::UseFaces(const KestFaceSet& pFaces)
{
    mReadoutFont = pFaces.mReadout;
    mScaleFont = pFaces.mScale;
    mLabelFont = pFaces.mLabel;
}

////////////////////////////////////////////////////////////////////////////////
// Size and layout

namespace {

//! One resolution value of the viewer's camera, truncated; 0 without a camera.
int CameraResolution(FBViewingOptions* pViewingOptions, FBPropertyDouble FBCamera::*pProperty)
{
    FBCamera* lCamera = pViewingOptions ? pViewingOptions->GetViewingCamera() : nullptr;
    if (!lCamera) return 0;
    double lValue = 0.0;
    (lCamera->*pProperty).GetData(&lValue, sizeof(lValue));
    return KestTruncatedInt(lValue);
}

//! An enumeration property of the SDK base, read as the int it holds: the SDK's own conversion
//! of such properties does not compile in every SDK release.
int PlacementValue(const FBProperty& pProperty)
{
    int lValue = 0;
    pProperty.GetData(&lValue, sizeof(lValue));
    return lValue;
}

//! Where the rectangle's x lies on the dial: its left edge, its right edge, else its centre.
KestDialAnchor HorizontalAnchor(int pJustification)
{
    switch (pJustification) {
    case kFBHUDLeft: return kKestAnchorLowEdge;
    case kFBHUDRight: return kKestAnchorHighEdge;
    default: return kKestAnchorCentre;
    }
}

//! Where the rectangle's y lies on the dial: its lower edge when docked at the bottom, its centre
//! otherwise.
KestDialAnchor VerticalAnchor(int pDock) { return pDock == kFBHUDBottom ? kKestAnchorLowEdge : kKestAnchorCentre; }

} // namespace

void KestDialHUDElement::GetIntrinsicDimension(FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight)
{
    pWidth = CameraResolution(pViewingOptions, &FBCamera::ResolutionWidth);
    pHeight = CameraResolution(pViewingOptions, &FBCamera::ResolutionHeight);
}

void KestDialHUDElement::Layout(const FBHUDElement::Rect& pRect)
{
    const KestDialCircle lCircle =
        KestDialCircleIn(pRect.mX, pRect.mY, pRect.mWidth, HorizontalAnchor(PlacementValue(Justification)),
                         VerticalAnchor(PlacementValue(VerticalDock)));
    mRadius = lCircle.mRadius;
    mCenterX = lCircle.mCenterX;
    mCenterY = lCircle.mCenterY;
}

////////////////////////////////////////////////////////////////////////////////
// Drawing

namespace {

// The colours are made in place from the properties' values, never default-made and assigned:
// FBColorAndAlpha's constructors and assignment are the SDK library's, and a dial built against
// the SDKs up to 2018 imports none of them.
KestDrawInput ReadInput(const KestDialHUDElement& pElement, const KestDialCircle& pCircle)
{
    const double lSpread = pElement.Spread;
    const double lMinimum = pElement.Minimum;
    const double lMaximum = pElement.Maximum;
    const int lTicks = pElement.Ticks;
    return {pCircle,  pElement.MaskColor, pElement.FontColor, KestDialScaleOf(lSpread, lTicks, lMinimum, lMaximum),
            lMinimum, lMaximum,           pElement.Value,     &pElement.Label};
}

} // namespace

// The frame (kestdialhudelement_gl_frame.h) sets the dial's OpenGL state around the passes and
// gives the host's back.
void KestDialHUDElement::DrawElement(FBViewingOptions*, FBHUDElement::Rect& pRect)
{
    // Faces released at exit, before the host destroyed the element: there is nothing to draw with.
    if (!mReadoutFont) return;
    // With no context current the draw's calls reach none, as libGL drops them; its faces then
    // belong to no context, and nothing of theirs is ever deleted in one.
    KestGLContextProfile lProfile;
    const KestGLContextId lContext = KestEnterGLContext(lProfile);
    // A context without the fixed-function pipeline cannot draw the dial: it is left untouched.
    if (!lProfile.mFixedFunction) return;
    Layout(pRect);
    ResizeText(lContext);

    KestGLFrame lFrame(lProfile);
    if (!lFrame.Open()) return;

    const KestDialCircle lCircle = {mCenterX, mCenterY, mRadius};
    const KestDrawInput lInput = ReadInput(*this, lCircle);
    KestDrawFace(lInput);
    KestUseFontColor(lInput);
    KestDrawMarks(lInput, KestMajorMarkPass(lInput.mScale));
    KestDrawScaleLabels(lInput, *mScaleFont);
    KestDrawMarks(lInput, KestMinorMarkPass(lInput.mScale));
    KestDrawRim(lInput);
    KestDrawReadout(lInput, *mReadoutFont);
    KestDrawLabel(lInput, *mLabelFont);
    KestDrawNeedle(lInput);
    KestDrawHub(lInput);

    lFrame.Close();
}
