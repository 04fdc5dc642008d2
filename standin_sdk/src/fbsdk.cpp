// Stand-in SDK library (libfbsdk.so.1): the object model, properties and registry that
// plug-ins call, with the host-side view of them for the stand-in host and the tests. Every SDK
// wrapper here stands for an object of the host, which the stand-in keeps as a "host object"
// behind the wrapper's HIObject handle: a property's name, type, value and range live there.

#include <fbsdk/fbsdk.h>
#include <fbsdk_host/fbsdk_host.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <dlfcn.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace FBSDKNamespace {

namespace {

//! What the host holds for an SDK wrapper. Ended through Destroy, by the wrapper that made it.
class HostObject : public IObject {
public:
    explicit HostObject(FBPlug* pWrapper) : mWrapper(pWrapper) {}
    virtual ~HostObject() = default;
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;

    HIObject IQuery(kInterfaceID, int) override { return nullptr; }
    void Destroy(int) override { delete this; }

    FBPlug* mWrapper;
};

//! The host's side of a property.
class HostProperty : public HostObject {
public:
    using HostObject::HostObject;

    FBPropertyType type = kFBPT_unknown;
    std::string dataTypeName;
    bool internal = false;
    bool declaredBySdk = false;
    double values[4] = {0.0, 0.0, 0.0, 0.0};
    std::string text;
    bool hasRange = false;
    double min = 0.0;
    double max = 0.0;
    bool forceMin = false;
    bool forceMax = false;
};

struct Counters {
    int registerCalls = 0;
    int liveComponents = 0;
    int componentDestroys = 0;
    int liveLibraries = 0;
};

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

// Gives the SDK's own code the host's side of wrappers and the type counter.
struct FBStandIn : FBPlug {
    static HostProperty& Host(const FBProperty& pProperty)
    {
        return *static_cast<HostProperty*>(pProperty.GetHIObject());
    }
    static int& TypeCounter() { return mGlobalTypeInfo; }
};

// Declares a property of one of the SDK's own classes, with its default.
template <class tValue> void DeclareSdkProperty(FBProperty& pProperty, FBComponent* pParent, const char* pName, tValue pDefault)
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
void FBProperty::GetData(void* pData, int pSize, FBEvaluateInfo*) const { ReadValue(FBStandIn::Host(*this), pData, pSize); }

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

//! The stand-in host's viewing options: a camera that the host may take away.
class StandInViewingOptions : public FBViewingOptions {
public:
    FBCamera* mCamera = nullptr;
};

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

////////////////////////////////////////////////////////////////////////////////
// Host side

//! The error handle the host hands to LIBRARY_INIT.
class IError {};

namespace fbhost {

std::vector<RegistryEntry> Registry() { return TheRegistry(); }
int RegisterCallCount() { return TheCounters().registerCalls; }
int LiveComponentCount() { return TheCounters().liveComponents; }
int ComponentDestroyCount() { return TheCounters().componentDestroys; }
int LiveLibraryCount() { return TheCounters().liveLibraries; }
int NextTypeId() { return FBStandIn::TypeCounter(); }
void SetRegisterObserver(RegisterObserver pObserver) { TheRegisterObserver() = std::move(pObserver); }

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& pPath, std::string& pError)
{
    void* lHandle = dlopen(pPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lHandle) {
        const char* lReason = dlerror();
        pError = lReason ? lReason : "cannot load " + pPath;
        return nullptr;
    }
    std::unique_ptr<PluginLibrary> lLibrary(new PluginLibrary(lHandle));
    auto lInit = reinterpret_cast<bool (*)(HIError)>(lLibrary->Symbol("LIBRARY_INIT"));
    if (!lInit) {
        pError = pPath + " exports no LIBRARY_INIT: it is not a plug-in of this host";
        return nullptr;
    }
    static IError sError;
    if (!lInit(&sError)) {
        pError = pPath + ": LIBRARY_INIT answered false";
        return nullptr;
    }
    return lLibrary;
}

PluginLibrary::~PluginLibrary() { dlclose(mHandle); }

void* PluginLibrary::Symbol(const char* pName) const { return dlsym(mHandle, pName); }

FBHUDElement* CreateElement(const RegistryEntry& pEntry, const char* pName)
{
    if (!pEntry.create) return nullptr;
    return dynamic_cast<FBHUDElement*>(FBGetFBComponent(pEntry.create(nullptr, pName, nullptr)));
}

void DestroyElement(FBComponent* pComponent)
{
    if (!pComponent) return;
    pComponent->FBDestroy();
    delete pComponent;
}

std::vector<FBProperty*> Properties(FBComponent* pComponent)
{
    std::vector<FBProperty*> lProperties;
    if (!pComponent) return lProperties;
    for (int i = 0; i < pComponent->PropertyList.GetCount(); ++i) lProperties.push_back(pComponent->PropertyList[i]);
    return lProperties;
}

bool IsDeclaredBySdk(const FBProperty* pProperty) { return FBStandIn::Host(*pProperty).declaredBySdk; }

FBProperty* FindProperty(FBComponent* pComponent, const std::string& pName)
{
    return pComponent ? pComponent->PropertyList.Find(pName.c_str()) : nullptr;
}

std::optional<Range> PropertyRange(const FBProperty* pProperty)
{
    const HostProperty& lHost = FBStandIn::Host(*pProperty);
    if (!lHost.hasRange) return std::nullopt;
    return Range{lHost.min, lHost.max};
}

FBHUDElement::Rect HudRect(double pX, double pY, double pWidth, double pHeight)
{
    return {pX, pY, pWidth, pHeight, 1.0, 1.0};
}

namespace {

std::string FormatNumber(double pValue)
{
    char lBuffer[64];
    const auto lResult = std::to_chars(lBuffer, lBuffer + sizeof(lBuffer), pValue);
    return std::string(lBuffer, lResult.ptr);
}

std::string Trimmed(const std::string& pText)
{
    const auto lBegin = pText.find_first_not_of(" \t");
    if (lBegin == std::string::npos) return "";
    const auto lEnd = pText.find_last_not_of(" \t");
    return pText.substr(lBegin, lEnd - lBegin + 1);
}

// Parses the whole of pText as a number, in the C locale whatever the process's locale. One
// sign at most: "+5" is 5, "+-5" is not a number.
template <class tNumber> bool ParseNumber(const std::string& pText, tNumber& pValue)
{
    const std::string lText = Trimmed(pText);
    const char* lBegin = lText.data();
    const char* lEnd = lText.data() + lText.size();
    if (lBegin != lEnd && *lBegin == '+') {
        ++lBegin;
        if (lBegin != lEnd && *lBegin == '-') return false;
    }
    if (lBegin == lEnd) return false;
    const auto lResult = std::from_chars(lBegin, lEnd, pValue);
    return lResult.ec == std::errc() && lResult.ptr == lEnd;
}

bool ParseColor(const std::string& pText, double (&pValues)[4])
{
    size_t lStart = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t lComma = pText.find(',', lStart);
        const bool lLast = i == 3;
        if (lLast != (lComma == std::string::npos)) return false;
        if (!ParseNumber(pText.substr(lStart, lComma - lStart), pValues[i])) return false;
        lStart = lComma + 1;
    }
    return true;
}

bool ParseBool(const std::string& pText, bool& pValue)
{
    const std::string lText = Trimmed(pText);
    if (lText == "true" || lText == "1") pValue = true;
    else if (lText == "false" || lText == "0") pValue = false;
    else return false;
    return true;
}

} // namespace

