// The stand-in's host side (fbsdk_host/fbsdk_host.h): what the host application does with
// plug-ins, through the host objects behind the SDK's wrappers (host_objects.h).

#include "host_objects.h"

#include <dlfcn.h>

#include <utility>

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
