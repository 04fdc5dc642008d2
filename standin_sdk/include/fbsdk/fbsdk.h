#ifndef FBSDK_FBSDK_H
#define FBSDK_FBSDK_H
// Stand-in for the host's Open Reality SDK header: the subset of classes, properties
// and declaration macros that HUD element plug-ins are written against. Plug-ins include
// only this header and link only libfbsdk.so.1, exactly as with the host's own SDK.
// Kept to C++11 so that plug-ins built with compilers of the host's generation accept it.

#include <cstddef>

#define FBSDK_DLL __attribute__((visibility("default")))

// The host's native object behind every SDK wrapper.
class IObject;
typedef IObject* HIObject;

namespace ORSDK2016 {

class FBComponent;
class FBEvaluateInfo;
class FBViewingOptions;

//! Operations the host passes to a plug-in's entry point.
enum kFBDllOperation { kFBDllLoad, kFBDllUnLoad };

//! Data types of properties.
enum FBPropertyType {
    kFBPT_unknown, kFBPT_int, kFBPT_uint64, kFBPT_int64, kFBPT_bool, kFBPT_float,
    kFBPT_double, kFBPT_charptr, kFBPT_enum, kFBPT_Time, kFBPT_TimeCode, kFBPT_object,
    kFBPT_event, kFBPT_stringlist, kFBPT_Vector4D, kFBPT_Vector3D, kFBPT_ColorRGB,
    kFBPT_ColorRGBA
};

//! Horizontal and vertical placement of a HUD element's rectangle.
enum FBHUDElementHAlignment { kFBHUDLeft, kFBHUDRight, kFBHUDCenter };
enum FBHUDElementVAlignment { kFBHUDBottom, kFBHUDVCenter };

////////////////////////////////////////////////////////////////////////////////
// Strings and values

//! Owned, NUL-terminated text.
class FBSDK_DLL FBString {
public:
    FBString(const char* pString = NULL);
    FBString(const FBString& pString);
    FBString& operator=(const FBString& pString);
    ~FBString();
    operator const char*() const;

private:
    char* mString;
};

//! Colour with alpha: red, green, blue, alpha at indices 0 to 3.
class FBSDK_DLL FBColorAndAlpha {
public:
    FBColorAndAlpha() { mValue[0] = mValue[1] = mValue[2] = 0.0; mValue[3] = 1.0; }
    FBColorAndAlpha(double pR, double pG, double pB, double pA = 1.0)
    { mValue[0] = pR; mValue[1] = pG; mValue[2] = pB; mValue[3] = pA; }
    double& operator[](int pIndex) { return mValue[pIndex]; }
    const double& operator[](int pIndex) const { return mValue[pIndex]; }

    double mValue[4];
};

////////////////////////////////////////////////////////////////////////////////
// Properties

struct FBPropertyData;
typedef void (*fbExternalGetSetHandler)(HIObject pObject, void* pValue);

//! A named, typed value of a component, shown to users and stored with scenes.
class FBSDK_DLL FBProperty {
public:
    FBProperty();
    virtual ~FBProperty();

    //! Makes this a property of pParent named pName; the result is handed to PropertyAdd.
    FBProperty* CreateInternal(FBComponent* pParent, const char* pName,
                               fbExternalGetSetHandler pGet, fbExternalGetSetHandler pSet);
    const char* GetName() const;
    virtual FBPropertyType GetPropertyType() const;
    //! Data type name given when declared ("Number", "ColorAndAlpha", ...), or "".
    const char* GetPropertyTypeName() const;
    bool IsInternal() const;

    //! Copies the value from pData, which points to a value of the property's type.
    virtual bool SetData(void* pData);
    //! Copies the value into pData when pSize bytes hold it.
    virtual bool GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const;

    //! Declares the range; a forced bound also clamps values written later.
    void SetMinMax(double pMin, double pMax, bool pForceMin = false, bool pForceMax = false);

private:
    FBProperty(const FBProperty&);
    FBProperty& operator=(const FBProperty&);

