// KestDialHUDElement: properties, lifecycle, text faces and drawing of the dial.

#include "kestdialhudelement_element.h"
#include "kestdialhudelement_face.h"
#include "kestdialhudelement_gl_frame.h"
#include "kestdialhudelement_label_text.h"
#include "kestdialhudelement_qt.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <QtCore/QFile>

#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

FBClassImplementation(KestDialHUDElement);

namespace {

const double kPi = 3.141592653589793;
const double kTwoPi = 6.283185307179586;
const double kStartRadius = 100.0;
const int kRenderAll = 0xffff;
const char* const kTemplateText = "000.0";

// The dial's look. Distances from the centre are in radii.
const double kMajorMarkInner = 0.85;    //!< major marks run from here out to the rim
const double kMinorMarkInner = 0.95;    //!< minor marks run from here out, and the needle to here
const double kScaleLabelRadius = 0.7;   //!< scale numbers are centred (as the template is) here
const double kReadoutBoxMargin = 10.0;  //!< pixels the readout box reaches past the template's ink
const float kRimColor[4] = {0.5f, 0.5f, 0.5f, 0.9f};     //!< grey
const float kNeedleColor[4] = {1.0f, 0.0f, 0.0f, 0.9f};  //!< red

//! Most marks (or labels) that one scale pass draws: enough for 1,000 ticks and the marks past
//! the end angle, far more than a legible dial shows. It bounds a draw whatever "Ticks" holds.
const int kMaxMarksPerPass = 1024;

const char* const kOratorResource = ":resources/OratorStd.otf";
const char* const kArialResource = ":resources/Arial.ttf";

//! Truncates toward zero; NaN gives 0 and values beyond the int range give its nearest end.
int TruncatedInt(double pValue)
{
    if (std::isnan(pValue)) return 0;
    if (pValue <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (pValue >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(pValue);
}

//! Half a pixel measure, in whole pixels: texts are placed at whole-pixel offsets.
int Half(int pMeasure) { return pMeasure / 2; }

struct TextExtent {
    TextExtent() : mWidth(0), mHeight(0) {}
    TextExtent(int pWidth, int pHeight) : mWidth(pWidth), mHeight(pHeight) {}
    int mWidth;   // of the text's ink box, right of the origin
    int mHeight;  // of the text's ink box, above the baseline
};

//! Below this point size a face shows no text. A face lays its glyphs out in cells of its font's
//! box at its size, and below 3 points some glyph bitmaps are wider than their cell: filling a
//! texture row then uploads past the texture's edge and leaves GL_INVALID_VALUE in the host's
//! context. Text 2 pixels high cannot be read anyway.
const unsigned int kMinFaceSize = 3;

bool ShowsText(FTFont& pFace) { return pFace.FaceSize() >= kMinFaceSize; }

//! Measures a text at the origin; a face too small to show text measures it as empty.
TextExtent Measure(FTFont& pFace, const char* pText)
{
    if (!ShowsText(pFace)) return TextExtent();
    const FTBBox lBox = pFace.BBox(pText, -1, FTPoint(), FTPoint());
    return TextExtent(TruncatedInt(lBox.Upper().X()), TruncatedInt(lBox.Upper().Y()));
}

void RenderText(FTFont& pFace, const char* pText, double pX, double pY)
{
    if (ShowsText(pFace)) pFace.Render(pText, -1, FTPoint(pX, pY, 0.0), FTPoint(), kRenderAll);
}

//! Writes "<literal> <code> " as one debug message.
void PostFontFailure(const char* pLiteral, int pErrorCode)
{
    QByteArray lLine(pLiteral);
    lLine += ' ';
    lLine += QByteArray::number(pErrorCode);
    lLine += ' ';
    KestPostDebugMessage(lLine);
}

//! Reads a whole font resource into a new heap buffer of exactly its size; none, after the
//! debug message, when it does not open.
KestFontData ReadFontResource(const char* pPath, const char* pFailureLiteral)
{
    KestFontData lFont;
    QFile lFile(QString::fromLatin1(pPath));
    if (!lFile.open(QIODevice::ReadOnly)) {
        PostFontFailure(pFailureLiteral, static_cast<int>(lFile.error()));
        return lFont;
    }
    const QByteArray lBytes = lFile.readAll();
    lFont.mSize = static_cast<unsigned long>(lBytes.size());
    lFont.mBytes.reset(new unsigned char[lFont.mSize]);
    std::memcpy(lFont.mBytes.get(), lBytes.constData(), lFont.mSize);
    lFile.close();
    return lFont;
}

//! Visits a scale pass's angles: the first, then each one step further, in single precision,
//! while the angle (widened) lies within the limit; a NaN angle ends the pass. A pass also ends
//! once a step no longer advances the angle, since a zero, negative or vanishing step (a
//! "Spread" of 0, negative "Ticks", tens of millions of ticks) would repeat it forever, and
//! after kMaxMarksPerPass angles. So a degenerate scale shows its first mark only.
template <class tVisit> void ForEachScaleAngle(float pFirst, float pStep, double pLimit, tVisit pVisit)
{
    float lAngle = pFirst;
    for (int lCount = 0; lCount < kMaxMarksPerPass && static_cast<double>(lAngle) <= pLimit; ++lCount) {
        pVisit(lAngle);
        const float lNext = lAngle + pStep;
        if (!(lNext > lAngle)) break;
        lAngle = lNext;
    }
}

void Color(double pRed, double pGreen, double pBlue, double pAlpha)
{
    glColor4f(static_cast<float>(pRed), static_cast<float>(pGreen), static_cast<float>(pBlue),
              static_cast<float>(pAlpha));
}

void Color(const FBColorAndAlpha& pColor) { Color(pColor[0], pColor[1], pColor[2], pColor[3]); }

} // namespace

// The element's own formatting function, in a namespace of its own: the SDK's headers declare
// a global sprintf_s of the same parameters that ignores the buffer size, and a call must never
// reach it.
namespace KestFormat {

//! printf conversions into a buffer of pSize bytes, never writing past it; a longer result is
//! cut and still terminated.
__attribute__((format(printf, 3, 4))) int sprintf_s(char* pBuffer, unsigned long pSize, const char* pFormat, ...);
int sprintf_s(char* pBuffer, unsigned long pSize, const char* pFormat, ...)
{
    va_list lArguments;
    va_start(lArguments, pFormat);
    const int lResult = std::vsnprintf(pBuffer, pSize, pFormat, lArguments);
    va_end(lArguments);
    return lResult;
}

} // namespace KestFormat

////////////////////////////////////////////////////////////////////////////////
// Lifecycle

KestDialHUDElement::KestDialHUDElement(const char* pName, HIObject pObject)
    : FBHUDElement(pName, pObject)
    , mReadoutFont(nullptr)
    , mScaleFont(nullptr)
    , mLabelFont(nullptr)
    , mTextSize(0)
    , mTextContext(kKestNoGLContext)
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
    mTextSize = TruncatedInt(mRadius);
    bool lTrue = true;
    Show.SetData(&lTrue);

    return LoadFonts();
}

// A font that does not open leaves the element without fonts; so does a failure to allocate,
// which goes on to the caller.
bool KestDialHUDElement::LoadFonts()
{
    KestFontData lOrator = ReadFontResource(kOratorResource, "Couldn't open oratorstd font:");
    if (!lOrator.mBytes) return false;
    KestFontData lArial = ReadFontResource(kArialResource, "Couldn't open arial font:");
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

//! Makes faces sized for mRadius that serve pContext current, and records both.
void KestDialHUDElement::ResizeText(KestGLContextId pContext)
{
    UseFaces(mFaceCache.UseSizesFor(mRadius, pContext));
    mTextSize = TruncatedInt(mRadius);
    mTextContext = pContext;
}

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
    return TruncatedInt(lValue);
}

//! An enumeration property of the SDK base, read as the int it holds: the SDK's own conversion
//! of such properties does not compile in every SDK release.
int PlacementValue(const FBProperty& pProperty)
{
    int lValue = 0;
    pProperty.GetData(&lValue, sizeof(lValue));
    return lValue;
}

} // namespace

