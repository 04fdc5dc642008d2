// hudhost's options: one table gives each option's parser, its help and its default, so that
// --help always shows what the parser does.

#include "host_options.h"

#include "name_matching.h"
#include "number_text.h"

#include <algorithm>
#include <initializer_list>

namespace hudhost {

namespace {

const int kMaxViewportSide = 16384;
const int kMaxFrames = 1000000;
const int kMaxContexts = 4;

template <class tNumber> std::string JoinNumbers(std::initializer_list<tNumber> pNumbers)
{
    std::string lText;
    for (const tNumber lNumber : pNumbers) lText += (lText.empty() ? "" : ",") + FormatNumber(lNumber);
    return lText;
}

bool ApplyPlugin(HostOptions& pOptions, const std::string& pValue)
{
    pOptions.pluginPath = pValue;
    return !pValue.empty();
}

bool ApplyElement(HostOptions& pOptions, const std::string& pValue)
{
    pOptions.elementClass = pValue;
    return !pValue.empty();
}

bool ApplySet(HostOptions& pOptions, const std::string& pValue)
{
    const size_t lEquals = pValue.find('=');
    if (lEquals == 0 || lEquals == std::string::npos) return false;
    pOptions.settings.push_back({pValue.substr(0, lEquals), pValue.substr(lEquals + 1)});
    return true;
}

bool ApplyRect(HostOptions& pOptions, const std::string& pValue)
{
    const auto lNumbers = ParseNumbers<double, 4>(pValue);
    if (!lNumbers) return false;
    pOptions.rects.push_back(fbhost::HudRect((*lNumbers)[0], (*lNumbers)[1], (*lNumbers)[2], (*lNumbers)[3]));
    return true;
}

bool ApplyViewport(HostOptions& pOptions, const std::string& pValue)
{
    const auto lNumbers = ParseNumbers<int, 2>(pValue);
    if (!lNumbers) return false;
    for (const int lSide : *lNumbers)
        if (lSide < 1 || lSide > kMaxViewportSide) return false;
    pOptions.viewport = {(*lNumbers)[0], (*lNumbers)[1]};
    return true;
}

bool ApplyBackground(HostOptions& pOptions, const std::string& pValue)
{
    const auto lNumbers = ParseNumbers<float, 3>(pValue);
    if (!lNumbers) return false;
    for (const float lComponent : *lNumbers)
        if (!(lComponent >= 0.0f && lComponent <= 1.0f)) return false;
    pOptions.background = {(*lNumbers)[0], (*lNumbers)[1], (*lNumbers)[2]};
    return true;
}

bool ApplyCamera(HostOptions& pOptions, const std::string& pValue)
{
    const auto lNumbers = ParseNumbers<double, 2>(pValue);
    if (!lNumbers) return false;
    pOptions.camera = CameraResolution{(*lNumbers)[0], (*lNumbers)[1]};
    return true;
}

//! A whole number from 1 to pMax, into pTarget (an int or an optional one).
template <class tTarget> bool ApplyCount(const std::string& pValue, int pMax, tTarget& pTarget)
{
    const auto lNumbers = ParseNumbers<int, 1>(pValue);
    if (!lNumbers || (*lNumbers)[0] < 1 || (*lNumbers)[0] > pMax) return false;
    pTarget = (*lNumbers)[0];
    return true;
}

bool ApplyFrames(HostOptions& pOptions, const std::string& pValue)
{
    return ApplyCount(pValue, kMaxFrames, pOptions.frames);
}

bool ApplyContexts(HostOptions& pOptions, const std::string& pValue)
{
    return ApplyCount(pValue, kMaxContexts, pOptions.contexts);
}

bool ApplyRecreateEvery(HostOptions& pOptions, const std::string& pValue)
{
    return ApplyCount(pValue, kMaxFrames, pOptions.recreateEvery);
}

bool ApplyGlDevice(HostOptions& pOptions, const std::string& pValue)
{
    const std::optional<GlDevice> lDevice = ParseGlDevice(pValue);
    if (lDevice) pOptions.glDevice = *lDevice;
    return lDevice.has_value();
}

bool ApplyHostState(HostOptions& pOptions, const std::string& pValue)
{
    const HostGlStateEntry* lEntry = FindHostGlState(pValue);
    if (lEntry) pOptions.hostStates.push_back(lEntry);
    return lEntry != nullptr;
}

bool ApplyOut(HostOptions& pOptions, const std::string& pValue)
{
    pOptions.outPath = pValue;
    return !pValue.empty();
}

struct OptionEntry {
    const char* name;
    const char* argument; //!< null for a flag
    const char* accepts;  //!< what a malformed value is told the option takes
    const char* meaning;
    bool (*apply)(HostOptions&, const std::string&);
    std::string (*shownDefault)(const HostOptions&); //!< null where there is none
};

const OptionEntry kOptions[] = {
    {"--plugin", "PATH", "the path of a plug-in library", "the plug-in library to load", ApplyPlugin,
     [](const HostOptions& pDefaults) { return pDefaults.pluginPath; }},
    {"--element", "CLASS", "a class name such as KestDialHUDElement", "the HUD element class to create", ApplyElement,
     [](const HostOptions&) { return std::string("the plug-in's only HUD element"); }},
    {"--set", "NAME=VALUE", "a property name, '=' and a value, such as \"Value=42\"",
     "sets a property before drawing; repeatable. A text property, such as Label, takes the value's bytes as the "
     "shell passes them, which is UTF-8 on today's systems",
     ApplySet, nullptr},
    {"--rect", "X,Y,W,H", "four numbers (nan and inf too) such as 50,40,200,200",
     "the element's rectangle in viewport pixels, from the lower left; repeatable: each frame then draws the "
     "element once in each rectangle, in order, as a host draws one HUD in several viewer panes",
     ApplyRect,
     [](const HostOptions&) {
         return JoinNumbers({kDefaultRect.mX, kDefaultRect.mY, kDefaultRect.mWidth, kDefaultRect.mHeight});
     }},
    {"--viewport", "W,H", "two whole numbers from 1 to 16384 such as 300,300", "the viewer's size in pixels",
     ApplyViewport,
     [](const HostOptions& pDefaults) {
         return JoinNumbers({pDefaults.viewport.width, pDefaults.viewport.height});
     }},
    {"--background", "R,G,B", "three numbers from 0 to 1 such as 0.2,0.2,0.2", "the viewer's opaque background colour",
     ApplyBackground,
     [](const HostOptions& pDefaults) {
         const Background& lColor = pDefaults.background;
         return JoinNumbers({lColor.red, lColor.green, lColor.blue});
     }},
    {"--camera", "W,H", "two numbers (nan and inf too) such as 640,480",
     "the viewing camera's Resolution Width and Height; with --list, also prints the intrinsic dimension", ApplyCamera,
     [](const HostOptions&) {
         return JoinNumbers({kDefaultCamera.width, kDefaultCamera.height});
     }},
    {"--frames", "N", "a whole number from 1 to 1000000",
     "draws N frames and prints the median, minimum and maximum time of a frame", ApplyFrames,
     [](const HostOptions& pDefaults) { return std::to_string(pDefaults.FrameCount()); }},
    {"--contexts", "N", "a whole number from 1 to 4",
     "draws every frame once in each of N contexts that share nothing, as a host draws its HUD in a second viewer "
     "or a video output; each holds textures of the host's own, checked after the last frame and after the "
     "element is destroyed",
     ApplyContexts, [](const HostOptions& pDefaults) { return std::to_string(pDefaults.contexts); }},
    {"--recreate-context-every", "K", "a whole number from 1 to 1000000",
     "destroys the first context and makes it anew after every K frames, as a viewer that is floated or re-laid "
     "out remakes its context",
     ApplyRecreateEvery, nullptr},
    {"--out", "FILE.png", "a file path", "writes the last frame, of the last context, as an opaque PNG", ApplyOut,
     nullptr},
    {"--gl-device", "DEVICE", "auto, software or a device index from --list-gl-devices",
     "the EGL device to render on: auto (the first GPU, else Mesa's software renderer), software, or an index",
     ApplyGlDevice, [](const HostOptions&) { return std::string("auto"); }},
    {"--list-gl-devices", nullptr, nullptr, "prints the EGL devices that --gl-device can choose, then exits",
     [](HostOptions& pOptions, const std::string&) { return pOptions.listGlDevices = true; }, nullptr},
    {"--host-state", "NAME", "a name that --list-host-states prints, such as cull-back",
     "draws over a state that a 3D viewer leaves behind, set before each frame's draws; repeatable: the states are "
     "set in order",
     ApplyHostState, nullptr},
    {"--list-host-states", nullptr, nullptr, "prints the names that --host-state takes, one a line, then exits",
     [](HostOptions& pOptions, const std::string&) { return pOptions.listHostStates = true; }, nullptr},
    {"--list", nullptr, nullptr, "prints the plug-in's registry and the element's properties, then exits",
     [](HostOptions& pOptions, const std::string&) { return pOptions.list = true; }, nullptr},
    {"--help", nullptr, nullptr, "prints this help",
     [](HostOptions& pOptions, const std::string&) { return pOptions.help = true; }, nullptr},
    {"--version", nullptr, nullptr, "prints the version",
     [](HostOptions& pOptions, const std::string&) { return pOptions.version = true; }, nullptr},
};

const OptionEntry* FindOption(const std::string& pName)
{
    for (const OptionEntry& lEntry : kOptions)
        if (pName == lEntry.name) return &lEntry;
    return nullptr;
}

std::string UnknownOptionError(const std::string& pArgument, const std::string& pName)
{
    if (pName.rfind("--", 0) != 0)
        return "unexpected argument \"" + pArgument + "\": hudhost takes only options; see hudhost --help";
    std::vector<std::string> lNames;
    for (const OptionEntry& lEntry : kOptions) lNames.emplace_back(lEntry.name);
    if (const std::optional<std::string> lNear = NearMiss(pName, lNames))
        return "unknown option \"" + pName + "\". Did you mean \"" + *lNear + "\"?";
    return "unknown option \"" + pArgument + "\": see hudhost --help for the options";
}

} // namespace

HostOptions::HostOptions() : pluginPath(HUDHOST_DEFAULT_PLUGIN) {}

GlProfile HostOptions::Profile() const
{
    const bool lCore = std::any_of(hostStates.begin(), hostStates.end(),
                                   [](const HostGlStateEntry* pEntry) { return pEntry->coreProfile; });
    return lCore ? GlProfile::kCore : GlProfile::kCompatibility;
}

std::optional<HostOptions> ParseOptions(const std::vector<std::string>& pArguments, std::string& pError)
{
    HostOptions lOptions;
    for (size_t lIndex = 0; lIndex < pArguments.size(); ++lIndex) {
        // Both "--name value" and "--name=value".
        std::string lName = pArguments[lIndex];
        std::optional<std::string> lValue;
        const size_t lEquals = lName.find('=');
        if (lName.rfind("--", 0) == 0 && lEquals != std::string::npos) {
            lValue = lName.substr(lEquals + 1);
            lName.resize(lEquals);
        }
        const OptionEntry* lEntry = FindOption(lName);
        if (!lEntry) {
            pError = UnknownOptionError(pArguments[lIndex], lName);
            return std::nullopt;
        }
        if (!lEntry->argument) {
            if (lValue) {
                pError = lName + " takes no value: give " + lName + " alone, not " + pArguments[lIndex];
                return std::nullopt;
            }
            lEntry->apply(lOptions, "");
            continue;
        }
        if (!lValue) {
            if (lIndex + 1 == pArguments.size()) {
                pError = lName + " needs a value: " + lEntry->argument + ", " + lEntry->accepts;
                return std::nullopt;
            }
            lValue = pArguments[++lIndex];
        }
        if (!lEntry->apply(lOptions, *lValue)) {
            pError = lName + " takes " + lEntry->argument + ", " + lEntry->accepts + "; not \"" + *lValue + "\"";
            return std::nullopt;
        }
    }
    return lOptions;
}

std::string HelpText()
{
    const HostOptions lDefaults;
    std::string lText = "Usage: hudhost [options]\n"
                        "Loads a HUD element plug-in as the host does and lists, draws or times its element.\n"
                        "Exit status: 0 success, 2 bad input, 3 plug-in failure, 4 no OpenGL context.\n\n";
    for (const OptionEntry& lEntry : kOptions) {
        std::string lUsage = std::string("  ") + lEntry.name;
        if (lEntry.argument) lUsage += std::string(" ") + lEntry.argument;
        lUsage.resize(std::max<size_t>(lUsage.size() + 2, 28), ' ');
        lText += lUsage + lEntry.meaning;
        if (lEntry.shownDefault) lText += " (default: " + lEntry.shownDefault(lDefaults) + ")";
        lText += "\n";
    }
    return lText;
}

// No Qt is named: the host links none, and each plug-in brings the Qt Core of its own host release.
std::string VersionText() { return std::string("hudhost ") + HUDHOST_VERSION; }

} // namespace hudhost