    friend struct FBPropertyAccess;
    FBPropertyData* mData;
};

//! Property of a plain value.
template <class tType, FBPropertyType pPT> class FBPropertyBase : public FBProperty {
public:
    virtual FBPropertyType GetPropertyType() const { return pPT; }
    operator tType() const { tType lValue = tType(); GetData(&lValue, sizeof(lValue)); return lValue; }
    FBPropertyBase& operator=(tType pValue) { SetData(&pValue); return *this; }
};

typedef FBPropertyBase<bool, kFBPT_bool> FBPropertyBool;
typedef FBPropertyBase<int, kFBPT_int> FBPropertyInt;
typedef FBPropertyBase<double, kFBPT_double> FBPropertyDouble;
typedef FBPropertyBase<FBHUDElementHAlignment, kFBPT_enum> FBPropertyHUDElementHAlignment;
typedef FBPropertyBase<FBHUDElementVAlignment, kFBPT_enum> FBPropertyHUDElementVAlignment;

//! Text property; GetData hands back a const char* owned by the property.
class FBSDK_DLL FBPropertyString : public FBProperty {
public:
    FBPropertyString();
    virtual FBPropertyType GetPropertyType() const;
    operator FBString() const;
    FBPropertyString& operator=(const char* pText);
};

//! Property whose value the host can animate; the value is held as doubles.
class FBSDK_DLL FBPropertyAnimatable : public FBProperty {
public:
    //! Declares the property with its data type name and its default, as doubles.
    bool Init(FBComponent* pParent, const char* pName, const char* pDataType, const double* pDefault);
};

template <class tType, FBPropertyType pPT>
class FBPropertyBaseAnimatable : public FBPropertyAnimatable {
public:
    virtual FBPropertyType GetPropertyType() const { return pPT; }
    operator tType() const { tType lValue = tType(); GetData(&lValue, sizeof(lValue)); return lValue; }
    FBPropertyBaseAnimatable& operator=(tType pValue) { SetData(&pValue); return *this; }
};

typedef FBPropertyBaseAnimatable<int, kFBPT_int> FBPropertyAnimatableInt;
typedef FBPropertyBaseAnimatable<double, kFBPT_double> FBPropertyAnimatableDouble;
typedef FBPropertyBaseAnimatable<FBColorAndAlpha, kFBPT_ColorRGBA> FBPropertyAnimatableColorAndAlpha;

////////////////////////////////////////////////////////////////////////////////
// Objects

//! Root of the SDK's object wrappers: run-time identity and the host handle.
class FBSDK_DLL FBPlug {
public:
    FBPlug(HIObject pObject = NULL);
    virtual ~FBPlug();
    virtual const char* ClassName();
    virtual bool Is(int pTypeId);
    virtual int GetTypeId();
    virtual HIObject GetHIObject() const;

    static int TypeInfo;
    //! Next free type id; each class takes one while its library loads.
    static int mGlobalTypeInfo;

private:
    FBPlug(const FBPlug&);
    FBPlug& operator=(const FBPlug&);

    HIObject mObject;
};

struct FBComponentData;

//! Object with properties, created and destroyed by the host.
class FBSDK_DLL FBComponent : public FBPlug {
public:
    FBComponent(HIObject pObject);
    virtual ~FBComponent();
    virtual const char* ClassName();
    virtual bool Is(int pTypeId);
    virtual int GetTypeId();
    //! Deletes the object: FBDestroy, then the object itself when its creator allocated it.
    virtual void FBDelete();
    virtual bool FBCreate();
    virtual void FBDestroy();
    virtual const char* FbxGetObjectSubType();
    //! Adds a property to the component's list; answers its index.
    virtual int PropertyAdd(FBProperty* pProperty);

    static void* operator new(size_t pSize);
    static void operator delete(void* pObject);

