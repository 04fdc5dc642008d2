// hudhost: the stand-in host program. Loads a HUD element plug-in through the host API, then
// lists its element, or draws it into an offscreen viewer, times it and writes a PNG.

#include "element_listing.h"
#include "element_rendering.h"
#include "hosted_element.h"
#include "host_options.h"
#include "offscreen_gl.h"

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
    // Declared before the element so that the element is destroyed while its context is current.
    std::unique_ptr<OffscreenGL> lGL;
    Failure lFailure;
    const std::unique_ptr<HostedElement> lHosted = HostedElement::Create(pOptions, lFailure);
    if (!lHosted) return Fail(lFailure);
    if (pOptions.list) {
        PrintListing(*lHosted, pOptions, std::cout);
        return kExitSuccess;
    }
    if (!pOptions.Renders()) return kExitSuccess;

    if (const std::optional<std::string> lMissing = MissingGlDevice(pOptions.glDevice))
        return Fail({kExitBadInput, "--gl-device: " + *lMissing});
    std::string lError;
    lGL = OffscreenGL::Create(pOptions.viewport.width, pOptions.viewport.height, pOptions.glDevice, lError,
                              pOptions.Profile());
    if (!lGL) return Fail({kExitNoOpenGL, "no OpenGL context: " + lError});
    return RenderElement(*lHosted, pOptions, *lGL, std::cout, lFailure) ? kExitSuccess : Fail(lFailure);
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
