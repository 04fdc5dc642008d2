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
        pHost.text = lText ? lText : "";
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

class DataFBPropertyManager {
public:
    std::vector<FBProperty*> properties;
};

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
HIObject FBPlug::IQuery(kInterfaceID, int) { return nullptr; }
void FBPlug::Destroy(int) { FBDelete(); }
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

const char* FBProperty::GetName() { return mName; }
FBPropertyType FBProperty::GetPropertyType() { return kFBPT_unknown; }
const char* FBProperty::GetPropertyTypeName() { return FBStandIn::Host(*this).dataTypeName.c_str(); }
bool FBProperty::IsInternal() const { return FBStandIn::Host(*this).internal; }
void FBProperty::SetData(void* pData) { WriteValue(FBStandIn::Host(*this), pData); }
void FBProperty::GetData(void* pData, int pSize, FBEvaluateInfo*) const
{
    ReadValue(FBStandIn::Host(*this), pData, pSize);
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
void FBPropertyAnimatable::SetData(void* pData) { FBProperty::SetData(pData); }
void FBPropertyAnimatable::GetData(void* pData, int pSize, FBEvaluateInfo* pEvalInfo) const
{
    FBProperty::GetData(pData, pSize, pEvalInfo);
}

#if FBSDK_STANDIN_YEAR < 2019
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

FBPropertyManager::FBPropertyManager() : mLocalPtr(new DataFBPropertyManager) {}
FBPropertyManager::~FBPropertyManager() { delete mLocalPtr; }

FBProperty* FBPropertyManager::Find(const char* pPropertyName, bool)
{
    if (!pPropertyName) return nullptr;
    for (FBProperty* lProperty : mLocalPtr->properties)
        if (std::strcmp(lProperty->GetName(), pPropertyName) == 0) return lProperty;
    return nullptr;
}

int FBPropertyManager::GetCount() { return static_cast<int>(mLocalPtr->properties.size()); }

FBProperty* FBPropertyManager::operator[](int pIndex)
{
    if (pIndex < 0 || pIndex >= GetCount()) return nullptr;
    return mLocalPtr->properties[static_cast<size_t>(pIndex)];
}

////////////////////////////////////////////////////////////////////////////////
// Components

int FBComponent::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBBox::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBModel::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBCamera::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBHUDElement::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBSystem::TypeInfo = FBPlug::mGlobalTypeInfo++;

FBComponent::FBComponent(HIObject pObject) : FBPlug(pObject), mLocalPtr(nullptr)
{
    if (!mObject) SetHIObject(new HostObject(this), true);
}
FBComponent::~FBComponent() = default;
bool FBComponent::FBCreate() { return true; }
void FBComponent::FBDestroy() { ++TheCounters().componentDestroys; }
void FBComponent::FBDelete()
{
    FBDestroy();
    if (mAllocated) delete this;
}
int FBComponent::PropertyAdd(FBProperty* pProperty)
{
    std::vector<FBProperty*>& lList = PropertyList.mLocalPtr->properties;
    if (!pProperty) return -1;
    const auto lFound = std::find(lList.begin(), lList.end(), pProperty);
    if (lFound != lList.end()) return static_cast<int>(lFound - lList.begin());
    lList.push_back(pProperty);
    return static_cast<int>(lList.size() - 1);
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

FBBox::FBBox(const char* pName, HIObject pObject) : FBComponent(pObject), mLocalPtr(nullptr) { mName = pName; }
FBBox::~FBBox() = default;
const char* FBBox::FbxGetObjectSubType() { return ""; }

FBModel::FBModel(const char* pName, HIObject pObject) : FBBox(pName, pObject), mLocalPtr(nullptr) {}
FBModel::~FBModel() = default;

FBCamera::FBCamera(const char* pName, HIObject pObject) : FBModel(pName, pObject), mLocalPtr(nullptr)
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

FBSystem::FBSystem() : FBComponent(nullptr), mLocalPtr(nullptr) {}
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