    static int TypeInfo;
    //! Set by the creation function of a class that allocated the object.
    bool mAllocated;

private:
    friend struct FBComponentAccess;
    FBComponentData* mComponentData;
};

class FBSDK_DLL FBBox : public FBComponent {
public:
    FBBox(HIObject pObject);
    virtual ~FBBox();
    static int TypeInfo;
};

class FBSDK_DLL FBCamera : public FBBox {
public:
    FBCamera(const char* pName, HIObject pObject = NULL);
    virtual ~FBCamera();
    FBPropertyDouble ResolutionWidth;   //!< "Resolution Width"
    FBPropertyDouble ResolutionHeight;  //!< "Resolution Height"
};

struct FBViewingOptionsData;

//! What the host's viewer is showing; handed to HUD elements while they draw.
class FBSDK_DLL FBViewingOptions {
public:
    FBViewingOptions();
    ~FBViewingOptions();
    FBCamera* GetViewingCamera();

private:
    FBViewingOptions(const FBViewingOptions&);
    FBViewingOptions& operator=(const FBViewingOptions&);

    friend struct FBViewingOptionsAccess;
    FBViewingOptionsData* mViewingOptionsData;
};

//! Element of a viewer's heads-up display.
class FBSDK_DLL FBHUDElement : public FBBox {
public:
    //! The viewport rectangle the host lays out for the element, in pixels.
    struct Rect {
        double mX;
        double mY;
        double mWidth;
        double mHeight;
    };

    FBHUDElement(const char* pName, HIObject pObject = NULL);
    virtual ~FBHUDElement();
    //! The element's natural size in pixels.
    virtual void GetIntrinsicDimension(FBViewingOptions* pViewingOptions, int& pWidth, int& pHeight);
    //! Draws the element into pRect with the viewer's OpenGL context current.
    virtual void DrawElement(FBViewingOptions* pViewingOptions, FBHUDElement::Rect& pRect);

    static int TypeInfo;

    FBPropertyBool Show;                                  //!< "Show"
    FBPropertyDouble X;                                   //!< "X"
    FBPropertyDouble Y;                                   //!< "Y"
    FBPropertyDouble Width;                               //!< "Width"
    FBPropertyDouble Height;                              //!< "Height"
    FBPropertyBool ScaleUniformly;                        //!< "Scale Uniformly"
    FBPropertyHUDElementHAlignment HorizontalPlacement;   //!< "Horizontal Placement"
    FBPropertyHUDElementVAlignment VerticalPlacement;     //!< "Vertical Placement"
};

//! The host's system object.
class FBSDK_DLL FBSystem {
public:
    FBSystem();
    ~FBSystem();

private:
    FBSystem(const FBSystem&);
    FBSystem& operator=(const FBSystem&);
};

////////////////////////////////////////////////////////////////////////////////
// Registration

//! Creates an object of a registered class; answers its handle, or null.
typedef HIObject (*kFBObjectCreateCallback)(HIObject pOwner, const char* pName, void* pData);

//! Registers a creatable class under a group; answers whether the host took it.
FBSDK_DLL bool FBObject_Register(const char* pGroupName, const char* pEntryName,
                                 const char* pDescription, kFBObjectCreateCallback pCallback,
                                 bool pShowInBrowser, const char* pIconFilename);

//! Base of a plug-in's library object.
class FBSDK_DLL FBLibraryBase {
public:
    FBLibraryBase();
    virtual bool IQuery(int pInterfaceId);
    virtual void Destroy();
    virtual ~FBLibraryBase();
};

//! A plug-in's library object; the plug-in defines its operations.
class FBLibrary : public FBLibraryBase {
public:
    virtual ~FBLibrary() {}
    virtual bool LibInit();
    virtual bool LibOpen();
    virtual bool LibReady();
    virtual bool LibClose();
    virtual bool LibRelease();
};

} // namespace ORSDK2016

////////////////////////////////////////////////////////////////////////////////
// Declaration macros of plug-in libraries and their classes

