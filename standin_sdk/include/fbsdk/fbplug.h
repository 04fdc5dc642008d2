#ifndef FBSDK_FBPLUG_H
#define FBSDK_FBPLUG_H
// The base of the SDK's wrappers of host objects (FBPlug), the values they pass (FBString,
// FBColorAndAlpha) and the macros that give SDK classes and plug-in classes their run-time
// identity. Included through fbsdk/fbsdk.h.

#include <fbsdk/fbversion.h>
#include <kaydara.h>
#include <object/i/iobject.h>

#include <cstdlib>
#include <new>

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
K_FORWARD(KObject)
K_FORWARD(KDataType)

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

class FBScriptWrapper;

//! What happens to a connection between plugs, told to the plugs it connects. The stand-in
//! host makes no connections, so it names none.
enum FBConnectionAction : int;
//! The kind of a connection between plugs.
enum FBConnectionType : int;

////////////////////////////////////////////////////////////////////////////////
// Class declaration macros

// Run-time identity of an SDK class, in its body: ends with "private:".
#define __FBClassDeclare(Name, Parent)                                                                                 \
public:                                                                                                                \
    typedef Parent __FBParentClass;                                                                                    \
    typedef Name __FBClassType;                                                                                        \
    virtual const char* ClassName() override { return #Name; }                                                         \
    virtual bool Is(int pTypeId) override { return pTypeId == TypeInfo ? true : __FBParentClass::Is(pTypeId); }        \
    virtual int GetTypeId() override { return TypeInfo; }                                                              \
    Data##Name* mLocalPtr;                                                                                             \
    virtual ~Name();                                                                                                   \
    static int TypeInfo;                                                                                               \
                                                                                                                       \
private:

//! Run-time identity of a class derived from an SDK class, in its body: ends with "private:".
//! The class declares no destructor and no FBDelete of its own.
#define FBClassDeclare(Name, Parent)                                                                                   \
public:                                                                                                                \
    typedef Parent ParentClass;                                                                                        \
    virtual const char* ClassName() override;                                                                          \
    static int TypeInfo;                                                                                               \
    virtual bool Is(int pTypeId) override;                                                                             \
    virtual void FBDelete() override;                                                                                  \
    virtual int GetTypeId() override;                                                                                  \
    virtual ~Name();                                                                                                   \
                                                                                                                       \
private:

//! FBClassDeclare for a class whose objects are stored with scenes.
#define FBStorableClassDeclare(Name, Parent)                                                                           \
    FBClassDeclare(Name, Parent) public : virtual const char* FbxGetObjectSubType() override;                          \
                                                                                                                       \
private:

//! Definitions of what FBClassDeclare declares; the type id is taken while the library loads.
#define FBClassImplementation(Name)                                                                                    \
    Name::~Name() {}                                                                                                   \
    const char* Name::ClassName() { return #Name; }                                                                    \
    int Name::GetTypeId() { return TypeInfo; }                                                                         \
    bool Name::Is(int pTypeId) { return pTypeId == TypeInfo ? true : ParentClass::Is(pTypeId); }                       \
    void Name::FBDelete() { ParentClass::FBDelete(); }                                                                 \
    int Name::TypeInfo = FBPlug::mGlobalTypeInfo++

//! The first statement of a constructor.
#define FBClassInit

////////////////////////////////////////////////////////////////////////////////
// Arrays, strings and values

//! Growable array of plain values (pointers), grown a block of items at a time.
template <class Type> class FBArrayTemplate {
public:
    FBArrayTemplate() : mArray(NULL), mArrayCount(0), mBlockCount(0), mItemPerBlock(16) {}
    ~FBArrayTemplate() { free(mArray); }

    int GetCount() const { return mArrayCount; }
    Type& operator[](int pIndex) { return mArray[pIndex]; }
    //! The index of pItem, or -1.
    int Find(Type pItem) const
    {
        for (int i = 0; i < mArrayCount; ++i)
            if (mArray[i] == pItem) return i;
        return -1;
    }
    //! Appends pItem; answers its index.
    int Add(Type pItem)
    {
        if (mArrayCount == mBlockCount * mItemPerBlock) {
            void* lGrown = realloc(mArray, sizeof(Type) * static_cast<size_t>((mBlockCount + 1) * mItemPerBlock));
            if (!lGrown) throw std::bad_alloc();
            mArray = static_cast<Type*>(lGrown);
            ++mBlockCount;
        }
        mArray[mArrayCount] = pItem;
        return mArrayCount++;
    }

private:
    FBArrayTemplate(const FBArrayTemplate&);
    FBArrayTemplate& operator=(const FBArrayTemplate&);

    Type* mArray;
    int mArrayCount;
    int mBlockCount;
    int mItemPerBlock;
};

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

//! What the host's scripting keeps of a wrapper: the script objects that stand for it.
class FBSDK_DLL FBWrapperHolder {
public:
    FBWrapperHolder();
    virtual ~FBWrapperHolder();

private:
    FBArrayTemplate<FBScriptWrapper*> mWrapperArray;
};

//! Root of the SDK's wrappers of host objects: run-time identity, the host handle and the
//! notifications of connections between plugs.
class FBSDK_DLL FBPlug : public ICallback, public FBWrapperHolder {
public:
    virtual ~FBPlug();
    virtual HIObject GetHIObject() const;
    virtual bool SetHIObject(HIObject pObject, bool pSDKComponent);
    virtual const char* ClassName();
    virtual bool Is(int pTypeId);
    virtual int GetTypeId();
    //! Told when data flows through a connection; answers whether the plug took it.
    virtual bool PlugDataNotify(FBConnectionAction pAction, FBPlug* pThis, void* pData = NULL, void* pDataOld = NULL,
                                int pDataSize = 0);
    //! Told when a connection changes state; answers whether the plug took it.
    virtual bool PlugStateNotify(FBConnectionAction pAction, FBPlug* pThis, void* pData = NULL, void* pDataOld = NULL,
                                 int pDataSize = 0);
    //! Told when a connection is made or broken; answers whether the plug allows it.
    virtual bool PlugNotify(FBConnectionAction pAction, FBPlug* pThis, int pIndex, FBPlug* pPlug,
                            FBConnectionType pConnectionType, FBPlug* pNewPlug = NULL);

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

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

#endif // FBSDK_FBPLUG_H
