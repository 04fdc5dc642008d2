// Stand-in SDK library (libfbsdk.so.1): the object model, properties and registry that
// plug-ins call, with the host-side view of them for the stand-in host and the tests.

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

class IObject {
public:
    explicit IObject(ORSDK2016::FBPlug* pPlug) : mPlug(pPlug) {}
    ORSDK2016::FBPlug* mPlug;
};

namespace ORSDK2016 {

struct FBPropertyData {
    std::string name;
    std::string dataTypeName;
    FBComponent* owner = nullptr;
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

struct FBComponentData {
    std::vector<FBProperty*> properties;
};

struct FBViewingOptionsData {
    FBCamera* camera = nullptr;
};

namespace {

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
    case kFBPT_charptr: return sizeof(const char*);
    default: return 0;
    }
}

} // namespace

// Gives the SDK's own code access to the private state of properties and components.
struct FBPropertyAccess {
    static FBPropertyData& Data(const FBProperty& pProperty) { return *pProperty.mData; }
};

struct FBComponentAccess {
    static FBComponentData& Data(const FBComponent& pComponent) { return *pComponent.mComponentData; }
};

struct FBViewingOptionsAccess {
    static FBViewingOptionsData& Data(const FBViewingOptions& pOptions) { return *pOptions.mViewingOptionsData; }
};

namespace {

void DeclareProperty(FBProperty& pProperty, FBComponent* pParent, const char* pName, const char* pDataType)
{
    FBPropertyData& lData = FBPropertyAccess::Data(pProperty);
    lData.name = pName ? pName : "";
    lData.dataTypeName = pDataType ? pDataType : "";
    lData.owner = pParent;
}

void AddToOwner(FBProperty& pProperty)
{
    FBPropertyData& lData = FBPropertyAccess::Data(pProperty);
    if (lData.owner) lData.owner->PropertyAdd(&pProperty);
}

// Declares a property of one of the SDK's own classes, with its default.
template <class tProperty, class tValue>
void DeclareSdkProperty(tProperty& pProperty, FBComponent* pParent, const char* pName, tValue pDefault)
{
    DeclareProperty(pProperty, pParent, pName, "");
    FBPropertyAccess::Data(pProperty).declaredBySdk = true;
    AddToOwner(pProperty);
    pProperty = pDefault;
}

double Clamped(const FBPropertyData& pData, double pValue)
{
    if (pData.forceMin && pValue < pData.min) return pData.min;
    if (pData.forceMax && pValue > pData.max) return pData.max;
    return pValue;
}

} // namespace

////////////////////////////////////////////////////////////////////////////////
// FBString

FBString::FBString(const char* pString) : mString(strdup(pString ? pString : "")) {}
FBString::FBString(const FBString& pString) : mString(strdup(pString.mString)) {}
FBString& FBString::operator=(const FBString& pString)
{
    if (this != &pString) {
        char* lCopy = strdup(pString.mString);
        free(mString);
        mString = lCopy;
    }
    return *this;
}
FBString::~FBString() { free(mString); }
FBString::operator const char*() const { return mString; }

////////////////////////////////////////////////////////////////////////////////
// Properties

FBProperty::FBProperty() : mData(new FBPropertyData) {}
FBProperty::~FBProperty() { delete mData; }

FBProperty* FBProperty::CreateInternal(FBComponent* pParent, const char* pName, fbExternalGetSetHandler,
                                       fbExternalGetSetHandler)
{
    DeclareProperty(*this, pParent, pName, "");
    mData->internal = true;
    return this;
}

const char* FBProperty::GetName() const { return mData->name.c_str(); }
FBPropertyType FBProperty::GetPropertyType() const { return kFBPT_unknown; }
const char* FBProperty::GetPropertyTypeName() const { return mData->dataTypeName.c_str(); }
bool FBProperty::IsInternal() const { return mData->internal; }

