#include "dial_recording.h"

#include "kestdialhudelement_element.h"
#include "kestdialhudelement_face.h"

#include <FTGL/ftgl.h>
#include <gtest/gtest.h>

//! The element's faces, which tell its scale labels, readout and label apart in a recording.
class KestDialHUDElementInspector {
public:
    static const FTFont* ReadoutFace(const KestDialHUDElement& pDial) { return pDial.mReadoutFont; }
    static const FTFont* ScaleFace(const KestDialHUDElement& pDial) { return pDial.mScaleFont; }
    static const FTFont* LabelFace(const KestDialHUDElement& pDial) { return pDial.mLabelFont; }
};

namespace kesttest {
namespace {

using Inspector = KestDialHUDElementInspector;

const KestDialHUDElement& AsDial(const Dial& pDial)
{
    return static_cast<const KestDialHUDElement&>(pDial.Element());
}

const FTFont* ReadoutFace(const Dial& pDial) { return Inspector::ReadoutFace(AsDial(pDial)); }
const FTFont* ScaleFace(const Dial& pDial) { return Inspector::ScaleFace(AsDial(pDial)); }
const FTFont* LabelFace(const Dial& pDial) { return Inspector::LabelFace(AsDial(pDial)); }

std::vector<Primitive> Primitives(const std::vector<GlCall>& pCalls)
{
    std::vector<Primitive> lPrimitives;
    Colour lColour = {1.0f, 1.0f, 1.0f, 1.0f};  // OpenGL's initial current colour
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

template <class tText> std::vector<tText> ByFace(const std::vector<tText>& pTexts, const FTFont* pFace)
{
    std::vector<tText> lResult;
    for (const tText& lText : pTexts)
        if (lText.face == pFace) lResult.push_back(lText);
    return lResult;
}

} // namespace

const char* FaceName(const Dial& pDial, const FTFont* pFace)
{
    return pFace == ScaleFace(pDial)     ? "scale"
           : pFace == ReadoutFace(pDial) ? "readout"
           : pFace == LabelFace(pDial)   ? "label"
                                         : "other";
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

    lDraw.scaleLabels = ByFace(lDraw.raw.renders, ScaleFace(pDial));
    lDraw.readouts = ByFace(lDraw.raw.renders, ReadoutFace(pDial));
    lDraw.labels = ByFace(lDraw.raw.renders, LabelFace(pDial));
    lDraw.scaleMeasures = ByFace(lDraw.raw.measures, ScaleFace(pDial));
    lDraw.readoutMeasures = ByFace(lDraw.raw.measures, ReadoutFace(pDial));
    lDraw.labelMeasures = ByFace(lDraw.raw.measures, LabelFace(pDial));
    return lDraw;
}

} // namespace kesttest
