#ifndef KESTDIALHUDELEMENT_ELEMENT_H
#define KESTDIALHUDELEMENT_ELEMENT_H
// KestDialHUDElement: an analogue dial gauge for the viewer's heads-up display. The needle,
// readout and scale follow the element's animatable properties, evaluated on every draw.

#include <fbsdk/fbsdk.h>

#include "kestdialhudelement_exit_release.h"
#include "kestdialhudelement_face_cache.h"

class KestDialHUDElement : public FBHUDElement {
    FBStorableClassDeclare(KestDialHUDElement, FBHUDElement);

public:
    KestDialHUDElement(const char* pName, HIObject pObject = nullptr);

    bool FBCreate() override;
    void FBDestroy() override;
    void GetIntrinsicDimension(FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight) override;
    void DrawElement(FBViewingOptions* pViewingOptions, FBHUDElement::Rect& pRect) override;

private:
    bool LoadFonts();
    void ReleaseFonts();
    void ResizeText(KestGLContextId pContext);
    void UseFaces(const KestFaceSet& pFaces);
    void Layout(const FBHUDElement::Rect& pRect);

    //! Deliberate: never read, held first and destroyed last as the element has always held it,
    //! so that the host sees its system object made and dropped with each element as before.
    FBSystem mSystem;
    //! Owns the fonts and the faces, and alone tells whether its current faces serve a draw.
    KestFaceCache mFaceCache;
    KestTextureFace* mReadoutFont; //!< the cache's current faces, as UseFaces last took them; null once released
    KestTextureFace* mScaleFont;
    KestTextureFace* mLabelFont;
    KestExitRelease mExitRelease; //!< releases the fonts at exit, should the host not have

public:
    FBPropertyAnimatableColorAndAlpha MaskColor; //!< "Mask Color": face, readout box, hub
    FBPropertyAnimatableColorAndAlpha FontColor; //!< "Font Color": scale and readout
    FBPropertyAnimatableDouble Minimum;          //!< "Minimum": value at the scale's start
    FBPropertyAnimatableDouble Maximum;          //!< "Maximum": value at the scale's end
    FBPropertyAnimatableDouble Value;            //!< "Value": shown by needle and readout

private:
    double mRadius;
    double mCenterX;
    double mCenterY;

public:
    FBPropertyAnimatableDouble Spread; //!< "Spread": fraction of the circle
    FBPropertyAnimatableInt Ticks;     //!< "Ticks": number of major intervals
    FBPropertyString Label;            //!< "Label": caption text
};

#endif // KESTDIALHUDELEMENT_ELEMENT_H
