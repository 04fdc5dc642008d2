#ifndef FBSDK_HOST_FBSDK_HOST_H
#define FBSDK_HOST_FBSDK_HOST_H
// Host side of the stand-in SDK: what the host application does with plug-ins, for the
// stand-in host program and the tests. Plug-ins never include this header.

#include <fbsdk/fbsdk.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fbhost {

//! One class registered with FBObject_Register.
struct RegistryEntry {
    std::string group;
    std::string name;
    std::string description;
    kObjectCreatorFnc create = nullptr;
};

std::vector<RegistryEntry> Registry();
//! Number of FBObject_Register calls since the process started.
int RegisterCallCount();
//! Number of FBComponent objects allocated through FBComponent::operator new and not yet freed.
int LiveComponentCount();
//! Number of FBComponent::FBDestroy calls since the process started.
int ComponentDestroyCount();
//! Number of FBLibraryBase objects constructed and not yet destroyed.
int LiveLibraryCount();
//! The type id that the next class to load will take (FBPlug's type counter).
int NextTypeId();

//! Called at the end of every FBObject_Register call, while the registering library may still
//! be loading; lets a host see what else is in place at that moment. Empty: nothing is called.
using RegisterObserver = std::function<void()>;
//! Installs pObserver in place of the current one.
void SetRegisterObserver(RegisterObserver pObserver);

//! A plug-in library loaded the way the host loads it: dlopen, then LIBRARY_INIT with the
//! host's error handle.
class PluginLibrary {
public:
    //! Loads the library at pPath; on failure answers null and says why in pError.
    static std::unique_ptr<PluginLibrary> Load(const std::string& pPath, std::string& pError);
    ~PluginLibrary(); // unloads the library
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    //! Address of an exported symbol, or null.
    void* Symbol(const char* pName) const;

private:
    explicit PluginLibrary(void* pHandle) : mHandle(pHandle) {}
    void* mHandle;
};

//! Creates an element through its registered creation function; null when it refuses.
FBHUDElement* CreateElement(const RegistryEntry& pEntry, const char* pName);
//! Tears an element down as the host does: FBDestroy, then delete.
void DestroyElement(FBComponent* pComponent);

//! A component's properties in declaration order, the SDK base's own first.
std::vector<FBProperty*> Properties(FBComponent* pComponent);
//! True for properties that the SDK base classes declare.
bool IsDeclaredBySdk(const FBProperty* pProperty);
//! The property named pName (matched exactly), or null.
FBProperty* FindProperty(FBComponent* pComponent, const std::string& pName);

struct Range {
    double min;
    double max;
};
std::optional<Range> PropertyRange(const FBProperty* pProperty);

//! A HUD element rectangle shown at its intrinsic size (both scales 1).
FBHUDElement::Rect HudRect(double pX, double pY, double pWidth, double pHeight);

//! Viewing options with a camera whose resolution the host controls; the camera can be removed.
class Viewer {
public:
    Viewer();
    ~Viewer();
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;

    FBViewingOptions* Options();
    FBCamera* Camera() { return mCamera; }
    void SetCameraResolution(double pWidth, double pHeight);
    void RemoveCamera();

private:
    std::unique_ptr<StandInViewingOptions> mOptions;
    FBCamera* mCamera;
};

} // namespace fbhost

#endif // FBSDK_HOST_FBSDK_HOST_H
