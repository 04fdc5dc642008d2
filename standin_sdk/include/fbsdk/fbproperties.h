#ifndef FBSDK_FBPROPERTIES_H
#define FBSDK_FBPROPERTIES_H
// Properties: named, typed values of components, shown to users and stored with scenes, and a
// component's list of them. Included through fbsdk/fbsdk.h.

#include <fbsdk/fbplug.h>

#include <cassert>
#include <cstring>

//! Data type names of animatable properties.
#define ANIMATIONNODE_TYPE_NUMBER "Number"
#define ANIMATIONNODE_TYPE_INTEGER "Integer"
#define ANIMATIONNODE_TYPE_COLOR_RGBA "ColorAndAlpha"

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

class FBBox;
class FBComponent;
class FBEvaluateInfo;
class FBFolder;

typedef void (*fbExternalGetSetHandler)(HIObject pObject);

//! Data types of properties.
enum FBPropertyType {
    kFBPT_unknown,
    kFBPT_int,
    kFBPT_int64,
    kFBPT_uint64,
    kFBPT_bool,
    kFBPT_float,
    kFBPT_double,
    kFBPT_charptr,
    kFBPT_enum,
    kFBPT_Time,
    kFBPT_TimeCode,
    kFBPT_object,
    kFBPT_event,
    kFBPT_stringlist,
    kFBPT_Vector4D,
    kFBPT_Vector3D,
    kFBPT_ColorRGB,
    kFBPT_ColorRGBA,
    kFBPT_Action,
    kFBPT_Reference,
    kFBPT_TimeSpan,
    kFBPT_kReference,
    kFBPT_Vector2D
};

//! For whom a value is written as text: a user, or a stored scene.
enum FBDataAsStringFlag { kFBDataAsStringUI, kFBDataAsStringStore };

//! A named, typed value of a component, shown to users and stored with scenes.
class FBSDK_DLL FBProperty : public FBPlug {
    FBClassDeclare(FBProperty, FBPlug);

protected:
    FBString mName;
    void* mParent;

public:
    FBProperty();
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;
    //! Makes this a property of pParent, held by the host; the result is handed to PropertyAdd.
    FBProperty* CreateInternal(FBComponent* pParent, const char* pName, fbExternalGetSetHandler pGet = NULL,
                               fbExternalGetSetHandler pSet = NULL);
    const char* GetName();
    virtual FBPropertyType GetPropertyType();
    const char* GetPropertyTypeName();
    //! The host's description of the value's type, or NULL.
    virtual KDataType* GetDataType();
    //! Copies the value from pData, which points to a value of the property's type.
    virtual void SetData(void* pData);
    //! Copies the value into pData, which holds pSize bytes.
    virtual void GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const;
    //! The value as text.
    virtual const char* AsString(FBDataAsStringFlag pFlag = kFBDataAsStringUI);
    //! Sets the value from text; answers whether the text was taken.
    virtual bool SetString(const char* pString);
    virtual bool IsList();
    virtual bool IsAnimatable();
    virtual bool IsReadOnly();
    //! Name of the pIndex-th value of an enumeration property, or NULL.
    virtual const char* EnumList(int pIndex);
    bool IsInternal() const;
    //! Where the host keeps the value in the property's own type, or NULL.
    void* GetValuePtr() const;
    //! Declares the range; a forced bound also clamps values written later.
    void SetMinMax(double pMin, double pMax, bool pForceMinClamp = false, bool pForceMaxClamp = false);
};

//! Property of a plain value, read and written through handlers or through the host.
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
    //! Read-only for the host's reasons, or for want of a Set handler beside a Get handler.
    virtual bool IsReadOnly() override { return FBProperty::IsReadOnly() || (Get != NULL && Set == NULL); }
    //! Stores the value as it is where the host keeps it in place (past handlers and range),
    //! else sets it.
    virtual void SetPropertyValue(tType pValue)
    {
        tType* lStored = static_cast<tType*>(GetValuePtr());
        if (lStored) {
            *lStored = pValue;
        } else {
            SetData(&pValue);
        }
    }
};

typedef FBPropertyBase<bool, kFBPT_bool> FBPropertyBool;
typedef FBPropertyBase<int, kFBPT_int> FBPropertyInt;
typedef FBPropertyBase<double, kFBPT_double> FBPropertyDouble;