bool FBProperty::SetData(void* pData)
{
    if (!pData) return false;
    const FBPropertyType lType = GetPropertyType();
    switch (lType) {
    case kFBPT_int:
    case kFBPT_enum: mData->values[0] = Clamped(*mData, *static_cast<const int*>(pData)); break;
    case kFBPT_bool: mData->values[0] = *static_cast<const bool*>(pData) ? 1.0 : 0.0; break;
    case kFBPT_double: mData->values[0] = Clamped(*mData, *static_cast<const double*>(pData)); break;
    case kFBPT_ColorRGBA: std::memcpy(mData->values, pData, sizeof(mData->values)); break;
    case kFBPT_charptr: {
        const char* lText = *static_cast<const char* const*>(pData);
        mData->text = lText ? lText : "";
        break;
    }
    default: return false;
    }
    return true;
}

bool FBProperty::GetData(void* pData, int pSize, FBEvaluateInfo*) const
{
    const FBPropertyType lType = GetPropertyType();
    if (!pData || pSize < ValueSize(lType)) return false;
    switch (lType) {
    case kFBPT_int:
    case kFBPT_enum: *static_cast<int*>(pData) = SaturatingInt(mData->values[0]); break;
    case kFBPT_bool: *static_cast<bool*>(pData) = mData->values[0] != 0.0; break;
    case kFBPT_double: *static_cast<double*>(pData) = mData->values[0]; break;
    case kFBPT_ColorRGBA: std::memcpy(pData, mData->values, sizeof(mData->values)); break;
    case kFBPT_charptr: *static_cast<const char**>(pData) = mData->text.c_str(); break;
    default: return false;
    }
    return true;
}

void FBProperty::SetMinMax(double pMin, double pMax, bool pForceMin, bool pForceMax)
{
    mData->hasRange = true;
    mData->min = pMin;
    mData->max = pMax;
    mData->forceMin = pForceMin;
    mData->forceMax = pForceMax;
}

FBPropertyString::FBPropertyString() {}
FBPropertyType FBPropertyString::GetPropertyType() const { return kFBPT_charptr; }
FBPropertyString::operator FBString() const
{
    const char* lText = nullptr;
    GetData(&lText, sizeof(lText));
    return FBString(lText);
}
FBPropertyString& FBPropertyString::operator=(const char* pText)
{
    SetData(&pText);
    return *this;
}

bool FBPropertyAnimatable::Init(FBComponent* pParent, const char* pName, const char* pDataType,
                                const double* pDefault)
{
    DeclareProperty(*this, pParent, pName, pDataType);
    FBPropertyData& lData = FBPropertyAccess::Data(*this);
    if (pDefault) std::copy(pDefault, pDefault + ValueCount(GetPropertyType()), lData.values);
    AddToOwner(*this);
    return true;
}

////////////////////////////////////////////////////////////////////////////////
// Objects

int FBPlug::mGlobalTypeInfo = 1;
int FBPlug::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBComponent::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBBox::TypeInfo = FBPlug::mGlobalTypeInfo++;
int FBHUDElement::TypeInfo = FBPlug::mGlobalTypeInfo++;

FBPlug::FBPlug(HIObject pObject) : mObject(pObject ? pObject : new IObject(this)) {}
FBPlug::~FBPlug()
{
    if (mObject->mPlug == this) delete mObject;
}
const char* FBPlug::ClassName() { return "FBPlug"; }
bool FBPlug::Is(int pTypeId) { return pTypeId == FBPlug::TypeInfo; }
int FBPlug::GetTypeId() { return FBPlug::TypeInfo; }
HIObject FBPlug::GetHIObject() const { return mObject; }