void KestDialHUDElement::GetIntrinsicDimension(FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight)
{
    pWidth = CameraResolution(pViewingOptions, &FBCamera::ResolutionWidth);
    pHeight = CameraResolution(pViewingOptions, &FBCamera::ResolutionHeight);
}

void KestDialHUDElement::Layout(const FBHUDElement::Rect& pRect)
{
    mRadius = 0.5 * pRect.mWidth;
    switch (PlacementValue(Justification)) {
    case kFBHUDLeft: mCenterX = pRect.mX + mRadius; break;   // x is the dial's left edge
    case kFBHUDRight: mCenterX = pRect.mX - mRadius; break;  // x is its right edge
    default: mCenterX = pRect.mX; break;                     // x is its centre
    }
    // y is the dial's lower edge when docked at the bottom, its centre otherwise.
    mCenterY = PlacementValue(VerticalDock) == kFBHUDBottom ? pRect.mY + mRadius : pRect.mY;
}

namespace {

//! The dial's circle: its centre and radius. Its angles run clockwise from straight down: a point
//! pFactor radii out at an angle lies at (centre x - pFactor * radius * sine, centre y - ... *
//! cosine), the sine and cosine being those that sincos gives for the angle widened to double.
struct DialCircle {
    //! The sine and cosine of one of the dial's angles.
    struct Direction {
        double mSin;
        double mCos;
    };
    struct Point {
        double mX;
        double mY;
    };

