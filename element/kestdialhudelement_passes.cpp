// The passes of a dial's draw: its shapes in OpenGL, its texts in FTGL.

#include "kestdialhudelement_passes.h"
#include "kestdialhudelement_label_text.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>

#include <cstdarg>
#include <cstddef>
#include <cstdio>

namespace {

const int kRenderAll = 0xffff;
const char* const kTemplateText = "000.0";

// The dial's look.
const double kFaceShadePerRadian = 0.1; //!< the face darkens by this much a radian
const float kMajorMarkWidth = 4.0f;     //!< line widths, in pixels
const float kMinorMarkWidth = 2.0f;
const float kRimWidth = 4.0f;
const long long kReadoutBaselineDrop = 4;            //!< the readout's baseline, in template heights below the centre
const long long kReadoutBoxTopDrop = 3;              //!< the readout box's top, in template heights below the centre
const double kReadoutBoxMargin = 10.0;               //!< pixels the readout box reaches past the template's ink
const double kReadoutBoxDarken = 0.2;                //!< the box's upper edge is the mask darkened by this much
const double kReadoutBoxAlpha = 0.5;                 //!< the box's alpha, in the mask's alpha
const long long kLabelBaselineDrop = 9;              //!< the label's baseline, in its own heights below the centre
const double kLabelShadowOffset = 2.0;               //!< pixels right of and below the label its shadow is
const float kHubLighten = 0.2f;                      //!< in single precision, widened where it is used
const float kRimColor[4] = {0.5f, 0.5f, 0.5f, 0.9f}; //!< grey
const float kNeedleColor[4] = {1.0f, 0.0f, 0.0f, 0.9f}; //!< red

//! Half a pixel measure, in whole pixels: texts are placed at whole-pixel offsets.
int Half(int pMeasure) { return pMeasure / 2; }

struct TextExtent {
    TextExtent() : mWidth(0), mHeight(0) {}
    TextExtent(int pWidth, int pHeight) : mWidth(pWidth), mHeight(pHeight) {}
    int mWidth;  // of the text's ink box, right of the origin
    int mHeight; // of the text's ink box, above the baseline
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
    return TextExtent(KestTruncatedInt(lBox.Upper().X()), KestTruncatedInt(lBox.Upper().Y()));
}

void RenderText(FTFont& pFace, const char* pText, double pX, double pY)
{
    if (ShowsText(pFace)) pFace.Render(pText, -1, FTPoint(pX, pY, 0.0), FTPoint(), kRenderAll);
}

const char* LabelText(const FBPropertyString& pLabel)
{
    const char* lText = nullptr;
    pLabel.GetData(&lText, sizeof(lText));
    return lText ? lText : "";
}

void Color(double pRed, double pGreen, double pBlue, double pAlpha)
{
    glColor4f(static_cast<float>(pRed), static_cast<float>(pGreen), static_cast<float>(pBlue),
              static_cast<float>(pAlpha));
}

void Color(const FBColorAndAlpha& pColor) { Color(pColor[0], pColor[1], pColor[2], pColor[3]); }

void Vertex(const KestDialCircle::Point& pPoint)
{
    glVertex2f(static_cast<float>(pPoint.mX), static_cast<float>(pPoint.mY));
}

void Vertex(const KestDialCircle& pCircle, const KestDialCircle::Direction& pDirection, double pFactor)
{
    Vertex(pCircle.At(pDirection, pFactor));
}

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

KestMarkPass KestMajorMarkPass(const KestDialScale& pScale)
{
    const KestMarkPass lPass = {KestMajorMarks(pScale), kMajorMarkWidth, true};
    return lPass;
}

KestMarkPass KestMinorMarkPass(const KestDialScale& pScale)
{
    const KestMarkPass lPass = {KestMinorMarks(pScale), kMinorMarkWidth, false};
    return lPass;
}

void KestDrawFace(const KestDrawInput& pInput)
{
    const KestTenthRadianRun& lAngles = KestTenthRadianAngles();
    const FBColorAndAlpha& lMask = pInput.mMask;
    glBegin(GL_POLYGON);
    for (std::size_t k = 0; k < KestTenthRadianRun::kCount; ++k) {
        const double lShade = -kFaceShadePerRadian * static_cast<double>(lAngles.mAngles[k]);
        Color(lMask[0] + lShade, lMask[1] + lShade, lMask[2] + lShade, lMask[3]);
        Vertex(pInput.mCircle, lAngles.mDirections[k], 1.0);
    }
    glEnd();
}

void KestUseFontColor(const KestDrawInput& pInput) { Color(pInput.mFont); }

void KestDrawMarks(const KestDrawInput& pInput, const KestMarkPass& pPass)
{
    glLineWidth(pPass.mLineWidth);
    if (pPass.mSmoothLines) glEnable(GL_LINE_SMOOTH);
    glBegin(GL_LINES);
    const KestDialCircle& lCircle = pInput.mCircle;
    const double lInner = pPass.mMarks.mInner;
    KestForEachMark(pPass.mMarks, [&lCircle, lInner](float pAngle) {
        const KestDialCircle::Direction lDirection = KestDialCircle::DirectionAt(pAngle);
        Vertex(lCircle, lDirection, lInner);
        Vertex(lCircle, lDirection, 1.0);
    });
    glEnd();
}

void KestDrawScaleLabels(const KestDrawInput& pInput, FTFont& pScaleFace)
{
    const TextExtent lTemplate = Measure(pScaleFace, kTemplateText);
    const double lHalfWidth = static_cast<double>(Half(lTemplate.mWidth));
    const double lHalfHeight = static_cast<double>(Half(lTemplate.mHeight));
    const KestDialCircle& lCircle = pInput.mCircle;
    const KestDialScale& lScale = pInput.mScale;
    float lValue = lScale.mMinimum;
    KestForEachMark(KestMajorMarks(lScale), [&](float pAngle) {
        char lText[32];
        KestFormat::sprintf_s(lText, sizeof(lText), "%0.01f", static_cast<double>(lValue));
        const KestDialCircle::Point lAnchor = lCircle.At(KestDialCircle::DirectionAt(pAngle), kKestScaleLabelRadius);
        RenderText(pScaleFace, lText, lAnchor.mX - lHalfWidth, lAnchor.mY - lHalfHeight);
        lValue += lScale.mValueStep;
    });
}

void KestDrawRim(const KestDrawInput& pInput)
{
    glColor4f(kRimColor[0], kRimColor[1], kRimColor[2], kRimColor[3]);
    // Deliberate: this width stays set after the draw, for the needle and then for the host, as
    // users' scenes and renders have always been drawn with it.
    glLineWidth(kRimWidth);
    const KestHundredthRadianRun& lAngles = KestHundredthRadianAngles();
    glBegin(GL_LINE_LOOP);
    for (std::size_t k = 0; k < KestHundredthRadianRun::kCount; ++k)
        Vertex(pInput.mCircle, lAngles.mDirections[k], 1.0);
    glEnd();
}

void KestDrawReadout(const KestDrawInput& pInput, FTFont& pReadoutFace)
{
    const double lCenterX = pInput.mCircle.mCenterX;
    const double lCenterY = pInput.mCircle.mCenterY;
    const TextExtent lTemplate = Measure(pReadoutFace, kTemplateText);
    const double lHalfWidth = static_cast<double>(Half(lTemplate.mWidth));
    const double lBaseline = lCenterY - static_cast<double>(kReadoutBaselineDrop * lTemplate.mHeight);
    const double lTop = lCenterY - static_cast<double>(kReadoutBoxTopDrop * lTemplate.mHeight);
    Color(pInput.mFont);
    char lText[32];
    KestFormat::sprintf_s(lText, sizeof(lText), "%5.01f", pInput.mValue);
    RenderText(pReadoutFace, lText, lCenterX - lHalfWidth, lBaseline);

    const FBColorAndAlpha& lMask = pInput.mMask;
    const double lLeft = lCenterX - lHalfWidth - kReadoutBoxMargin;
    const double lRight = lCenterX + lHalfWidth + kReadoutBoxMargin;
    const double lAlpha = kReadoutBoxAlpha * lMask[3];
    glBegin(GL_POLYGON);
    Color(lMask[0], lMask[1], lMask[2], lAlpha);
    glVertex2f(static_cast<float>(lLeft), static_cast<float>(lBaseline - kReadoutBoxMargin));
    glVertex2f(static_cast<float>(lRight), static_cast<float>(lBaseline - kReadoutBoxMargin));
    Color(lMask[0] - kReadoutBoxDarken, lMask[1] - kReadoutBoxDarken, lMask[2] - kReadoutBoxDarken, lAlpha);
    glVertex2f(static_cast<float>(lRight), static_cast<float>(lTop + kReadoutBoxMargin));
    glVertex2f(static_cast<float>(lLeft), static_cast<float>(lTop + kReadoutBoxMargin));
    glEnd();
}

//! Deliberate: the label's text is taken from the property afresh for each of its three uses, as
//! the host hands it out and as users' scenes have always seen it read.
void KestDrawLabel(const KestDrawInput& pInput, FTFont& pLabelFace)
{
    KestLabelText lText;
    const TextExtent lExtent = Measure(pLabelFace, lText.Of(LabelText(*pInput.mLabel)));
    const double lLeft = pInput.mCircle.mCenterX - static_cast<double>(Half(lExtent.mWidth));
    const double lBaseline = pInput.mCircle.mCenterY - static_cast<double>(kLabelBaselineDrop * lExtent.mHeight);
    Color(0.0, 0.0, 0.0, pInput.mFont[3]);
    RenderText(pLabelFace, lText.Of(LabelText(*pInput.mLabel)), lLeft + kLabelShadowOffset,
               lBaseline - kLabelShadowOffset);
    Color(1.0, 1.0, 1.0, pInput.mFont[3]);
    RenderText(pLabelFace, lText.Of(LabelText(*pInput.mLabel)), lLeft, lBaseline);
}

void KestDrawNeedle(const KestDrawInput& pInput)
{
    const float lAngle = KestNeedleAngle(pInput.mScale, pInput.mValue, pInput.mMinimum, pInput.mMaximum);
    const KestDialCircle& lCircle = pInput.mCircle;
    const KestDialCircle::Direction lDirection = KestDialCircle::DirectionAt(lAngle);
    glColor4f(kNeedleColor[0], kNeedleColor[1], kNeedleColor[2], kNeedleColor[3]);
    glBegin(GL_LINES);
    // From one pixel out of the centre, along the needle, to the minor marks.
    Vertex(lCircle.PixelOut(lDirection));
    Vertex(lCircle, lDirection, kKestMinorMarkInner);
    glEnd();
}

//! Deliberate: the hub's colour lightens with its angle in radians, so that past the first
//! vertices its outline is white, the look users' scenes and renders have always had.
void KestDrawHub(const KestDrawInput& pInput)
{
    const double lLighten = static_cast<double>(kHubLighten);
    const FBColorAndAlpha& lMask = pInput.mMask;
    const KestTenthRadianRun& lAngles = KestTenthRadianAngles();
    glBegin(GL_POLYGON);
    for (std::size_t i = 0; i < KestTenthRadianRun::kCount; ++i) {
        const double lAdd = static_cast<double>(lAngles.mAngles[i]);
        Color((lMask[0] + lLighten) + lAdd, (lMask[1] + lLighten) + lAdd, (lMask[2] + lLighten) + lAdd,
              lMask[3] + lLighten);
        Vertex(pInput.mCircle, lAngles.mDirections[i], static_cast<double>(kKestHubRadius));
    }
    glEnd();
}