FBComponent::FBComponent(HIObject pObject)
    : FBPlug(pObject), mAllocated(false), mComponentData(new FBComponentData)
{
}
FBComponent::~FBComponent() { delete mComponentData; }
const char* FBComponent::ClassName() { return "FBComponent"; }
bool FBComponent::Is(int pTypeId) { return pTypeId == FBComponent::TypeInfo || FBPlug::Is(pTypeId); }
int FBComponent::GetTypeId() { return FBComponent::TypeInfo; }
void FBComponent::FBDelete()
{
    FBDestroy();
    if (mAllocated) delete this;
}
bool FBComponent::FBCreate() { return true; }
void FBComponent::FBDestroy() { ++TheCounters().componentDestroys; }
const char* FBComponent::FbxGetObjectSubType() { return ""; }
int FBComponent::PropertyAdd(FBProperty* pProperty)
{
    std::vector<FBProperty*>& lList = mComponentData->properties;
    if (!pProperty) return -1;
    const auto lFound = std::find(lList.begin(), lList.end(), pProperty);
    if (lFound != lList.end()) return static_cast<int>(lFound - lList.begin());
    lList.push_back(pProperty);
    return static_cast<int>(lList.size() - 1);
}

void* FBComponent::operator new(size_t pSize)
{
    void* lMemory = ::operator new(pSize);
    ++TheCounters().liveComponents;
    return lMemory;
}

void FBComponent::operator delete(void* pObject)
{
    if (!pObject) return;
    --TheCounters().liveComponents;
    ::operator delete(pObject);
}

FBBox::FBBox(HIObject pObject) : FBComponent(pObject) {}
FBBox::~FBBox() {}

FBCamera::FBCamera(const char*, HIObject pObject) : FBBox(pObject)
{
    DeclareSdkProperty(ResolutionWidth, this, "Resolution Width", 640.0);
    DeclareSdkProperty(ResolutionHeight, this, "Resolution Height", 480.0);
}
FBCamera::~FBCamera() {}

FBViewingOptions::FBViewingOptions() : mViewingOptionsData(new FBViewingOptionsData) {}
FBViewingOptions::~FBViewingOptions() { delete mViewingOptionsData; }
FBCamera* FBViewingOptions::GetViewingCamera() { return mViewingOptionsData->camera; }

FBHUDElement::FBHUDElement(const char*, HIObject pObject) : FBBox(pObject)
{
    DeclareSdkProperty(Show, this, "Show", true);
    DeclareSdkProperty(X, this, "X", 0.0);
    DeclareSdkProperty(Y, this, "Y", 0.0);
    DeclareSdkProperty(Width, this, "Width", 20.0);
    DeclareSdkProperty(Height, this, "Height", 20.0);
    DeclareSdkProperty(ScaleUniformly, this, "Scale Uniformly", false);
    DeclareSdkProperty(HorizontalPlacement, this, "Horizontal Placement", kFBHUDLeft);
    DeclareSdkProperty(VerticalPlacement, this, "Vertical Placement", kFBHUDBottom);
}
FBHUDElement::~FBHUDElement() {}
void FBHUDElement::GetIntrinsicDimension(FBViewingOptions*, int& pWidth, int& pHeight)
{
    pWidth = 0;
    pHeight = 0;
}
void FBHUDElement::DrawElement(FBViewingOptions*, FBHUDElement::Rect&) {}

FBSystem::FBSystem() {}
FBSystem::~FBSystem() {}

////////////////////////////////////////////////////////////////////////////////
// Registration and libraries

bool FBObject_Register(const char* pGroupName, const char* pEntryName, const char* pDescription,
                       kFBObjectCreateCallback pCallback, bool, const char*)
{
    ++TheCounters().registerCalls;
    const bool lTaken = pGroupName && pEntryName && pCallback;
    if (lTaken) TheRegistry().push_back({pGroupName, pEntryName, pDescription ? pDescription : "", pCallback});
    if (TheRegisterObserver()) TheRegisterObserver()();
    return lTaken;
}

FBLibraryBase::FBLibraryBase() { ++TheCounters().liveLibraries; }
bool FBLibraryBase::IQuery(int) { return false; }
void FBLibraryBase::Destroy() {}
FBLibraryBase::~FBLibraryBase() { --TheCounters().liveLibraries; }

} // namespace ORSDK2016

////////////////////////////////////////////////////////////////////////////////
// Host side

