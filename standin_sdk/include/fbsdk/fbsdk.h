#ifndef FBSDK_FBSDK_H
#define FBSDK_FBSDK_H
// Stand-in for the host's Open Reality SDK: the one header a plug-in includes. It declares, for
// the classes, properties, registry and macros that HUD element plug-ins use, what the SDK's
// public headers declare: the same names, bases, signatures, default arguments, member order
// and macro expansions, in the SDK's namespace, which the header ends by bringing into the
// global namespace. A plug-in that builds against it builds against the SDK of the release
// named in fbsdk/fbversion.h. It keeps to C++11, as plug-ins of the host's generation do.

#include <fbsdk/fbversion.h>
#include <kaydara.h>
#include <object/i/iobject.h>

#include <cassert>
#include <cstddef>

// Exported from a plug-in: nothing up to 2018, default visibility from 2019. The SDK's own
// declarations are imported, which on Linux needs no attribute.
#if FBSDK_STANDIN_YEAR >= 2019
#define K_DLLEXPORT __attribute__((visibility("default")))
#else
#define K_DLLEXPORT
#endif
#define K_DLLIMPORT
#define FBSDK_DLL K_DLLIMPORT

K_FORWARD(IError)
K_FORWARD(KGlobalNamedEvent)

//! Operations the host passes to a plug-in's entry point.
enum kFBDllOperation { kFBDllLoad = 0, kFBDllUnLoad = 1 };

//! Data type names of animatable properties.
#define ANIMATIONNODE_TYPE_NUMBER "Number"
#define ANIMATIONNODE_TYPE_INTEGER "Integer"
#define ANIMATIONNODE_TYPE_COLOR_RGBA "ColorAndAlpha"

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

class FBBox;
class FBCamera;
class FBComponent;
class FBEvaluateInfo;
class FBProperty;
class FBViewingOptions;
class DataFBComponent;
class DataFBBox;
class DataFBModel;
class DataFBCamera;
class DataFBHUDElement;
class DataFBSystem;
class DataFBPropertyManager;

typedef kObjectCreatorFnc kFBObjectCreatorFnc;
typedef void (*fbExternalGetSetHandler)(HIObject pObject);

//! Data types of properties.
enum FBPropertyType {
    kFBPT_unknown, kFBPT_int, kFBPT_int64, kFBPT_uint64, kFBPT_bool, kFBPT_float, kFBPT_double, kFBPT_charptr,
    kFBPT_enum, kFBPT_Time, kFBPT_TimeCode, kFBPT_object, kFBPT_event, kFBPT_stringlist, kFBPT_Vector4D,
    kFBPT_Vector3D, kFBPT_ColorRGB, kFBPT_ColorRGBA, kFBPT_Action, kFBPT_Reference, kFBPT_TimeSpan,
    kFBPT_kReference, kFBPT_Vector2D
};

//! Justification and docking of a HUD element.
enum FBHUDElementHAlignment { kFBHUDLeft, kFBHUDRight, kFBHUDCenter };
enum FBHUDElementVAlignment { kFBHUDBottom, kFBHUDTop, kFBHUDVCenter = kFBHUDCenter };

////////////////////////////////////////////////////////////////////////////////
// Class declaration macros

