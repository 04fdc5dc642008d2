#ifndef FBSDK_FBHUD_H
#define FBSDK_FBHUD_H
// Elements of a viewer's heads-up display (FBHUDElement), the viewing options handed to them
// while they draw, and the macro that makes a plug-in's element class creatable. Included
// through fbsdk/fbsdk.h.

#include <fbsdk/fbcomponent.h>

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

class DataFBHUDElement;

//! Justification and docking of a HUD element.
enum FBHUDElementHAlignment { kFBHUDLeft, kFBHUDRight, kFBHUDCenter };
enum FBHUDElementVAlignment { kFBHUDBottom, kFBHUDTop, kFBHUDVCenter = kFBHUDCenter };

typedef FBPropertyBaseEnum<enum FBHUDElementHAlignment> FBPropertyHUDElementHAlignment;
typedef FBPropertyBaseEnum<enum FBHUDElementVAlignment> FBPropertyHUDElementVAlignment;
// The names of the alignments, defined by the SDK library.
template <> const char* FBPropertyBaseEnum<enum FBHUDElementHAlignment>::mStrings[];
template <> const char* FBPropertyBaseEnum<enum FBHUDElementVAlignment>::mStrings[];

class StandInViewingOptions;

//! What the host's viewer is showing; handed to HUD elements while they draw.
class FBSDK_DLL FBViewingOptions {
public:
    FBCamera* GetViewingCamera();

private:
    friend class StandInViewingOptions; // the stand-in host's viewer
    FBViewingOptions();
    FBViewingOptions(const FBViewingOptions&);
    FBViewingOptions& operator=(const FBViewingOptions&);
};

//! Element of a viewer's heads-up display.
class FBSDK_DLL FBHUDElement : public FBBox {
    __FBClassDeclare(FBHUDElement, FBBox);

protected:
    FBHUDElement(const char* pName, HIObject pObject = NULL);

public:
    FBPropertyBool Visibility;                     //!< "Visibility": deprecated form of Show
    FBPropertyBool Show;                           //!< "Show"
    FBPropertyHUDElementHAlignment Justification;  //!< "Justification"
    FBPropertyHUDElementHAlignment HorizontalDock; //!< "Horizontal Dock"
    FBPropertyHUDElementVAlignment VerticalDock;   //!< "Vertical Dock"
    FBPropertyDouble X;                            //!< "X"
    FBPropertyDouble Y;                            //!< "Y"
    FBPropertyBool PositionByPercent;              //!< "Position By Percent"
    FBPropertyBool ScaleByPercent;                 //!< "Scale By Percent"
    FBPropertyDouble Width;                        //!< "Width"
    FBPropertyDouble Height;                       //!< "Height"
    FBPropertyBool ScaleUniformly;                 //!< "Scale Uniformly"

    //! Where the host displays the element, in viewport pixels, and the display size over
    //! the element's intrinsic size.
    struct Rect {
        double mX; //!< lower-left corner
        double mY;
        double mWidth;
        double mHeight;
        double mWidthScale;
        double mHeightScale;
    };

    //! The element's natural size in pixels.
    virtual void GetIntrinsicDimension(FBViewingOptions* pViewingOptins, int& pWidth, int& pHeight);
    //! Draws the element into pRect with the viewer's OpenGL context current.
    virtual void DrawElement(FBViewingOptions* pViewingOption, Rect& pRect);
    virtual bool FbxStore(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat) override;
    virtual bool FbxRetrieve(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat) override;
};

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

//! The storable identity, the creation function and the registration of a HUD element class;
//! expanded at global scope, after fbsdk/fbsdk.h.
#define FBStorableCustomHUDElementImplementation(ClassName, Desc)                                                      \
    const char* ClassName::FbxGetObjectSubType() { return #ClassName; }                                                \
    HIObject RegisterStorable##ClassName##Create(HIObject, const char* pName, void*)                                   \
    {                                                                                                                  \
        ClassName* Class = new ClassName(pName);                                                                       \
        Class->mAllocated = true;                                                                                      \
        if (Class->FBCreate()) return Class->GetHIObject();                                                            \
        delete Class;                                                                                                  \
        return NULL;                                                                                                   \
    }                                                                                                                  \
    void FBModule##ClassName##Storable()                                                                               \
    {                                                                                                                  \
        FBString lGroup("FbxStorable/HUDElement");                                                                     \
        FBRegisterObject(ClassName##R2, lGroup, #ClassName, Desc, RegisterStorable##ClassName##Create, true, NULL);    \
    }

#endif // FBSDK_FBHUD_H
