// Stand-in SDK library (libfbsdk.so.1): the object model, properties and registry that
// plug-ins call. Every SDK wrapper here stands for an object of the host, which the stand-in
// keeps as a "host object" (host_objects.h) behind the wrapper's HIObject handle: a property's
// name, type, value and range live there. The host's own calls are in fbsdk_host.cpp.

#include "host_objects.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace FBSDKNamespace {

Counters& TheCounters()
{
    static Counters sCounters;
    return sCounters;
}

std::vector<fbhost::RegistryEntry>& TheRegistry()
{
    static std::vector<fbhost::RegistryEntry> sRegistry;
    return sRegistry;
}

fbhost::RegisterObserver& TheRegisterObserver()
{
    static fbhost::RegisterObserver sObserver;
    return sObserver;
}

namespace {

// Doubles become ints by truncation toward zero, saturating at the int range; NaN gives 0.
int SaturatingInt(double pValue)
{
    if (std::isnan(pValue)) return 0;
    if (pValue <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (pValue >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(pValue);
}

int ValueCount(FBPropertyType pType) { return pType == kFBPT_ColorRGBA ? 4 : 1; }

int ValueSize(FBPropertyType pType)
{
    switch (pType) {
    case kFBPT_int:
    case kFBPT_enum: return sizeof(int);
    case kFBPT_bool: return sizeof(bool);
    case kFBPT_double: return sizeof(double);
    case kFBPT_ColorRGBA: return sizeof(FBColorAndAlpha);
    case kFBPT_charptr: return sizeof(char*);
    default: return 0;
    }
}

double Clamped(const HostProperty& pHost, double pValue)
{
    if (pHost.forceMin && pValue < pHost.min) return pHost.min;
    if (pHost.forceMax && pValue > pHost.max) return pHost.max;
    return pValue;
}

void WriteValue(HostProperty& pHost, const void* pData)
{
    if (!pData) return;
    switch (pHost.type) {
    case kFBPT_int:
    case kFBPT_enum: pHost.values[0] = Clamped(pHost, *static_cast<const int*>(pData)); break;
    case kFBPT_bool: pHost.values[0] = *static_cast<const bool*>(pData) ? 1.0 : 0.0; break;
    case kFBPT_double: pHost.values[0] = Clamped(pHost, *static_cast<const double*>(pData)); break;
    case kFBPT_ColorRGBA: std::memcpy(pHost.values, pData, sizeof(pHost.values)); break;
    case kFBPT_charptr: {
        const char* lText = *static_cast<const char* const*>(pData);
        if (!lText) lText = "";
        pHost.text = std::vector<char>(lText, lText + std::strlen(lText) + 1);
        break;
    }
    default: break;
    }
}

void ReadValue(HostProperty& pHost, void* pData, int pSize)
{
    if (!pData || pSize < ValueSize(pHost.type)) return;
    switch (pHost.type) {
    case kFBPT_int:
    case kFBPT_enum: *static_cast<int*>(pData) = SaturatingInt(pHost.values[0]); break;
    case kFBPT_bool: *static_cast<bool*>(pData) = pHost.values[0] != 0.0; break;
    case kFBPT_double: *static_cast<double*>(pData) = pHost.values[0]; break;
    case kFBPT_ColorRGBA: std::memcpy(pData, pHost.values, sizeof(pHost.values)); break;
    case kFBPT_charptr: *static_cast<char**>(pData) = pHost.text.data(); break;
    default: break;
    }
}

} // namespace

namespace {

// Declares a property of one of the SDK's own classes, with its default.
template <class tValue>
void DeclareSdkProperty(FBProperty& pProperty, FBComponent* pParent, const char* pName, tValue pDefault)
{
    pParent->PropertyAdd(pProperty.CreateInternal(pParent, pName));
    FBStandIn::Host(pProperty).declaredBySdk = true;
    pProperty.SetData(&pDefault);
}

} // namespace

////////////////////////////////////////////////////////////////////////////////
// FBString and FBColorAndAlpha

FBString::FBString() : mStr(strdup("")) {}
FBString::FBString(const char* pString) : mStr(strdup(pString ? pString : "")) {}
FBString::FBString(const FBString& pString) : mStr(strdup(pString.mStr)) {}
FBString::~FBString() { free(mStr); }
FBString::operator char*() const { return mStr; }
FBString::operator const char*() const { return mStr; }
const FBString& FBString::operator=(const char* pString)
{
    char* lCopy = strdup(pString ? pString : "");
    free(mStr);
    mStr = lCopy;
    return *this;
}
const FBString& FBString::operator=(const FBString& pString)
{
    if (this != &pString) *this = pString.mStr;
    return *this;
}

FBColorAndAlpha::FBColorAndAlpha() : FBColorAndAlpha(0.0, 0.0, 0.0, 1.0) {}
FBColorAndAlpha::FBColorAndAlpha(double* pValue) : FBVector4<double>() { std::copy(pValue, pValue + 4, mValue); }
FBColorAndAlpha::FBColorAndAlpha(double pRed, double pGreen, double pBlue, double pAlpha)
    : FBVector4<double>{{pRed, pGreen, pBlue, pAlpha}}
{
}
FBColorAndAlpha::FBColorAndAlpha(const FBColorAndAlpha& pVector) = default;
const FBColorAndAlpha& FBColorAndAlpha::operator=(const FBColorAndAlpha& pVector)
{
    std::copy(pVector.mValue, pVector.mValue + 4, mValue);
    return *this;
}
void FBColorAndAlpha::operator=(double* pValue) { std::copy(pValue, pValue + 4, mValue); }
double& FBColorAndAlpha::operator[](int pIndex) { return mValue[pIndex]; }
FBColorAndAlpha::operator double*() const { return const_cast<double*>(mValue); }

////////////////////////////////////////////////////////////////////////////////
// FBPlug

FBWrapperHolder::FBWrapperHolder() = default;
FBWrapperHolder::~FBWrapperHolder() = default;

int FBPlug::mGlobalTypeInfo = 1;
int FBPlug::TypeInfo = FBPlug::mGlobalTypeInfo++;
const char* FBPlug::ClassGroupName = "FBPlug";

FBPlug::FBPlug(HIObject pObject) : mAllocated(false), mObject(pObject), mSDKComponent(false) {}
FBPlug::~FBPlug()
{
    if (mSDKComponent && mObject) mObject->Destroy();
}
HIObject FBPlug::GetHIObject() const { return mObject; }
bool FBPlug::SetHIObject(HIObject pObject, bool pSDKComponent)
{
    mObject = pObject;
    mSDKComponent = pSDKComponent;
    return true;
}
const char* FBPlug::ClassName() { return "FBPlug"; }
bool FBPlug::Is(int pTypeId) { return pTypeId == TypeInfo; }
int FBPlug::GetTypeId() { return TypeInfo; }
// The stand-in host connects no plugs: every notification is taken as it comes.
bool FBPlug::PlugDataNotify(FBConnectionAction, FBPlug*, void*, void*, int) { return true; }
bool FBPlug::PlugStateNotify(FBConnectionAction, FBPlug*, void*, void*, int) { return true; }
bool FBPlug::PlugNotify(FBConnectionAction, FBPlug*, int, FBPlug*, FBConnectionType, FBPlug*) { return true; }
void FBPlug::FBDelete() {}

////////////////////////////////////////////////////////////////////////////////
// Properties

FBClassImplementation(FBProperty);

FBProperty::FBProperty() : FBPlug(nullptr), mParent(nullptr) { SetHIObject(new HostProperty(this), true); }

FBProperty* FBProperty::CreateInternal(FBComponent* pParent, const char* pName, fbExternalGetSetHandler,
                                       fbExternalGetSetHandler)
{
    HostProperty& lHost = FBStandIn::Host(*this);
    mName = pName;
    mParent = pParent;
    lHost.type = GetPropertyType();
    lHost.internal = true;
    return this;
}

HIObject FBProperty::IQuery(kInterfaceID, int) { return nullptr; }
void FBProperty::Destroy(int) { FBDelete(); }
const char* FBProperty::GetName() { return mName; }
FBPropertyType FBProperty::GetPropertyType() { return kFBPT_unknown; }
const char* FBProperty::GetPropertyTypeName() { return FBStandIn::Host(*this).dataTypeName.c_str(); }
bool FBProperty::IsInternal() const { return FBStandIn::Host(*this).internal; }
KDataType* FBProperty::GetDataType() { return nullptr; }
void FBProperty::SetData(void* pData) { WriteValue(FBStandIn::Host(*this), pData); }
void FBProperty::GetData(void* pData, int pSize, FBEvaluateInfo*) const
{
    ReadValue(FBStandIn::Host(*this), pData, pSize);
}

// The stand-in host keeps no text form of values: the host program formats them itself.
const char* FBProperty::AsString(FBDataAsStringFlag) { return ""; }
bool FBProperty::SetString(const char*) { return false; }
bool FBProperty::IsList() { return false; }
bool FBProperty::IsAnimatable() { return false; }
bool FBProperty::IsReadOnly() { return false; }
const char* FBProperty::EnumList(int) { return nullptr; }

// Numbers and colours are kept as doubles, so only theirs are in place.
void* FBProperty::GetValuePtr() const
{
    HostProperty& lHost = FBStandIn::Host(*this);
    return lHost.type == kFBPT_double || lHost.type == kFBPT_ColorRGBA ? lHost.values : nullptr;
}

void FBProperty::SetMinMax(double pMin, double pMax, bool pForceMinClamp, bool pForceMaxClamp)
{
    HostProperty& lHost = FBStandIn::Host(*this);
    lHost.hasRange = true;
    lHost.min = pMin;
    lHost.max = pMax;
    lHost.forceMin = pForceMinClamp;
    lHost.forceMax = pForceMaxClamp;
}

void FBPropertyString::operator=(const char* pValue) { SetData(&pValue); }
FBPropertyString::operator const char*() const
{
    char* lText = nullptr;
    GetData(&lText, sizeof(lText));
    return lText;
}
void FBPropertyString::SetPropertyValue(const char* pValue) { SetData(&pValue); }

bool FBPropertyBasicList::IsList() { return true; }
FBPropertyListComponentBase::FBPropertyListComponentBase() : mClassId(0), mParents(false) {}

template <> const char* FBPropertyBaseEnum<FBHUDElementHAlignment>::mStrings[] = {"Left", "Right", "Center", nullptr};
template <> const char* FBPropertyBaseEnum<FBHUDElementVAlignment>::mStrings[] = {"Bottom", "Top", "Center", nullptr};

FBPropertyAnimatable::FBPropertyAnimatable() = default;
FBPropertyAnimatable::~FBPropertyAnimatable() = default;

FBPropertyAnimatable* FBPropertyAnimatable::Init(FBBox* pOwner, const char* pName, const char* pType, double* pInit)
{
    CreateInternal(pOwner, pName);
    HostProperty& lHost = FBStandIn::Host(*this);
    lHost.dataTypeName = pType ? pType : "";
    if (pInit) std::copy(pInit, pInit + ValueCount(lHost.type), lHost.values);
    if (pOwner) pOwner->PropertyAdd(this);
    return this;
}

const char* FBPropertyAnimatable::GetDataTypeName() { return GetPropertyTypeName(); }
KDataType* FBPropertyAnimatable::GetDataType() { return nullptr; }
void FBPropertyAnimatable::SetData(void* pData) { FBProperty::SetData(pData); }
void FBPropertyAnimatable::GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo) const
{
    FBProperty::GetData(pData, pSize, pEvalInfo);
}

#if FBSDK_STANDIN_YEAR < 2019
template <class tType, FBPropertyType pPT> FBPropertyBaseAnimatable<tType, pPT>::FBPropertyBaseAnimatable() = default;
template <class tType, FBPropertyType pPT> FBPropertyBaseAnimatable<tType, pPT>::~FBPropertyBaseAnimatable() = default;

template <class tType, FBPropertyType pPT> void FBPropertyBaseAnimatable<tType, pPT>::operator=(tType pValue)
{
    SetData(&pValue);
}

template <class tType, FBPropertyType pPT> FBPropertyBaseAnimatable<tType, pPT>::operator tType() const
{
    tType lValue = tType();
    GetData(&lValue, sizeof(lValue));
    return lValue;
}

template class FBPropertyBaseAnimatable<double, kFBPT_double>;
template class FBPropertyBaseAnimatable<int, kFBPT_int>;
template class FBPropertyBaseAnimatable<FBColorAndAlpha, kFBPT_ColorRGBA>;
#endif

// The stand-in host declares no properties for a class: a component's are all its own
// (mPropertyLocal), and mPropertyCache stays empty.
FBPropertyManager::FBPropertyManager() : mObject(nullptr) {}

FBProperty* FBPropertyManager::Find(const char* pPropertyName, bool)
{
    if (!pPropertyName) return nullptr;
    for (int i = 0; i < mPropertyLocal.GetCount(); ++i)
        if (std::strcmp(mPropertyLocal[i]->GetName(), pPropertyName) == 0) return mPropertyLocal[i];
    return nullptr;
}

int FBPropertyManager::GetCount() { return mPropertyLocal.GetCount(); }

FBProperty* FBPropertyManager::operator[](int pIndex)
{
    if (pIndex < 0 || pIndex >= GetCount()) return nullptr;
    return mPropertyLocal[pIndex];
}

////////////////////////////////////////////////////////////////////////////////
// Components

int FBComponent::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBBox::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBModel::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBCamera::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBHUDElement::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBSystem::TypeInfo = FBPlug::mGlobalTypeInfo++;

FBComponent::FBComponent(HIObject pObject) : FBPlug(pObject), mLocalPtr(nullptr), mDummyObject(nullptr)
{
    if (!mObject) FBComponent::SetHIObject(new HostObject(this), true);
}
FBComponent::~FBComponent() = default;
HIObject FBComponent::IQuery(kInterfaceID, int) { return nullptr; }
void FBComponent::Destroy(int) { FBDelete(); }
bool FBComponent::SetHIObject(HIObject pObject, bool pSDKComponent)
{
    return FBPlug::SetHIObject(pObject, pSDKComponent);
}
bool FBComponent::FBCreate() { return true; }
void FBComponent::FBDestroy() { ++TheCounters().componentDestroys; }
void FBComponent::FBDelete()
{
    FBDestroy();
    if (mAllocated) delete this;
}
int FBComponent::PropertyAdd(FBProperty* pProperty)
{
    FBArrayTemplate<FBProperty*>& lList = PropertyList.mPropertyLocal;
    if (!pProperty) return -1;
    const int lFound = lList.Find(pProperty);
    return lFound >= 0 ? lFound : lList.Add(pProperty);
}
const char* FBComponent::ClassName() { return "FBComponent"; }
bool FBComponent::Is(int pTypeId) { return pTypeId == TypeInfo || FBPlug::Is(pTypeId); }
int FBComponent::GetTypeId() { return TypeInfo; }

void* FBComponent::operator new(size_t stAllocateBlock)
{
    void* lMemory = ::operator new(stAllocateBlock);
    ++TheCounters().liveComponents;
    return lMemory;
}

void FBComponent::operator delete(void* pvMem)
{
    if (!pvMem) return;
    --TheCounters().liveComponents;
    ::operator delete(pvMem);
}

void* FBComponent::operator new(size_t stAllocateBlock, int, const char*, int) { return operator new(stAllocateBlock); }
#if FBSDK_STANDIN_YEAR >= 2020
void FBComponent::operator delete(void* pvMem, int, const char*, int) { operator delete(pvMem); }
#endif

FBBox::FBBox(const char* pName, HIObject pObject) : FBComponent(pObject), mLocalPtr(nullptr), UniqueName(nullptr)
{
    mName = pName;
}
FBBox::~FBBox() = default;
HIObject FBBox::IQuery(kInterfaceID pInterfaceID, int IsLocal) { return FBComponent::IQuery(pInterfaceID, IsLocal); }
void FBBox::Destroy(int IsLocal) { FBComponent::Destroy(IsLocal); }

// The stand-in host evaluates no graph and stores no scenes: a box has no animation nodes, takes
// no candidates, and is neither stored nor retrieved.
FBAnimationNode* FBBox::AnimationNodeInCreate(kReference, const char*, const char*, bool, double*, double*, bool)
{
    return nullptr;
}
FBAnimationNode* FBBox::AnimationNodeOutCreate(kReference, const char*, const char*, bool, double*, double*, bool)
{
    return nullptr;
}
bool FBBox::EvaluateAnimationNodes(FBEvaluateInfo*) { return false; }
bool FBBox::AnimationNodeNotify(FBAnimationNode*, FBEvaluateInfo*) { return false; }
bool FBBox::ResolveCandidate(FBAnimationNode*, FBEvaluateInfo*) { return false; }
FBBox::ECandidateAction FBBox::SetGlobalCandidate(FBAnimationNode*, double*, FBEvaluateInfo*) { return {}; }
FBBox::ECandidateAction FBBox::SetStdCandidate(FBAnimationNode*, double*, FBEvaluateInfo*) { return {}; }
bool FBBox::FbxStore(FBFbxObject*, kFbxObjectStore) { return false; }
bool FBBox::FbxRetrieve(FBFbxObject*, kFbxObjectStore) { return false; }
bool FBBox::AnimationNodeDestroy(FBAnimationNode*) { return false; }
bool FBBox::AnimationNodeIsUserData(FBAnimationNode*) { return false; }
void FBBox::AnimationNodesOutDisableIfNotWritten(FBEvaluateInfo*) {}
FBAnimationNode* FBBox::AnimationNodeInGet() { return nullptr; }
FBAnimationNode* FBBox::AnimationNodeOutGet() { return nullptr; }
const char* FBBox::FbxGetObjectSubType() { return ""; }
const char* FBBox::FbxGetObjectType() { return ""; }
#if FBSDK_STANDIN_YEAR >= 2018
int FBBox::GetOutConnectorCount() const { return 0; }
int FBBox::GetInConnectorCount() const { return 0; }
FBAnimationNode* FBBox::GetOutConnector(int) const { return nullptr; }
FBAnimationNode* FBBox::GetInConnector(int) const { return nullptr; }
#endif

FBModel::FBModel(const char* pName, HIObject pObject) : FBBox(pName, pObject), mLocalPtr(nullptr) {}
FBModel::~FBModel() = default;

FBCamera::FBCamera(const char* pName, HIObject pObject)
    : FBModel(pName, pObject), mLocalPtr(nullptr), mUnmodelledLeading(), mUnmodelledTrailing()
{
    DeclareSdkProperty(ResolutionWidth, this, "Resolution Width", 640.0);
    DeclareSdkProperty(ResolutionHeight, this, "Resolution Height", 480.0);
}
FBCamera::~FBCamera() = default;

FBHUDElement::FBHUDElement(const char* pName, HIObject pObject) : FBBox(pName, pObject), mLocalPtr(nullptr)
{
    DeclareSdkProperty(Visibility, this, "Visibility", false);
    DeclareSdkProperty(Show, this, "Show", false);
    DeclareSdkProperty(Justification, this, "Justification", static_cast<int>(kFBHUDLeft));
    DeclareSdkProperty(HorizontalDock, this, "Horizontal Dock", static_cast<int>(kFBHUDLeft));
    DeclareSdkProperty(VerticalDock, this, "Vertical Dock", static_cast<int>(kFBHUDBottom));
    DeclareSdkProperty(X, this, "X", 0.0);
    DeclareSdkProperty(Y, this, "Y", 0.0);
    DeclareSdkProperty(PositionByPercent, this, "Position By Percent", false);
    DeclareSdkProperty(ScaleByPercent, this, "Scale By Percent", false);
    DeclareSdkProperty(Width, this, "Width", 20.0);
    DeclareSdkProperty(Height, this, "Height", 20.0);
    DeclareSdkProperty(ScaleUniformly, this, "Scale Uniformly", false);
}
FBHUDElement::~FBHUDElement() = default;
void FBHUDElement::GetIntrinsicDimension(FBViewingOptions*, int& pWidth, int& pHeight)
{
    pWidth = 0;
    pHeight = 0;
}
void FBHUDElement::DrawElement(FBViewingOptions*, FBHUDElement::Rect&) {}
bool FBHUDElement::FbxStore(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat)
{
    return FBBox::FbxStore(pFbxObject, pStoreWhat);
}
bool FBHUDElement::FbxRetrieve(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat)
{
    return FBBox::FbxRetrieve(pFbxObject, pStoreWhat);
}

FBSystem::FBSystem() : FBComponent(nullptr), mLocalPtr(nullptr), mUnmodelled() {}
FBSystem::~FBSystem() = default;

FBCamera* FBViewingOptions::GetViewingCamera() { return static_cast<StandInViewingOptions*>(this)->mCamera; }
FBViewingOptions::FBViewingOptions() = default;

////////////////////////////////////////////////////////////////////////////////
// Registry and libraries

bool FBObject_Register(const char* pGroupName, const char* pEntryName, const char* pDescription,
                       kObjectCreatorFnc pCreatorFnc, bool, const char*)
{
    ++TheCounters().registerCalls;
    const bool lTaken = pGroupName && pEntryName && pCreatorFnc;
    if (lTaken) TheRegistry().push_back({pGroupName, pEntryName, pDescription ? pDescription : "", pCreatorFnc});
    if (TheRegisterObserver()) TheRegisterObserver()();
    return lTaken;
}

FBComponent* FBGetFBComponent(HIObject pObject, bool)
{
    const HostObject* lHost = dynamic_cast<HostObject*>(pObject);
    return lHost ? dynamic_cast<FBComponent*>(lHost->mWrapper) : nullptr;
}

FBLibraryBase::FBLibraryBase()
    : mLibrary_Open(nullptr), mLibrary_Ready(nullptr), mLibrary_Close(nullptr), mLibrary_Release(nullptr)
{
    ++TheCounters().liveLibraries;
}
FBLibraryBase::~FBLibraryBase() { --TheCounters().liveLibraries; }
HIObject FBLibraryBase::IQuery(kInterfaceID, int) { return nullptr; }
void FBLibraryBase::Destroy(int) {}
bool FBLibraryBase::LibInit() { return true; }
bool FBLibraryBase::LibOpen() { return true; }
bool FBLibraryBase::LibReady() { return true; }
bool FBLibraryBase::LibClose() { return true; }
bool FBLibraryBase::LibRelease() { return true; }

} // namespace FBSDKNamespace
