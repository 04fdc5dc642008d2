#ifndef KESTDIALHUDELEMENT_PASSES_H
#define KESTDIALHUDELEMENT_PASSES_H
// The passes of a dial's draw, in drawing order: each draws one part of the dial with OpenGL and
// FTGL from the draw's input alone, inside the frame that kestdialhudelement_gl_frame.h sets.
// Where things lie comes from kestdialhudelement_geometry.h.

#include "kestdialhudelement_geometry.h"

#include <fbsdk/fbsdk.h>

class FTFont;

//! What one draw shows: the dial's circle and the properties, each read once, but for the label's
//! text, which the label pass reads itself.
struct KestDrawInput {
    KestDialCircle mCircle;
    FBColorAndAlpha mMask;
    FBColorAndAlpha mFont;
    KestDialScale mScale;
    double mMinimum;
    double mMaximum;
    double mValue;
    const FBPropertyString* mLabel;
};

//! The look of one pass of marks.
struct KestMarkPass {
    KestDialMarks mMarks;
    float mLineWidth;
    bool mSmoothLines; //!< whether the pass turns line smoothing on, which the rest then keep
};

//! The major marks' pass and the minor marks', in drawing order.
KestMarkPass KestMajorMarkPass(const KestDialScale& pScale);
KestMarkPass KestMinorMarkPass(const KestDialScale& pScale);

void KestDrawFace(const KestDrawInput& pInput);
//! The font colour, in which the marks and the scale labels are drawn.
void KestUseFontColor(const KestDrawInput& pInput);
void KestDrawMarks(const KestDrawInput& pInput, const KestMarkPass& pPass);
void KestDrawScaleLabels(const KestDrawInput& pInput, FTFont& pScaleFace);
void KestDrawRim(const KestDrawInput& pInput);
void KestDrawReadout(const KestDrawInput& pInput, FTFont& pReadoutFace);
void KestDrawLabel(const KestDrawInput& pInput, FTFont& pLabelFace);
void KestDrawNeedle(const KestDrawInput& pInput);
void KestDrawHub(const KestDrawInput& pInput);

#endif // KESTDIALHUDELEMENT_PASSES_H