namespace fbhost {

std::vector<RegistryEntry> Registry() { return TheRegistry(); }
int RegisterCallCount() { return TheCounters().registerCalls; }
int LiveComponentCount() { return TheCounters().liveComponents; }
int ComponentDestroyCount() { return TheCounters().componentDestroys; }
int LiveLibraryCount() { return TheCounters().liveLibraries; }
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
    auto lInit = reinterpret_cast<bool (*)()>(lLibrary->Symbol("LIBRARY_INIT"));
    if (!lInit) {
        pError = pPath + " exports no LIBRARY_INIT: it is not a plug-in of this host";
        return nullptr;
    }
    if (!lInit()) {
        pError = pPath + ": LIBRARY_INIT answered false";
        return nullptr;
    }
    return lLibrary;
}

PluginLibrary::~PluginLibrary() { dlclose(mHandle); }

void* PluginLibrary::Symbol(const char* pName) const { return dlsym(mHandle, pName); }

FBPlug* FromHandle(HIObject pObject) { return pObject ? pObject->mPlug : nullptr; }

FBHUDElement* CreateElement(const RegistryEntry& pEntry, const char* pName)
{
    if (!pEntry.create) return nullptr;
    return dynamic_cast<FBHUDElement*>(FromHandle(pEntry.create(nullptr, pName, nullptr)));
}

void DestroyElement(FBComponent* pComponent)
{
    if (!pComponent) return;
    pComponent->FBDestroy();
    delete pComponent;
}

std::vector<FBProperty*> Properties(FBComponent* pComponent)
{
    return pComponent ? FBComponentAccess::Data(*pComponent).properties : std::vector<FBProperty*>();
}

bool IsDeclaredBySdk(const FBProperty* pProperty) { return FBPropertyAccess::Data(*pProperty).declaredBySdk; }

FBProperty* FindProperty(FBComponent* pComponent, const std::string& pName)
{
    for (FBProperty* lProperty : Properties(pComponent))
        if (pName == lProperty->GetName()) return lProperty;
    return nullptr;
}

std::optional<Range> PropertyRange(const FBProperty* pProperty)
{
    const FBPropertyData& lData = FBPropertyAccess::Data(*pProperty);
    if (!lData.hasRange) return std::nullopt;
    return Range{lData.min, lData.max};
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

// Parses the whole of pText as a number, in the C locale whatever the process's locale.
template <class tNumber> bool ParseNumber(const std::string& pText, tNumber& pValue)
{
    const std::string lText = Trimmed(pText);
    const char* lBegin = lText.data();
    if (!lText.empty() && lText[0] == '+') ++lBegin;
    const char* lEnd = lText.data() + lText.size();
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
    const FBPropertyData& lData = FBPropertyAccess::Data(*pProperty);
    switch (pProperty->GetPropertyType()) {
    case kFBPT_int:
    case kFBPT_enum: return std::to_string(SaturatingInt(lData.values[0]));
    case kFBPT_bool: return lData.values[0] != 0.0 ? "true" : "false";
    case kFBPT_double: return FormatNumber(lData.values[0]);
    case kFBPT_ColorRGBA:
        return FormatNumber(lData.values[0]) + "," + FormatNumber(lData.values[1]) + "," +
               FormatNumber(lData.values[2]) + "," + FormatNumber(lData.values[3]);
    case kFBPT_charptr: return lData.text;
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
    return pProperty->SetData(&lValue);
}

bool ParseColorValue(const std::string& pText, FBColorAndAlpha& pColor) { return ParseColor(pText, pColor.mValue); }

} // namespace

bool ParseValue(FBProperty* pProperty, const std::string& pText, std::string& pError)
{
    switch (pProperty->GetPropertyType()) {
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
        return pProperty->SetData(&lText);
    }
    default:
        pError = "\"" + std::string(pProperty->GetName()) + "\" cannot be set";
        return false;
    }
}

Viewer::Viewer() : mOptions(new FBViewingOptions), mCamera(new FBCamera("Producer Perspective"))
{
    FBViewingOptionsAccess::Data(*mOptions).camera = mCamera;
}

Viewer::~Viewer() { RemoveCamera(); }

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
    FBViewingOptionsAccess::Data(*mOptions).camera = nullptr;
}

} // namespace fbhost