std::string FormatValue(const FBProperty* pProperty)
{
    const HostProperty& lHost = FBStandIn::Host(*pProperty);
    switch (lHost.type) {
    case kFBPT_int:
    case kFBPT_enum: return std::to_string(SaturatingInt(lHost.values[0]));
    case kFBPT_bool: return lHost.values[0] != 0.0 ? "true" : "false";
    case kFBPT_double: return FormatNumber(lHost.values[0]);
    case kFBPT_ColorRGBA:
        return FormatNumber(lHost.values[0]) + "," + FormatNumber(lHost.values[1]) + "," +
               FormatNumber(lHost.values[2]) + "," + FormatNumber(lHost.values[3]);
    case kFBPT_charptr: return lHost.text;
    default: return "";
    }
}

namespace {

// Parses pText into a value of tValue with pParse and writes it; on failure says what the
// property takes.
template <class tValue, class tParse>
bool ParseAndSet(FBProperty* pProperty, const std::string& pText, tParse pParse, const char* pTakes,
                 std::string& pError)
{
    tValue lValue{};
    if (!pParse(pText, lValue)) {
        pError = "\"" + std::string(pProperty->GetName()) + "\" takes " + pTakes + ", not \"" + pText + "\"";
        return false;
    }
    pProperty->SetData(&lValue);
    return true;
}

bool ParseColorValue(const std::string& pText, FBColorAndAlpha& pColor) { return ParseColor(pText, pColor.mValue); }

} // namespace

bool ParseValue(FBProperty* pProperty, const std::string& pText, std::string& pError)
{
    switch (FBStandIn::Host(*pProperty).type) {
    case kFBPT_int:
    case kFBPT_enum: return ParseAndSet<int>(pProperty, pText, ParseNumber<int>, "an integer", pError);
    case kFBPT_bool: return ParseAndSet<bool>(pProperty, pText, ParseBool, "true or false", pError);
    case kFBPT_double:
        return ParseAndSet<double>(pProperty, pText, ParseNumber<double>, "a number such as 12.5", pError);
    case kFBPT_ColorRGBA:
        return ParseAndSet<FBColorAndAlpha>(pProperty, pText, ParseColorValue,
                                            "a colour as four numbers R,G,B,A such as 0.6,0.8,1,1", pError);
    case kFBPT_charptr: {
        const char* lText = pText.c_str();
        pProperty->SetData(&lText);
        return true;
    }
    default:
        pError = "\"" + std::string(pProperty->GetName()) + "\" cannot be set";
        return false;
    }
}

Viewer::Viewer() : mOptions(new StandInViewingOptions), mCamera(new FBCamera("Producer Perspective"))
{
    mOptions->mCamera = mCamera;
}

Viewer::~Viewer() { RemoveCamera(); }

FBViewingOptions* Viewer::Options() { return mOptions.get(); }

void Viewer::SetCameraResolution(double pWidth, double pHeight)
{
    if (!mCamera) return;
    mCamera->ResolutionWidth = pWidth;
    mCamera->ResolutionHeight = pHeight;
}

void Viewer::RemoveCamera()
{
    delete mCamera;
    mCamera = nullptr;
    mOptions->mCamera = nullptr;
}

} // namespace fbhost
