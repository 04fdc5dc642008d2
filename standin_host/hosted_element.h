#ifndef HUDHOST_HOSTED_ELEMENT_H
#define HUDHOST_HOSTED_ELEMENT_H
// A HUD element created from its plug-in the way the host creates it, with the user's
// property settings applied.

#include "host_options.h"

#include <fbsdk_host/fbsdk_host.h>

#include <memory>
#include <string>

namespace hudhost {

enum ExitStatus { kExitSuccess = 0, kExitBadInput = 2, kExitPluginFailed = 3, kExitNoOpenGL = 4 };

//! Why hudhost stops: the exit status and one line for the user.
struct Failure {
    ExitStatus status = kExitSuccess;
    std::string message;
};

class HostedElement {
public:
    //! Loads the plug-in, creates the chosen element and applies the --set values in order;
    //! null, with the reason in pFailure, when any step fails.
    static std::unique_ptr<HostedElement> Create(const HostOptions& pOptions, Failure& pFailure);
    ~HostedElement(); // destroys the element as the host does, then unloads the plug-in
    HostedElement(const HostedElement&) = delete;
    HostedElement& operator=(const HostedElement&) = delete;

    FBHUDElement& Element() { return *mElement; }
    const fbhost::RegistryEntry& Entry() const { return mEntry; }

private:
    HostedElement(std::unique_ptr<fbhost::PluginLibrary> pLibrary, const fbhost::RegistryEntry& pEntry);

    std::unique_ptr<fbhost::PluginLibrary> mLibrary;
    fbhost::RegistryEntry mEntry;
    FBHUDElement* mElement = nullptr;
};

} // namespace hudhost

#endif // HUDHOST_HOSTED_ELEMENT_H
