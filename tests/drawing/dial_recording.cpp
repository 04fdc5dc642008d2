#include "dial_recording.h"
#include "kestdialhudelement_face_cache.h"

#include <FTGL/ftgl.h>
#include <gtest/gtest.h>

namespace kesttest {

using namespace kestdial;
namespace {

std::vector<Primitive> Primitives(const std::vector<GlCall>& pCalls)
{
    std::vector<Primitive> lPrimitives;
    Colour lColour = {1.0f, 1.0f, 1.0f, 1.0f}; // OpenGL's initial current colour
    bool lInside = false;
    for (const GlCall& lCall : pCalls) {
        switch (lCall.function) {
        case GlFunction::Begin:
            lPrimitives.push_back({static_cast<GLenum>(lCall.args[0]), {}});
            lInside = true;
            break;
        case GlFunction::End: lInside = false; break;
        case GlFunction::Color4f:
            for (std::size_t i = 0; i < 4; ++i) lColour[i] = static_cast<float>(lCall.args[i]);
            break;
        case GlFunction::Vertex2f:
            if (lInside) {
                lPrimitives.back().vertices.push_back(
                    {static_cast<float>(lCall.args[0]), static_cast<float>(lCall.args[1]), lColour});
            } else {
                ADD_FAILURE() << "glVertex2f outside glBegin/glEnd";
            }
            break;
        default: break;
        }
    }
    return lPrimitives;
}

template <class tText>
std::vector<tText> ByFace(const DialRecording& pDraw, const std::vector<tText>& pTexts, const std::string& pFace)
{
    std::vector<tText> lResult;
    for (const tText& lText : pTexts)
        if (FaceName(pDraw, lText.face) == pFace) lResult.push_back(lText);
    return lResult;
}

//! Which of the dial's faces pFace is, told by the point size that the face cache gives each
//! for the radius.
const char* NameBySize(const FTFont& pFace, double pRadius)
{
    const unsigned int lSize = pFace.FaceSize();
    const KestFaceSizes lSizes = KestFaceCache::SizesFor(pRadius);
    return lSize == lSizes.mScale     ? "scale"
           : lSize == lSizes.mReadout ? "readout"
           : lSize == lSizes.mLabel   ? "label"
                                      : "other";
}

} // namespace

const char* FaceName(const DialRecording& pDraw, const FTFont* pFace)
{
    const auto lName = pDraw.faceNames.find(pFace);
    return lName != pDraw.faceNames.end() ? lName->second : "other";
}

std::vector<DrawStep> ElementSteps(const Recording& pDraw)
{
    std::vector<DrawStep> lSteps;
    std::size_t lRender = 0;
    for (std::size_t i = 0; i <= pDraw.calls.size(); ++i) {
        for (; lRender < pDraw.renders.size() && pDraw.renders[lRender].atCall == i; ++lRender)
            lSteps.push_back({nullptr, &pDraw.renders[lRender]});
        if (i < pDraw.calls.size() && !pDraw.calls[i].byFtgl) lSteps.push_back({&pDraw.calls[i], nullptr});
    }
    return lSteps;
}

DialRecording RecordShapes(Dial& pDial, FBHUDElement::Rect pRect)
{
    DialRecording lDraw;
    lDraw.raw = RecordDraw(pDial, pRect, kRecordedViewport);
    // Named while the faces live: a recording may outlive its dial.
    for (const TextRender& lRender : lDraw.raw.renders)
        lDraw.faceNames[lRender.face] = NameBySize(*lRender.face, 0.5 * pRect.mWidth);
    for (const TextMeasure& lMeasure : lDraw.raw.measures)
        lDraw.faceNames[lMeasure.face] = NameBySize(*lMeasure.face, 0.5 * pRect.mWidth);
    EXPECT_FALSE(lDraw.raw.overflowed) << "the draw made more than " << kMaxRecordedCalls << " calls";

    for (const GlCall& lCall : lDraw.raw.calls)
        if (!lCall.byFtgl) lDraw.ownCalls.push_back(lCall);
    lDraw.primitives = Primitives(lDraw.ownCalls);
    if (lDraw.primitives.size() == 7) {
        lDraw.face = lDraw.primitives[0];
        lDraw.majorMarks = lDraw.primitives[1];
        lDraw.minorMarks = lDraw.primitives[2];
        lDraw.rim = lDraw.primitives[3];
        lDraw.readoutBox = lDraw.primitives[4];
        lDraw.needle = lDraw.primitives[5];
        lDraw.hub = lDraw.primitives[6];
    } else {
        ADD_FAILURE() << "the draw made " << lDraw.primitives.size()
                      << " primitives, not face, major marks, minor marks, rim, box, needle and hub";
    }

    lDraw.scaleLabels = ByFace(lDraw, lDraw.raw.renders, "scale");
    lDraw.readouts = ByFace(lDraw, lDraw.raw.renders, "readout");
    lDraw.labels = ByFace(lDraw, lDraw.raw.renders, "label");
    lDraw.scaleMeasures = ByFace(lDraw, lDraw.raw.measures, "scale");
    lDraw.readoutMeasures = ByFace(lDraw, lDraw.raw.measures, "readout");
    lDraw.labelMeasures = ByFace(lDraw, lDraw.raw.measures, "label");
    return lDraw;
}

} // namespace kesttest