// Run-time identity of an SDK class, in its body: ends with "private:".
#define __FBClassDeclare(Name, Parent)                                                                      \
public:                                                                                                    \
    typedef Parent __FBParentClass;                                                                        \
    typedef Name __FBClassType;                                                                            \
    virtual const char* ClassName() override { return #Name; }                                             \
    virtual bool Is(int pTypeId) override { return pTypeId == TypeInfo ? true : __FBParentClass::Is(pTypeId); } \
    virtual int GetTypeId() override { return TypeInfo; }                                                  \
    Data##Name* mLocalPtr;                                                                                 \
    virtual ~Name();                                                                                       \
    static int TypeInfo;                                                                                   \
                                                                                                           \
private:

//! Run-time identity of a class derived from an SDK class, in its body: ends with "private:".
//! The class declares no destructor and no FBDelete of its own.
#define FBClassDeclare(Name, Parent)                \
public:                                             \
    typedef Parent ParentClass;                     \
    virtual const char* ClassName() override;       \
    static int TypeInfo;                            \
    virtual bool Is(int pTypeId) override;          \
    virtual void FBDelete() override;               \
    virtual int GetTypeId() override;               \
    virtual ~Name();                                \
                                                    \
private:

//! FBClassDeclare for a class whose objects are stored with scenes.
#define FBStorableClassDeclare(Name, Parent)                \
    FBClassDeclare(Name, Parent)                            \
public:                                                     \
    virtual const char* FbxGetObjectSubType() override;     \
                                                            \
private:

//! Definitions of what FBClassDeclare declares; the type id is taken while the library loads.
#define FBClassImplementation(Name)                                                       \
    Name::~Name() {}                                                                      \
    const char* Name::ClassName() { return #Name; }                                       \
    int Name::GetTypeId() { return TypeInfo; }                                            \
    bool Name::Is(int pTypeId) { return pTypeId == TypeInfo ? true : ParentClass::Is(pTypeId); } \
    void Name::FBDelete() { ParentClass::FBDelete(); }                                    \
    int Name::TypeInfo = FBPlug::mGlobalTypeInfo++

//! The first statement of a constructor.
#define FBClassInit

////////////////////////////////////////////////////////////////////////////////
// Strings and values

//! Owned, NUL-terminated text.
class FBSDK_DLL FBString {
public:
    FBString();
    FBString(const char* pString);
    FBString(const FBString& pString);
    ~FBString();
    operator char*() const;
    operator const char*() const;
    const FBString& operator=(const char* pString);
    const FBString& operator=(const FBString& pString);

private:
    char* mStr;
};

template <class tType> class FBVector4 {
public:
    tType mValue[4];
};

//! Colour with alpha: red, green, blue, alpha at indices 0 to 3.
class FBSDK_DLL FBColorAndAlpha : public FBVector4<double> {
public:
    FBColorAndAlpha();
    FBColorAndAlpha(double* pValue);
    FBColorAndAlpha(double pRed, double pGreen, double pBlue, double pAlpha = 1.0);
    FBColorAndAlpha(const FBColorAndAlpha& pVector);
    const FBColorAndAlpha& operator=(const FBColorAndAlpha& pVector);
    void operator=(double* pValue);
    double& operator[](int pIndex);
    //! How a constant colour is indexed.
    operator double*() const;
};

////////////////////////////////////////////////////////////////////////////////
// Wrapped objects

class FBSDK_DLL FBWrapperHolder {
public:
    virtual ~FBWrapperHolder();
};

//! Root of the SDK's wrappers of host objects: run-time identity and the host handle.
class FBSDK_DLL FBPlug : public ICallback, public FBWrapperHolder {
public:
    virtual ~FBPlug();
    virtual HIObject GetHIObject() const;
    virtual bool SetHIObject(HIObject pObject, bool pSDKComponent);
    virtual const char* ClassName();
    virtual bool Is(int pTypeId);
    virtual int GetTypeId();
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;

    static const char* ClassGroupName;
    static int TypeInfo;
    //! Set by the creation function of a class that allocated the object.
    bool mAllocated;

protected:
    FBPlug(HIObject pObject);
    virtual void FBDelete();

    //! Next free type id; each class takes one while its library loads.
    static int mGlobalTypeInfo;
    HIObject mObject;
    bool mSDKComponent;

private:
    FBPlug(const FBPlug&);
    FBPlug& operator=(const FBPlug&);
};

////////////////////////////////////////////////////////////////////////////////
// Properties

//! A named, typed value of a component, shown to users and stored with scenes.
class FBSDK_DLL FBProperty : public FBPlug {
    FBClassDeclare(FBProperty, FBPlug);

protected:
    FBString mName;
    void* mParent;

public:
    FBProperty();
    //! Makes this a property of pParent, held by the host; the result is handed to PropertyAdd.
    FBProperty* CreateInternal(FBComponent* pParent, const char* pName, fbExternalGetSetHandler pGet = NULL,
                               fbExternalGetSetHandler pSet = NULL);
    const char* GetName();
    virtual FBPropertyType GetPropertyType();
    const char* GetPropertyTypeName();
    //! Copies the value from pData, which points to a value of the property's type.
    virtual void SetData(void* pData);
    //! Copies the value into pData, which holds pSize bytes.
    virtual void GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const;
    bool IsInternal() const;
    //! Declares the range; a forced bound also clamps values written later.
    void SetMinMax(double pMin, double pMax, bool pForceMinClamp = false, bool pForceMaxClamp = false);
};

//! Property of a plain value, read and written through the host or through handlers.
template <class tType, FBPropertyType pPT> class FBPropertyBase : public FBProperty {
protected:
    void (*Set)(void* pObject, tType pValue);
    tType (*Get)(void* pObject);

public:
    typedef tType ValueType;

    FBPropertyBase() : Set(NULL), Get(NULL) {}
    void operator=(tType pValue) { SetData(&pValue); }
    operator tType() const
    {
        tType lValue = tType();
        GetData(&lValue, sizeof(lValue));
        return lValue;
    }
    virtual FBPropertyType GetPropertyType() override { return pPT; }
    virtual void SetData(void* pData) override
    {
        if (Set) {
            Set(mParent, *static_cast<tType*>(pData));
        } else {
            assert(Set != NULL || IsInternal());
            if (IsInternal()) FBProperty::SetData(pData);
        }
    }
    virtual void GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const override
    {
        if (Get) {
            *static_cast<tType*>(pData) = Get(mParent);
        } else {
            assert(Get != NULL || IsInternal());
            if (IsInternal()) FBProperty::GetData(pData, pSize, pEvalInfo);
        }
    }
};

typedef FBPropertyBase<bool, kFBPT_bool> FBPropertyBool;
typedef FBPropertyBase<int, kFBPT_int> FBPropertyInt;
typedef FBPropertyBase<double, kFBPT_double> FBPropertyDouble;

//! Property of an enumeration. Up to 2018 its assignment and conversion name SetData and
//! GetData without "this->", so current compilers reject them where they are used: such
//! properties are read and written as an int through FBProperty's GetData and SetData.
template <class tType> class FBPropertyBaseEnum : public FBPropertyBase<tType, kFBPT_enum> {
public:
#if FBSDK_STANDIN_YEAR < 2019
    void operator=(tType pValue) { SetData(&pValue); }
    operator tType() const
    {
        tType lValue;
        GetData(&lValue, sizeof(lValue));
        return lValue;
    }
#else
    void operator=(tType pValue) { this->SetData(&pValue); }
    operator tType() const
    {
        tType lValue;
        this->GetData(&lValue, sizeof(lValue));
        return lValue;
    }
#endif
};

typedef FBPropertyBaseEnum<enum FBHUDElementHAlignment> FBPropertyHUDElementHAlignment;
typedef FBPropertyBaseEnum<enum FBHUDElementVAlignment> FBPropertyHUDElementVAlignment;

//! Text property. SetData takes the address of a const char*; GetData writes a char*.
class FBSDK_DLL FBPropertyString : public FBPropertyBase<const char*, kFBPT_charptr> {
public:
    void operator=(const char* pValue);
    operator const char*() const;
};

//! Property whose value the host can animate.
class FBSDK_DLL FBPropertyAnimatable : public FBProperty {
public:
    //! Declares the property of pOwner with its data type name (ANIMATIONNODE_TYPE_...) and its
    //! default: four doubles for a colour, one for a number or an integer.
    FBPropertyAnimatable* Init(FBBox* pOwner, const char* pName, const char* pType, double* pInit);
    const char* GetDataTypeName();
    virtual void SetData(void* pData) override;
    virtual void GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const override;
};

// Up to 2018 the members of animatable value properties are only declared: the SDK library
// defines them for the property types it names. From 2019 they are inline.
template <class tType, FBPropertyType pPT> class FBSDK_DLL FBPropertyBaseAnimatable : public FBPropertyAnimatable {
public:
    typedef tType ValueType;

#if FBSDK_STANDIN_YEAR < 2019
    void operator=(tType pValue);
    operator tType() const;
#else
    void operator=(tType pValue) { FBPropertyAnimatable::SetData(&pValue); }
    operator tType() const
    {
        tType lValue;
        FBPropertyAnimatable::GetData(&lValue, sizeof(lValue));
        return lValue;
    }
#endif
    virtual FBPropertyType GetPropertyType() override { return pPT; }
};

typedef FBPropertyBaseAnimatable<double, kFBPT_double> FBPropertyAnimatableDouble;
typedef FBPropertyBaseAnimatable<int, kFBPT_int> FBPropertyAnimatableInt;
typedef FBPropertyBaseAnimatable<FBColorAndAlpha, kFBPT_ColorRGBA> FBPropertyAnimatableColorAndAlpha;

//! A component's properties, in the order they were added.
class FBSDK_DLL FBPropertyManager {
public:
    //! The property named pPropertyName, or NULL.
    FBProperty* Find(const char* pPropertyName, bool pMultilangLookup = true);
    int GetCount();
    FBProperty* operator[](int pIndex);

private:
    friend class FBComponent;
    FBPropertyManager();
    ~FBPropertyManager();
    FBPropertyManager(const FBPropertyManager&);
    FBPropertyManager& operator=(const FBPropertyManager&);

    DataFBPropertyManager* mLocalPtr;
};

////////////////////////////////////////////////////////////////////////////////
// Components

//! Object with properties, created and destroyed by the host.
class FBSDK_DLL FBComponent : public FBPlug {
public:
    DataFBComponent* mLocalPtr;

protected:
    FBString mName;

public:
    FBPropertyManager PropertyList;

    static int TypeInfo;
    FBComponent(HIObject pObject);
    virtual ~FBComponent();
    virtual bool FBCreate();
    virtual void FBDestroy();
    //! Ends the object: FBDestroy, then, when its creator allocated it, the object itself.
    virtual void FBDelete() override;
    //! Adds a property to PropertyList; answers its index.
    virtual int PropertyAdd(FBProperty* pProperty);
    virtual const char* ClassName() override;
    virtual bool Is(int pTypeId) override;
    virtual int GetTypeId() override;

    void* operator new(size_t stAllocateBlock);
    void operator delete(void* pvMem);
    void* operator new(size_t stAllocateBlock, int blockType, const char* filename, int linenumber);
#if FBSDK_STANDIN_YEAR >= 2020
    void operator delete(void* pvMem, int blockType, const char* filename, int linenumber);
#endif
};

class FBSDK_DLL FBBox : public FBComponent {
    __FBClassDeclare(FBBox, FBComponent);

public:
    FBBox(const char* pName, HIObject pObject = NULL);
    virtual const char* FbxGetObjectSubType();
};

class FBSDK_DLL FBModel : public FBBox {
    __FBClassDeclare(FBModel, FBBox);

public:
    FBModel(const char* pName, HIObject pObject = NULL);
};

class FBSDK_DLL FBCamera : public FBModel {
    __FBClassDeclare(FBCamera, FBModel);

public:
    FBCamera(const char* pName, HIObject pObject = NULL);

    FBPropertyDouble ResolutionWidth;   //!< "Resolution Width"
    FBPropertyDouble ResolutionHeight;  //!< "Resolution Height"
};

class StandInViewingOptions;

//! What the host's viewer is showing; handed to HUD elements while they draw.
class FBSDK_DLL FBViewingOptions {
public:
    FBCamera* GetViewingCamera();

private:
    friend class StandInViewingOptions;  // the stand-in host's viewer
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
    FBPropertyBool Visibility;                           //!< "Visibility": deprecated form of Show
    FBPropertyBool Show;                                 //!< "Show"
    FBPropertyHUDElementHAlignment Justification;        //!< "Justification"
    FBPropertyHUDElementHAlignment HorizontalDock;       //!< "Horizontal Dock"
    FBPropertyHUDElementVAlignment VerticalDock;         //!< "Vertical Dock"
    FBPropertyDouble X;                                  //!< "X"
    FBPropertyDouble Y;                                  //!< "Y"
    FBPropertyBool PositionByPercent;                    //!< "Position By Percent"
    FBPropertyBool ScaleByPercent;                       //!< "Scale By Percent"
    FBPropertyDouble Width;                              //!< "Width"
    FBPropertyDouble Height;                             //!< "Height"
    FBPropertyBool ScaleUniformly;                       //!< "Scale Uniformly"

    //! Where the host displays the element, in viewport pixels, and the display size over
    //! the element's intrinsic size.
    struct Rect {
        double mX;  //!< lower-left corner
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
};

//! The host's system object.
class FBSDK_DLL FBSystem : public FBComponent {
    __FBClassDeclare(FBSystem, FBComponent);

public:
    FBSystem();
};

////////////////////////////////////////////////////////////////////////////////
// Registry and libraries

//! Registers a creatable class under a group; answers whether the host took it.
FBSDK_DLL bool FBObject_Register(const char* pGroupName, const char* pEntryName, const char* pDescription,
                                 kObjectCreatorFnc pCreatorFnc, bool pIsMultipleAllowed, const char* pIconFilename);

//! The SDK wrapper of a host object, or NULL.
FBSDK_DLL FBComponent* FBGetFBComponent(HIObject pObject, bool pAutoCreate = true);

//! Base of a plug-in's library object.
class FBSDK_DLL FBLibraryBase : public ICallback {
public:
    FBLibraryBase();
    virtual ~FBLibraryBase();
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;
    virtual bool LibInit();
    virtual bool LibOpen();
    virtual bool LibReady();
    virtual bool LibClose();
    virtual bool LibRelease();

    KGlobalNamedEvent* mLibrary_Open;
    KGlobalNamedEvent* mLibrary_Ready;
    KGlobalNamedEvent* mLibrary_Close;
    KGlobalNamedEvent* mLibrary_Release;
};

//! A plug-in's library object. The SDK never defines these: each plug-in defines all five.
class FBLibrary : public FBLibraryBase {
public:
    virtual bool LibInit();
    virtual bool LibOpen();
    virtual bool LibReady();
    virtual bool LibClose();
    virtual bool LibRelease();
};

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

////////////////////////////////////////////////////////////////////////////////
// Registration and library macros: expanded at global scope, after this header.

//! Registers a class with the host once: on the first call of the function it is in.
#if FBSDK_STANDIN_YEAR >= 2022
#if __cplusplus < 201703L
#define maybe_unused gnu::unused
#endif
#define FBRegisterObject(LocalId, Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)   \
    [[maybe_unused]] static bool __R##LocalId =                                                         \
        FBObject_Register(Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)
#else
#define FBRegisterObject(LocalId, Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)   \
    static int __R##LocalId = FBObject_Register(Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)
#endif

//! The storable identity, the creation function and the registration of a HUD element class.
#define FBStorableCustomHUDElementImplementation(ClassName, Desc)                                    \
    const char* ClassName::FbxGetObjectSubType() { return #ClassName; }                             \
    HIObject RegisterStorable##ClassName##Create(HIObject, const char* pName, void*)                \
    {                                                                                               \
        ClassName* Class = new ClassName(pName);                                                    \
        Class->mAllocated = true;                                                                   \
        if (Class->FBCreate()) return Class->GetHIObject();                                         \
        delete Class;                                                                               \
        return NULL;                                                                                \
    }                                                                                               \
    void FBModule##ClassName##Storable()                                                            \
    {                                                                                               \
        FBString lGroup("FbxStorable/HUDElement");                                                  \
        FBRegisterObject(ClassName##R2, lGroup, #ClassName, Desc, RegisterStorable##ClassName##Create, true, NULL); \
    }

//! Inside FBLibraryDeclare: registers a storable class of the library.
#define FBLibraryRegisterStorable(ClassName)            \
    {                                                   \
        extern void FBModule##ClassName##Storable();    \
        FBModule##ClassName##Storable();                \
    }

//! The entry point, and the library constructor and destructor that call it at load and unload;
//! ends with the head of the entry point's definition.
#define FB_DLL_INIT(DllName, Startup)                                                        \
    void EntryPoint##DllName(kFBDllOperation Startup);                                      \
    __attribute__((constructor)) void KdsoInit##DllName(void) { EntryPoint##DllName(kFBDllLoad); }   \
    __attribute__((destructor)) void KdsoDone##DllName(void) { EntryPoint##DllName(kFBDllUnLoad); }  \
    void EntryPoint##DllName(kFBDllOperation Startup)

#define FB_EXT_INIT

//! The library object, LIBRARY_INIT and the entry point; the block that follows, closed by
//! FBLibraryDeclareEnd, runs when the library loads.
#define FBLibraryDeclare(LibName)                                                            \
    static FBLibrary LibName##GlobalFBLibrary;                                              \
    extern "C" {                                                                            \
    K_DLLEXPORT bool LIBRARY_INIT(HIError)                                                  \
    {                                                                                       \
        FB_EXT_INIT                                                                         \
        return LibName##GlobalFBLibrary.LibInit();                                          \
    }                                                                                       \
    }                                                                                       \
    FB_DLL_INIT(LibName, Operation)                                                         \
    {                                                                                       \
        switch (Operation) {                                                                \
        case kFBDllLoad: {

#define FBLibraryDeclareEnd \
    }                       \
    break;                  \
    default: break;         \
    }                       \
    }

#ifdef FBSDKUseNamespace
using namespace FBSDKNamespace;
#endif

#endif // FBSDK_FBSDK_H
