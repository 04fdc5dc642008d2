#ifndef KESTDIALHUDELEMENT_ELEMENT_H
#define KESTDIALHUDELEMENT_ELEMENT_H
// KestDialHUDElement: an analogue dial gauge for the viewer's heads-up display. The needle,
// readout and scale follow the element's animatable properties, evaluated on every draw.

#include <fbsdk/fbsdk.h>

class FTTextureFont;

class KestDialHUDElement : public ORSDK2016::FBHUDElement {
    FBHUDElementDeclare(KestDialHUDElement, ORSDK2016::FBHUDElement);

public:
    KestDialHUDElement(const char* pName, HIObject pObject = nullptr);
    ~KestDialHUDElement() override;

    void FBDelete() override;
    bool FBCreate() override;
    void FBDestroy() override;
    void GetIntrinsicDimension(ORSDK2016::FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight) override;
    void DrawElement(ORSDK2016::FBViewingOptions* pViewingOptions, ORSDK2016::FBHUDElement::Rect& pRect) override;

    //! Sizes the three faces for mRadius and records the radius in mTextSize.
    void ResizeText();

private:
    struct Point {
        double mX;
        double mY;
    };
    struct Scale;

    bool LoadFonts();
    void ReleaseFonts();
    void Layout(const ORSDK2016::FBHUDElement::Rect& pRect);
    Point DialPoint(float pAngle, double pFactor) const;
    void Vertex(float pAngle, double pFactor) const;
    void DrawFace(const ORSDK2016::FBColorAndAlpha& pMask) const;
    void DrawMajorMarks(const Scale& pScale) const;
    void DrawScaleLabels(const Scale& pScale) const;
    void DrawMinorMarks(const Scale& pScale) const;
    void DrawRim() const;
    void DrawReadout(const ORSDK2016::FBColorAndAlpha& pMask, const ORSDK2016::FBColorAndAlpha& pFont) const;
    void DrawLabel(const ORSDK2016::FBColorAndAlpha& pFont);
    void DrawNeedle(const Scale& pScale);
    void DrawHub(const ORSDK2016::FBColorAndAlpha& pMask) const;
    const char* LabelText() const;

    friend class KestDialHUDElementInspector;

    ORSDK2016::FBSystem mSystem;
    FTTextureFont* mReadoutFont;
    FTTextureFont* mScaleFont;
    FTTextureFont* mLabelFont;
    int mTextSize;
    unsigned char* mOratorFontData;
    unsigned char* mArialFontData;

public:
    ORSDK2016::FBPropertyAnimatableColorAndAlpha MaskColor;  //!< "Mask Color": face, readout box, hub
    ORSDK2016::FBPropertyAnimatableColorAndAlpha FontColor;  //!< "Font Color": scale and readout
    ORSDK2016::FBPropertyAnimatableDouble Minimum;           //!< "Minimum": value at the scale's start
    ORSDK2016::FBPropertyAnimatableDouble Maximum;           //!< "Maximum": value at the scale's end
    ORSDK2016::FBPropertyAnimatableDouble Value;             //!< "Value": shown by needle and readout

private:
    double mRadius;
    double mCenterX;
    double mCenterY;

public:
    ORSDK2016::FBPropertyAnimatableDouble Spread;            //!< "Spread": fraction of the circle
    ORSDK2016::FBPropertyAnimatableInt Ticks;                //!< "Ticks": number of major intervals
    ORSDK2016::FBPropertyString Label;                       //!< "Label": caption text
};

#endif // KESTDIALHUDELEMENT_ELEMENT_H