//! Declares the library object, LIBRARY_INIT and the entry point; the block that follows
//! (closed by FBLibraryDeclareEnd) runs when the library loads.
#define FBLibraryDeclare(Name)                                                             \
    static ORSDK2016::FBLibrary Name##GlobalFBLibrary;                                     \
    extern "C" FBSDK_DLL bool LIBRARY_INIT() { return Name##GlobalFBLibrary.LibInit(); }   \
    FBSDK_DLL void EntryPoint##Name(ORSDK2016::kFBDllOperation pOperation);               \
    __attribute__((constructor)) FBSDK_DLL void KdsoInit##Name();                          \
    __attribute__((destructor)) FBSDK_DLL void KdsoDone##Name();                           \
    void KdsoInit##Name() { EntryPoint##Name(ORSDK2016::kFBDllLoad); }                     \
    void KdsoDone##Name() { EntryPoint##Name(ORSDK2016::kFBDllUnLoad); }                   \
    void EntryPoint##Name(ORSDK2016::kFBDllOperation pOperation)                           \
    {                                                                                      \
        if (pOperation != ORSDK2016::kFBDllLoad) return;

#define FBLibraryDeclareEnd }

//! Inside FBLibraryDeclare: registers a storable class of this library.
#define FBLibraryRegisterStorable(ClassName)                                               \
    {                                                                                      \
        extern void FBModule##ClassName##Storable();                                       \
        FBModule##ClassName##Storable();                                                   \
    }

//! In a HUD element's class body: its run-time identity.
#define FBHUDElementDeclare(Name, Parent)                                                  \
public:                                                                                    \
    virtual const char* ClassName() override;                                              \
    virtual bool Is(int pTypeId) override;                                                 \
    virtual int GetTypeId() override;                                                      \
    virtual const char* FbxGetObjectSubType() override;                                    \
    static int TypeInfo

//! In the HUD element's source: its type id, taken while the library loads, and identity.
#define FBHUDElementImplementation(Name)                                                   \
    const char* Name::ClassName() { return #Name; }                                        \
    const char* Name::FbxGetObjectSubType() { return #Name; }                              \
    int Name::GetTypeId() { return Name::TypeInfo; }                                       \
    bool Name::Is(int pTypeId)                                                             \
    {                                                                                      \
        if (pTypeId == Name::TypeInfo) return true;                                        \
        if (pTypeId == ORSDK2016::FBHUDElement::TypeInfo) return true;                     \
        if (pTypeId == ORSDK2016::FBBox::TypeInfo) return true;                            \
        return ORSDK2016::FBComponent::Is(pTypeId);                                        \
    }                                                                                      \
    int Name::TypeInfo = ORSDK2016::FBPlug::mGlobalTypeInfo++

//! In the library's source: the creation function and the one-time registration of a HUD
//! element class under "FbxStorable/HUDElement", shown to users as Label.
#define FBRegisterHUDElement(Name, Label)                                                  \
    FBSDK_DLL HIObject RegisterStorable##Name##Create(HIObject, const char* pName, void*)  \
    {                                                                                      \
        Name* lElement = new Name(pName, NULL);                                            \
        lElement->mAllocated = true;                                                       \
        bool lCreated = false;                                                             \
        try {                                                                              \
            lCreated = lElement->FBCreate();                                               \
        } catch (...) {                                                                    \
            delete lElement;                                                               \
            throw;                                                                         \
        }                                                                                  \
        if (lCreated) return lElement->GetHIObject();                                      \
        delete lElement;                                                                   \
        return NULL;                                                                       \
    }                                                                                      \
    FBSDK_DLL void FBModule##Name##Storable()                                              \
    {                                                                                      \
        ORSDK2016::FBString lGroup("FbxStorable/HUDElement");                              \
        static int __R##Name##R2 = ORSDK2016::FBObject_Register(                           \
            lGroup, #Name, Label, RegisterStorable##Name##Create, true, NULL);             \
        (void)__R##Name##R2;                                                               \
    }                                                                                      \
    FBSDK_DLL void FBModule##Name##Storable()

#endif // FBSDK_FBSDK_H