    static Direction DirectionAt(float pAngle)
    {
        Direction lDirection = {0.0, 0.0};
        sincos(static_cast<double>(pAngle), &lDirection.mSin, &lDirection.mCos);
        return lDirection;
    }

    Point At(const Direction& pDirection, double pFactor) const
    {
        const Point lPoint = {mCenterX - pFactor * mRadius * pDirection.mSin,
                              mCenterY - pFactor * mRadius * pDirection.mCos};
        return lPoint;
    }

    void Vertex(const Direction& pDirection, double pFactor) const
    {
        const Point lPoint = At(pDirection, pFactor);
        glVertex2f(static_cast<float>(lPoint.mX), static_cast<float>(lPoint.mY));
    }

    double mCenterX;
    double mCenterY;
    double mRadius;
};

//! A fixed run of the dial's angles: tCount angles from 0 on by a step, summed in single
//! precision as the face, rim and hub are drawn, each with its direction. They are the same on
//! every draw, so each run is computed once per process: 755 of the 788 sines and cosines of a
//! default draw.
template <std::size_t tCount> struct FixedAngles {
    static const std::size_t kCount = tCount;

    explicit FixedAngles(float pStep)
    {
        float lAngle = 0.0f;
        for (std::size_t k = 0; k < tCount; ++k) {
            mAngles[k] = lAngle;
            mDirections[k] = DialCircle::DirectionAt(lAngle);
            lAngle += pStep;
        }
    }

    float mAngles[tCount];
    DialCircle::Direction mDirections[tCount];
};

//! The face's and the hub's 63 angles, a tenth of a radian apart: 0 to 6.2.
typedef FixedAngles<63> TenthRadianRun;
//! The rim's 629 angles, a hundredth of a radian apart: 0 to 6.28.
typedef FixedAngles<629> HundredthRadianRun;

const TenthRadianRun& TenthRadianAngles()
{
    static const TenthRadianRun sAngles(0.1f);
    return sAngles;
}

const HundredthRadianRun& HundredthRadianAngles()
{
    static const HundredthRadianRun sAngles(0.01f);
    return sAngles;
}

//! The scale of one draw, from "Spread", "Ticks", "Minimum" and "Maximum".
struct Scale {
    float mStartAngle;
    float mEndAngle;
    float mMajorStep;
    float mValueStep;
    double mLimit;
    float mMinimum;
};

Scale ScaleOf(double pSpread, int pTicks, double pMinimum, double pMaximum)
{
    Scale lScale;
    lScale.mStartAngle = static_cast<float>(kPi * (1.0 - pSpread));
    lScale.mEndAngle = static_cast<float>(kTwoPi - static_cast<double>(lScale.mStartAngle));
    lScale.mMajorStep = static_cast<float>(kTwoPi * pSpread) / static_cast<float>(pTicks);
    lScale.mValueStep = static_cast<float>((pMaximum - pMinimum) / pTicks);
    lScale.mLimit = static_cast<double>(lScale.mEndAngle) + 0.1;
    lScale.mMinimum = static_cast<float>(pMinimum);
    return lScale;
}

//! What one draw shows: the circle of the layout and the properties, each read once, but for the
//! label's text.
struct DrawInput {
    DialCircle mCircle;
    FBColorAndAlpha mMask;
    FBColorAndAlpha mFont;
    Scale mScale;
    double mMinimum;
    double mMaximum;
    double mValue;
    const FBPropertyString* mLabel;
};

// The colours are made in place from the properties' values, never default-made and assigned:
// FBColorAndAlpha's constructors and assignment are the SDK library's, and a dial built against
// the SDKs up to 2018 imports none of them.
DrawInput ReadInput(const KestDialHUDElement& pElement, const DialCircle& pCircle)
{
    const double lSpread = pElement.Spread;
    const double lMinimum = pElement.Minimum;
    const double lMaximum = pElement.Maximum;
    const int lTicks = pElement.Ticks;
    return {pCircle, pElement.MaskColor, pElement.FontColor, ScaleOf(lSpread, lTicks, lMinimum, lMaximum),
            lMinimum, lMaximum, pElement.Value, &pElement.Label};
}

const char* LabelText(const FBPropertyString& pLabel)
{
    const char* lText = nullptr;
    pLabel.GetData(&lText, sizeof(lText));
    return lText ? lText : "";
}

////////////////////////////////////////////////////////////////////////////////
// The passes of a draw, in drawing order; each draws from the draw's input alone.

void DrawFace(const DrawInput& pInput)
{
    const TenthRadianRun& lAngles = TenthRadianAngles();
    const FBColorAndAlpha& lMask = pInput.mMask;
    glBegin(GL_POLYGON);
    for (std::size_t k = 0; k < TenthRadianRun::kCount; ++k) {
        const double lShade = -0.1 * static_cast<double>(lAngles.mAngles[k]);
        Color(lMask[0] + lShade, lMask[1] + lShade, lMask[2] + lShade, lMask[3]);
        pInput.mCircle.Vertex(lAngles.mDirections[k], 1.0);
    }
    glEnd();
}

void DrawMajorMarks(const DrawInput& pInput)
{
    glLineWidth(4.0f);
    glEnable(GL_LINE_SMOOTH);
    glBegin(GL_LINES);
    const DialCircle& lCircle = pInput.mCircle;
    const Scale& lScale = pInput.mScale;
    ForEachScaleAngle(lScale.mStartAngle, lScale.mMajorStep, lScale.mLimit, [&lCircle](float pAngle) {
        const DialCircle::Direction lDirection = DialCircle::DirectionAt(pAngle);
        lCircle.Vertex(lDirection, kMajorMarkInner);
        lCircle.Vertex(lDirection, 1.0);
    });
    glEnd();
}

void DrawScaleLabels(const DrawInput& pInput, FTFont& pScaleFace)
{
    const TextExtent lTemplate = Measure(pScaleFace, kTemplateText);
    const double lHalfWidth = static_cast<double>(Half(lTemplate.mWidth));
    const double lHalfHeight = static_cast<double>(Half(lTemplate.mHeight));
    const DialCircle& lCircle = pInput.mCircle;
    const Scale& lScale = pInput.mScale;
    float lValue = lScale.mMinimum;
    ForEachScaleAngle(lScale.mStartAngle, lScale.mMajorStep, lScale.mLimit, [&](float pAngle) {
        char lText[32];
        KestFormat::sprintf_s(lText, sizeof(lText), "%0.01f", static_cast<double>(lValue));
        const DialCircle::Point lAnchor = lCircle.At(DialCircle::DirectionAt(pAngle), kScaleLabelRadius);
        RenderText(pScaleFace, lText, lAnchor.mX - lHalfWidth, lAnchor.mY - lHalfHeight);
        lValue += lScale.mValueStep;
    });
}

void DrawMinorMarks(const DrawInput& pInput)
{
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    const DialCircle& lCircle = pInput.mCircle;
    const Scale& lScale = pInput.mScale;
    const float lFirst = lScale.mStartAngle + 0.5f * lScale.mMajorStep;
    ForEachScaleAngle(lFirst, lScale.mMajorStep, lScale.mLimit, [&lCircle](float pAngle) {
        const DialCircle::Direction lDirection = DialCircle::DirectionAt(pAngle);
        lCircle.Vertex(lDirection, kMinorMarkInner);
        lCircle.Vertex(lDirection, 1.0);
    });
    glEnd();
}

void DrawRim(const DrawInput& pInput)
{
    glColor4f(kRimColor[0], kRimColor[1], kRimColor[2], kRimColor[3]);
    glLineWidth(4.0f);
    const HundredthRadianRun& lAngles = HundredthRadianAngles();
    glBegin(GL_LINE_LOOP);
    for (std::size_t k = 0; k < HundredthRadianRun::kCount; ++k) pInput.mCircle.Vertex(lAngles.mDirections[k], 1.0);
    glEnd();
}

void DrawReadout(const DrawInput& pInput, FTFont& pReadoutFace)
{
    const double lCenterX = pInput.mCircle.mCenterX;
    const double lCenterY = pInput.mCircle.mCenterY;
    const TextExtent lTemplate = Measure(pReadoutFace, kTemplateText);
    const double lHalfWidth = static_cast<double>(Half(lTemplate.mWidth));
    const double lBaseline = lCenterY - static_cast<double>(4LL * lTemplate.mHeight);
    const double lTop = lCenterY - static_cast<double>(3LL * lTemplate.mHeight);
    Color(pInput.mFont);
    char lText[32];
    KestFormat::sprintf_s(lText, sizeof(lText), "%5.01f", pInput.mValue);
    RenderText(pReadoutFace, lText, lCenterX - lHalfWidth, lBaseline);

    const FBColorAndAlpha& lMask = pInput.mMask;
    const double lLeft = lCenterX - lHalfWidth - kReadoutBoxMargin;
    const double lRight = lCenterX + lHalfWidth + kReadoutBoxMargin;
    glBegin(GL_POLYGON);
    Color(lMask[0], lMask[1], lMask[2], 0.5 * lMask[3]);
    glVertex2f(static_cast<float>(lLeft), static_cast<float>(lBaseline - kReadoutBoxMargin));
    glVertex2f(static_cast<float>(lRight), static_cast<float>(lBaseline - kReadoutBoxMargin));
    Color(lMask[0] - 0.2, lMask[1] - 0.2, lMask[2] - 0.2, 0.5 * lMask[3]);
    glVertex2f(static_cast<float>(lRight), static_cast<float>(lTop + kReadoutBoxMargin));
    glVertex2f(static_cast<float>(lLeft), static_cast<float>(lTop + kReadoutBoxMargin));
    glEnd();
}

//! The label's text is taken from the property afresh for each of its three uses, as the host
//! hands it out.
void DrawLabel(const DrawInput& pInput, FTFont& pLabelFace)
{
    KestLabelText lText;
    const TextExtent lExtent = Measure(pLabelFace, lText.Of(LabelText(*pInput.mLabel)));
    const double lLeft = pInput.mCircle.mCenterX - static_cast<double>(Half(lExtent.mWidth));
    const double lBaseline = pInput.mCircle.mCenterY - static_cast<double>(9LL * lExtent.mHeight);
    Color(0.0, 0.0, 0.0, pInput.mFont[3]);
    RenderText(pLabelFace, lText.Of(LabelText(*pInput.mLabel)), lLeft + 2.0, lBaseline - 2.0);
    Color(1.0, 1.0, 1.0, pInput.mFont[3]);
    RenderText(pLabelFace, lText.Of(LabelText(*pInput.mLabel)), lLeft, lBaseline);
}

void DrawNeedle(const DrawInput& pInput)
{
    const Scale& lScale = pInput.mScale;
    // With "Value", "Minimum" and "Maximum" all equal the fraction is 0/0; the needle then
    // rests on the start angle, as for a value at the minimum of any other scale.
    float lFraction = static_cast<float>((pInput.mValue - pInput.mMinimum) / (pInput.mMaximum - pInput.mMinimum));
    if (std::isnan(lFraction)) lFraction = 0.0f;
    if (lFraction < 0.0f) lFraction = 0.0f;
    else if (lFraction > 1.0f) lFraction = 1.0f;
    const float lAngle = lFraction * (lScale.mEndAngle - lScale.mStartAngle) + lScale.mStartAngle;

    const DialCircle& lCircle = pInput.mCircle;
    const DialCircle::Direction lDirection = DialCircle::DirectionAt(lAngle);
    glColor4f(kNeedleColor[0], kNeedleColor[1], kNeedleColor[2], kNeedleColor[3]);
    glBegin(GL_LINES);
    // From one pixel out of the centre, along the needle, to the minor marks.
    glVertex2f(static_cast<float>(lCircle.mCenterX - lDirection.mSin),
               static_cast<float>(lCircle.mCenterY - lDirection.mCos));
    lCircle.Vertex(lDirection, kMinorMarkInner);
    glEnd();
}

//! The hub's colour lightens with the angle in radians, so that past the first vertices its
//! outline is white.
void DrawHub(const DrawInput& pInput)
{
    const double lLighten = static_cast<double>(0.2f);
    const FBColorAndAlpha& lMask = pInput.mMask;
    const TenthRadianRun& lAngles = TenthRadianAngles();
    glBegin(GL_POLYGON);
    for (std::size_t i = 0; i < TenthRadianRun::kCount; ++i) {
        const double lAdd = static_cast<double>(lAngles.mAngles[i]);
        Color((lMask[0] + lLighten) + lAdd, (lMask[1] + lLighten) + lAdd, (lMask[2] + lLighten) + lAdd,
              lMask[3] + lLighten);
        pInput.mCircle.Vertex(lAngles.mDirections[i], static_cast<double>(0.05f));
    }
    glEnd();
}

} // namespace

////////////////////////////////////////////////////////////////////////////////
// Drawing

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
    if (static_cast<double>(mTextSize) != mRadius || lContext != mTextContext) ResizeText(lContext);

    KestGLFrame lFrame(lProfile);
    if (!lFrame.Open()) return;

    const DialCircle lCircle = {mCenterX, mCenterY, mRadius};
    const DrawInput lInput = ReadInput(*this, lCircle);
    DrawFace(lInput);
    Color(lInput.mFont);
    DrawMajorMarks(lInput);
    DrawScaleLabels(lInput, *mScaleFont);
    DrawMinorMarks(lInput);
    DrawRim(lInput);
    DrawReadout(lInput, *mReadoutFont);
    DrawLabel(lInput, *mLabelFont);
    DrawNeedle(lInput);
    DrawHub(lInput);

    lFrame.Close();
}
