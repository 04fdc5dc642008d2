#ifndef KESTDIALHUDELEMENT_ELEMENT_H
#define KESTDIALHUDELEMENT_ELEMENT_H
// KestDialHUDElement: an analogue dial gauge for the viewer's heads-up display. The needle,
// readout and scale follow the element's animatable properties, evaluated on every draw.

#include <fbsdk/fbsdk.h>

#include "kestdialhudelement_exit_release.h"

#include <cstddef>

class KestTextureFace;

//! The three text faces sized for one radius.
struct KestFaceSet {
    KestTextureFace* mReadout;
    KestTextureFace* mScale;
    KestTextureFace* mLabel;
};

class KestDialHUDElement : public FBHUDElement {
    FBStorableClassDeclare(KestDialHUDElement, FBHUDElement);

public:
    KestDialHUDElement(const char* pName, HIObject pObject = nullptr);

    bool FBCreate() override;
    void FBDestroy() override;
    void GetIntrinsicDimension(FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight) override;
    void DrawElement(FBViewingOptions* pViewingOptions, FBHUDElement::Rect& pRect) override;

    //! Makes faces sized for mRadius current (a kept set of those sizes, else one sized anew) and
    //! records the radius in mTextSize.
    void ResizeText();

private:
    struct Scale;

    //! Sets kept beside the current faces: a viewer of several panes draws an element at a few
    //! radii in every frame.
    enum { kMaxKeptFaceSets = 3 };

    bool LoadFonts();
    void ReleaseFonts();
    void ReleaseFaces();
    KestFaceSet NewFaces() const;
    KestFaceSet CurrentFaces() const;
    void UseFaces(const KestFaceSet& pFaces);
    void UseKeptFaces(int pIndex);
    void KeepCurrentFaces();
    void KeepCurrentFacesFirst(int pEnd);
    KestFaceSet TakeDroppedFaces();
    std::size_t HeldTextureBytes() const;
    void Layout(const FBHUDElement::Rect& pRect);
    void DrawFace(const FBColorAndAlpha& pMask) const;
    void DrawMajorMarks(const Scale& pScale) const;
    void DrawScaleLabels(const Scale& pScale) const;
    void DrawMinorMarks(const Scale& pScale) const;
    void DrawRim() const;
    void DrawReadout(const FBColorAndAlpha& pMask, const FBColorAndAlpha& pFont) const;
    void DrawLabel(const FBColorAndAlpha& pFont);
    void DrawNeedle(const Scale& pScale);
    void DrawHub(const FBColorAndAlpha& pMask) const;
    const char* LabelText() const;

    friend class KestDialHUDElementInspector;

    FBSystem mSystem;
    KestTextureFace* mReadoutFont;
    KestTextureFace* mScaleFont;
    KestTextureFace* mLabelFont;
    int mTextSize;
    unsigned char* mOratorFontData;
    unsigned char* mArialFontData;
    unsigned long mOratorFontSize;
    unsigned long mArialFontSize;
    KestFaceSet mKeptFaces[kMaxKeptFaceSets]; //!< sized for other recent radii, most recent first
    int mKeptFaceCount;
    KestExitRelease mExitRelease;  //!< releases the faces at exit, should the host not have

public:
    FBPropertyAnimatableColorAndAlpha MaskColor;  //!< "Mask Color": face, readout box, hub
    FBPropertyAnimatableColorAndAlpha FontColor;  //!< "Font Color": scale and readout
    FBPropertyAnimatableDouble Minimum;           //!< "Minimum": value at the scale's start
    FBPropertyAnimatableDouble Maximum;           //!< "Maximum": value at the scale's end
    FBPropertyAnimatableDouble Value;             //!< "Value": shown by needle and readout

private:
    double mRadius;
    double mCenterX;
    double mCenterY;

public:
    FBPropertyAnimatableDouble Spread;            //!< "Spread": fraction of the circle
    FBPropertyAnimatableInt Ticks;                //!< "Ticks": number of major intervals
    FBPropertyString Label;                       //!< "Label": caption text
};

#endif // KESTDIALHUDELEMENT_ELEMENT_H
