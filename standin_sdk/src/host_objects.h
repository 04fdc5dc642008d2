#ifndef FBSDK_SRC_HOST_OBJECTS_H
#define FBSDK_SRC_HOST_OBJECTS_H
// What the stand-in host keeps behind the SDK's wrappers, shared by the SDK's implementation
// (fbsdk.cpp) and the host-side API (fbsdk_host.cpp). Not installed: plug-ins never see it.

#include <fbsdk/fbsdk.h>
#include <fbsdk_host/fbsdk_host.h>

#include <string>
#include <vector>

namespace FBSDKNamespace {

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
    //! A text property's text and its NUL, in a buffer of exactly that size: a plug-in that reads
    //! past the terminator reads past the buffer, which a sanitized build reports.
    std::vector<char> text = std::vector<char>(1, '\0');
    bool hasRange = false;
    double min = 0.0;
    double max = 0.0;
    bool forceMin = false;
    bool forceMax = false;
};

//! What the host counts of the plug-ins' calls, for the host-side API.
struct Counters {
    int registerCalls = 0;
    int liveComponents = 0;
    int componentDestroys = 0;
    int liveLibraries = 0;
};

Counters& TheCounters();
std::vector<fbhost::RegistryEntry>& TheRegistry();
fbhost::RegisterObserver& TheRegisterObserver();

//! Gives the stand-in's own code the host's side of wrappers and the type counter.
struct FBStandIn : FBPlug {
    static HostProperty& Host(const FBProperty& pProperty)
    {
        return *static_cast<HostProperty*>(pProperty.GetHIObject());
    }
    static int& TypeCounter() { return mGlobalTypeInfo; }
};

//! The stand-in host's viewing options: a camera that the host may take away.
class StandInViewingOptions : public FBViewingOptions {
public:
    FBCamera* mCamera = nullptr;
};

} // namespace FBSDKNamespace

#endif // FBSDK_SRC_HOST_OBJECTS_H
