// Loads the plug-in at the path given, as the host loads it, in a process that links no Qt, so
// that the plug-in runs on the Qt Core it brings. Unregisters the plug-in's font bundle, then asks
// it for a dial: the creation must be refused, and the plug-in's font-failure message reaches
// standard error through that Qt's message output.
//
// Exit status: 0 when the creation was refused, 1 when it was not, 2 when the plug-in does not
// load or lacks what the probe calls.

#include <fbsdk_host/fbsdk_host.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Its own lookup of the dial's class: the tests' shared one (tests/support) links Qt, which this
// process must not.
const char* const kDialClassName = "KestDialHUDElement";
//! The plug-in's export that unregisters its compiled-in resources (the fonts).
const char* const kCleanupResourcesSymbol = "_Z36qCleanupResources_kestdialhudelementv";

const fbhost::RegistryEntry* FindDial(const std::vector<fbhost::RegistryEntry>& pEntries)
{
    for (const fbhost::RegistryEntry& lEntry : pEntries)
        if (lEntry.name == kDialClassName) return &lEntry;
    return nullptr;
}

} // namespace

int main(int pArgc, char** pArgv)
{
    if (pArgc != 2) {
        std::fprintf(stderr, "usage: font_failure_probe PLUGIN\n");
        return 2;
    }
    std::string lError;
    const std::unique_ptr<fbhost::PluginLibrary> lLibrary = fbhost::PluginLibrary::Load(pArgv[1], lError);
    if (!lLibrary) {
        std::fprintf(stderr, "font_failure_probe: cannot load %s: %s\n", pArgv[1], lError.c_str());
        return 2;
    }
    using CleanupResources = int (*)();
    const auto lCleanup = reinterpret_cast<CleanupResources>(lLibrary->Symbol(kCleanupResourcesSymbol));
    const std::vector<fbhost::RegistryEntry> lEntries = fbhost::Registry();
    const fbhost::RegistryEntry* lDial = FindDial(lEntries);
    if (!lCleanup || !lDial) {
        std::fprintf(stderr, "font_failure_probe: %s exports no %s or registers no %s\n", pArgv[1],
                     kCleanupResourcesSymbol, kDialClassName);
        return 2;
    }
    lCleanup();
    FBHUDElement* lElement = fbhost::CreateElement(*lDial, "Font failure probe");
    if (!lElement) return 0;
    fbhost::DestroyElement(lElement);
    std::fprintf(stderr, "font_failure_probe: the dial was created without its fonts\n");
    return 1;
}
