// hudhost: the stand-in host program. Loads a HUD element plug-in through the host API, then
// lists its element, or draws it into an offscreen viewer, times it and writes a PNG.

#include "element_listing.h"
#include "element_rendering.h"
#include "host_options.h"
#include "hosted_element.h"
#include "viewer_contexts.h"

#include <clocale>
#include <iostream>

using namespace hudhost;

namespace {

int Fail(const Failure& pFailure)
{
    std::cerr << "hudhost: " << pFailure.message << "\n";
    return pFailure.status;
}

int Run(const HostOptions& pOptions)
{
    // Declared before the element so that the element is destroyed while its contexts exist, the
    // last one current.
    ViewerContexts lViewers;
    Failure lFailure;
    std::unique_ptr<HostedElement> lHosted = HostedElement::Create(pOptions, lFailure);
    if (!lHosted) return Fail(lFailure);
    if (pOptions.list) {
        PrintListing(*lHosted, pOptions, std::cout);
        return kExitSuccess;
    }
    if (!pOptions.Renders()) return kExitSuccess;

    if (const std::optional<std::string> lMissing = MissingGlDevice(pOptions.glDevice))
        return Fail({kExitBadInput, "--gl-device: " + *lMissing});
    std::string lError;
    if (!lViewers.Create(pOptions.contexts, pOptions.viewport, pOptions.glDevice, pOptions.Profile(), lError))
        return Fail({kExitNoOpenGL, "no OpenGL context: " + lError});
    if (!RenderElement(*lHosted, pOptions, lViewers, std::cout, lFailure)) return Fail(lFailure);
    lHosted.reset();
    if (const std::string lFault = lViewers.TextureFault(); !lFault.empty())
        return Fail({kExitPluginFailed, lFault + ", destroying the element"});
    return kExitSuccess;
}

} // namespace

int main(int pArgc, char** pArgv)
{
    // The host runs in the user's locale, so plug-ins are exercised in it here too.
    std::setlocale(LC_ALL, "");
    std::string lError;
    const std::optional<HostOptions> lOptions = ParseOptions({pArgv + 1, pArgv + pArgc}, lError);
    if (!lOptions) return Fail({kExitBadInput, lError});
    if (lOptions->help) {
        std::cout << HelpText();
        return kExitSuccess;
    }
    if (lOptions->version) {
        std::cout << VersionText() << "\n";
        return kExitSuccess;
    }
    if (lOptions->listGlDevices) {
        std::cout << GlDeviceListing();
        return kExitSuccess;
    }
    if (lOptions->listHostStates) {
        for (const HostGlStateEntry& lEntry : HostGlStates()) std::cout << lEntry.name << "\n";
        return kExitSuccess;
    }
    return Run(*lOptions);
}