//! Property of an enumeration, whose values are named by mStrings (NULL-terminated). Up to 2018
//! its assignment and conversion name SetData and GetData without "this->", so current
//! compilers reject them where they are used: such properties are read and written as an int
//! through FBProperty's GetData and SetData.
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
    virtual const char* AsString(FBDataAsStringFlag) override
    {
        int lValue = 0;
        this->GetData(&lValue, sizeof(lValue));
        return EnumList(lValue);
    }
    virtual bool SetString(const char* pString) override
    {
        for (int i = 0; pString && EnumList(i); ++i) {
            if (std::strcmp(EnumList(i), pString) == 0) {
                this->SetData(&i);
                return true;
            }
        }
        return false;
    }
    virtual const char* EnumList(int pIndex) override
    {
        for (int i = 0; mStrings[i]; ++i)
            if (i == pIndex) return mStrings[i];
        return NULL;
    }

    static const char* mStrings[];
};

//! Text property. SetData takes the address of a const char*; GetData writes a char*.
class FBSDK_DLL FBPropertyString : public FBPropertyBase<const char*, kFBPT_charptr> {
public:
    void operator=(const char* pValue);
    operator const char*() const;
    virtual void SetPropertyValue(const char* pValue) override;
};

//! Property whose value the host can animate.
class FBSDK_DLL FBPropertyAnimatable : public FBProperty {
public:
    FBPropertyAnimatable();
    virtual ~FBPropertyAnimatable();
    //! Declares the property of pOwner with its data type name (ANIMATIONNODE_TYPE_...) and its
    //! default: four doubles for a colour, one for a number or an integer.
    FBPropertyAnimatable* Init(FBBox* pOwner, const char* pName, const char* pType, double* pInit);
    const char* GetDataTypeName();
    virtual KDataType* GetDataType() override;
    virtual void SetData(void* pData) override;
    virtual void GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo = NULL) const override;
    virtual bool IsAnimatable() override { return true; }
};

// Up to 2018 the members of animatable value properties are only declared: the SDK library
// defines them for the property types it names. From 2019 they are inline.
template <class tType, FBPropertyType pPT> class FBSDK_DLL FBPropertyBaseAnimatable : public FBPropertyAnimatable {
public:
    typedef tType ValueType;

#if FBSDK_STANDIN_YEAR < 2019
    FBPropertyBaseAnimatable();
    virtual ~FBPropertyBaseAnimatable();
    void operator=(tType pValue);
    operator tType() const;
#else
    FBPropertyBaseAnimatable() {}
    virtual ~FBPropertyBaseAnimatable() {}
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

//! Property that holds a list of items.
class FBSDK_DLL FBPropertyBasicList : public FBProperty {
public:
    virtual bool IsList() override;
};

//! A component's list of the components of one class connected to it: those it holds, or
//! those that hold it (mParents).
class FBSDK_DLL FBPropertyListComponentBase : public FBPropertyBasicList {
public:
    FBPropertyListComponentBase();

protected:
    int mClassId;
    bool mParents;
};

class FBSDK_DLL FBPropertyListComponent : public FBPropertyListComponentBase {};

//! Property that refers to a component of one class (TypeInfo points to the class's type id).
template <class tType> class FBPropertyBaseComponent : public FBPropertyBase<tType, kFBPT_object> {
public:
    FBPropertyBaseComponent() : TypeInfo(NULL) {}

    int* TypeInfo;
};

//! A component's properties: those the host declares for its class (cached), then those added
//! to the object itself, in the order they were added.
class FBSDK_DLL FBPropertyManager {
public:
    //! The property named pPropertyName, or NULL.
    FBProperty* Find(const char* pPropertyName, bool pMultilangLookup = true);
    int GetCount();
    FBProperty* operator[](int pIndex);

private:
    friend class FBComponent;
    FBPropertyManager();
    FBPropertyManager(const FBPropertyManager&);
    FBPropertyManager& operator=(const FBPropertyManager&);

    KObject* mObject;
    FBArrayTemplate<FBProperty*> mPropertyCache;
    FBArrayTemplate<FBProperty*> mPropertyLocal;
};

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

#endif // FBSDK_FBPROPERTIES_H
