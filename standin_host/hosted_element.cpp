// Creation of the element from its plug-in and the --set values.

#include "hosted_element.h"

#include "name_matching.h"
#include "property_text.h"

#include <dlfcn.h>

#include <algorithm>
#include <optional>

namespace hudhost {

namespace {

const char* const kHudElementGroup = "FbxStorable/HUDElement";

template <class tItem, class tName> std::string JoinNames(const std::vector<tItem>& pItems, tName pName)
{
    std::string lText;
    for (const tItem& lItem : pItems) lText += (lText.empty() ? "" : ", ") + std::string(pName(lItem));
    return lText;
}

std::vector<fbhost::RegistryEntry> HudElementEntries()
{
    std::vector<fbhost::RegistryEntry> lEntries = fbhost::Registry();
    lEntries.erase(std::remove_if(lEntries.begin(), lEntries.end(),
                                  [](const fbhost::RegistryEntry& pEntry) { return pEntry.group != kHudElementGroup; }),
                   lEntries.end());
    return lEntries;
}

//! The --element class, or the plug-in's only HUD element without one.
std::optional<fbhost::RegistryEntry> ChooseEntry(const HostOptions& pOptions, Failure& pFailure)
{
    const std::vector<fbhost::RegistryEntry> lEntries = HudElementEntries();
    const auto lClassName = [](const fbhost::RegistryEntry& pEntry) { return pEntry.name; };
    if (lEntries.empty()) {
        pFailure = {kExitPluginFailed,
                    pOptions.pluginPath + " registers no HUD element (group " + kHudElementGroup + ")"};
        return std::nullopt;
    }
    if (pOptions.elementClass.empty()) {
        if (lEntries.size() == 1) return lEntries.front();
        pFailure = {kExitBadInput, "the plug-in registers several HUD elements (" + JoinNames(lEntries, lClassName) +
                                       "): choose one with --element CLASS"};
        return std::nullopt;
    }
    for (const fbhost::RegistryEntry& lEntry : lEntries)
        if (lEntry.name == pOptions.elementClass) return lEntry;
    pFailure = {kExitBadInput, "the plug-in registers no HUD element class \"" + pOptions.elementClass +
                                   "\"; it registers " + JoinNames(lEntries, lClassName)};
    return std::nullopt;
}

//! The element's properties in the order that --list shows them: its own, then the SDK base's.
std::vector<FBProperty*> ListedProperties(FBHUDElement& pElement)
{
    std::vector<FBProperty*> lProperties = fbhost::Properties(&pElement);
    const auto lIsOwn = [](const FBProperty* pProperty) { return !fbhost::IsDeclaredBySdk(pProperty); };
    std::stable_partition(lProperties.begin(), lProperties.end(), lIsOwn);
    return lProperties;
}

//! The property that a --set name means: the one of exactly that name, else the first in --list
//! order whose name differs from it only in case.
FBProperty* FindSetProperty(FBHUDElement& pElement, const std::string& pName)
{
    if (FBProperty* lExact = fbhost::FindProperty(&pElement, pName)) return lExact;
    for (FBProperty* lProperty : ListedProperties(pElement))
        if (NameDistance(pName, lProperty->GetName()) == 0) return lProperty;
    return nullptr;
}

//! A near miss is answered with the name meant; any other name with the element's properties.
std::string UnknownPropertyError(FBHUDElement& pElement, const std::string& pName)
{
    std::vector<std::string> lNames;
    for (FBProperty* lProperty : ListedProperties(pElement)) lNames.emplace_back(lProperty->GetName());
    if (const std::optional<std::string> lNear = NearMiss(pName, lNames))
        return "--set: unknown property \"" + pName + "\". Did you mean \"" + *lNear + "\"?";
    const auto lSame = [](const std::string& pText) { return pText; };
    return "--set: unknown property \"" + pName + "\"; the properties of " + pElement.ClassName() + " are " +
           JoinNames(lNames, lSame);
}

bool ApplySetting(FBHUDElement& pElement, const PropertySetting& pSetting, Failure& pFailure)
{
    FBProperty* lProperty = FindSetProperty(pElement, pSetting.name);
    if (!lProperty) {
        pFailure = {kExitBadInput, UnknownPropertyError(pElement, pSetting.name)};
        return false;
    }
    std::string lError;
    if (ParseValue(lProperty, pSetting.value, lError)) return true;
    pFailure = {kExitBadInput, "--set: " + lError};
    return false;
}

//! Keeps a loaded plug-in, and the libraries it brought (its Qt Core among them), mapped until the
//! process ends, as the host keeps its plug-ins: the host links no Qt, and a Qt unloaded with the
//! plug-in would take with it static data that LeakSanitizer reads at exit.
void KeepResident(const std::string& pPath) { dlopen(pPath.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE); }

} // namespace

HostedElement::HostedElement(std::unique_ptr<fbhost::PluginLibrary> pLibrary, const fbhost::RegistryEntry& pEntry)
    : mLibrary(std::move(pLibrary)), mEntry(pEntry)
{
}

HostedElement::~HostedElement() { fbhost::DestroyElement(mElement); }

std::unique_ptr<HostedElement> HostedElement::Create(const HostOptions& pOptions, Failure& pFailure)
{
    std::string lError;
    std::unique_ptr<fbhost::PluginLibrary> lLibrary = fbhost::PluginLibrary::Load(pOptions.pluginPath, lError);
    if (!lLibrary) {
        pFailure = {kExitPluginFailed, "cannot load the plug-in: " + lError};
        return nullptr;
    }
    KeepResident(pOptions.pluginPath);
    const std::optional<fbhost::RegistryEntry> lEntry = ChooseEntry(pOptions, pFailure);
    if (!lEntry) return nullptr;

    std::unique_ptr<HostedElement> lHosted(new HostedElement(std::move(lLibrary), *lEntry));
    lHosted->mElement = fbhost::CreateElement(*lEntry, lEntry->name.c_str());
    if (!lHosted->mElement) {
        pFailure = {kExitPluginFailed, "the plug-in's creation function for " + lEntry->name +
                                           " answered null: the element refused to be created"};
        return nullptr;
    }
    for (const PropertySetting& lSetting : pOptions.settings)
        if (!ApplySetting(*lHosted->mElement, lSetting, pFailure)) return nullptr;
    return lHosted;
}

} // namespace hudhost
