#ifndef KEST_TESTS_DRAWING_DIAL_RECORDING_H
#define KEST_TESTS_DRAWING_DIAL_RECORDING_H
// One draw of a dial, recorded without a context and taken apart into the dial's shapes and texts.

#include "recorded_draw.h"
#include "test_dial.h"

#include <GL/gl.h>

#include <map>
#include <vector>

namespace kesttest {

//! The viewport that recorded draws see: the 300 x 300 viewer that the typical dial fits.
constexpr std::array<int, 4> kRecordedViewport = {0, 0, kestdial::kViewerSize, kestdial::kViewerSize};

struct Vertex {
    float x;
    float y;
    kestdial::Colour colour; //!< the current colour when the vertex was given
};

//! The vertices between one glBegin and its glEnd.
struct Primitive {
    GLenum mode = 0;
    std::vector<Vertex> vertices;
};

struct DialRecording {
    kestdial::Recording raw;
    std::vector<kestdial::GlCall> ownCalls; //!< the element's GL calls, without FTGL's
    std::vector<Primitive> primitives;      //!< those of ownCalls, in order
    // The shapes in drawing order, filled when the draw made exactly seven primitives.
    Primitive face, majorMarks, minorMarks, rim, readoutBox, needle, hub;
    // Texts by the face that drew or measured them.
    std::vector<kestdial::TextRender> scaleLabels, readouts, labels;
    std::vector<kestdial::TextMeasure> scaleMeasures, readoutMeasures, labelMeasures;
    std::map<const FTFont*, const char*> faceNames; //!< of the faces that drew or measured texts
};

//! One step of a draw in the order the element made it: one of its own GL calls or one text it
//! rendered.
struct DrawStep {
    const kestdial::GlCall* call = nullptr;       //!< null for a text
    const kestdial::TextRender* render = nullptr; //!< null for a call
};

//! The element's own GL calls in pDraw (FTGL's left out) and, in their places among them, the
//! texts it rendered.
std::vector<DrawStep> ElementSteps(const kestdial::Recording& pDraw);

//! Which of the dial's faces pFace is, told by the point size that each is given for the drawn
//! radius: "scale", "readout", "label", or "other" (a face sized for another radius). Radii of 24
//! to 1,023 give the three faces sizes of their own.
const char* FaceName(const DialRecording& pDraw, const FTFont* pFace);

//! Draws pDial into pRect, seeing kRecordedViewport, and takes the recording apart. A recording
//! that overflowed or holds other than seven primitives fails the test.
DialRecording RecordShapes(kestdial::Dial& pDial, FBHUDElement::Rect pRect = kestdial::kDialRect);

} // namespace kesttest

#endif // KEST_TESTS_DRAWING_DIAL_RECORDING_H
