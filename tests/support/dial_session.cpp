// The host's side of a dial for the tests, the benchmarks and the fuzzer.

#include "dial_session.h"

#include "property_text.h"

#include <algorithm>
#include <memory>

namespace kestdial {

bool IsDialClass(const fbhost::RegistryEntry& pEntry) { return pEntry.name == kDialClassName; }

const fbhost::RegistryEntry* DialClass(std::string& pError)
{
    static std::string sLoadError;
    static const std::unique_ptr<fbhost::PluginLibrary> sLibrary =
        fbhost::PluginLibrary::Load(KEST_PLUGIN_PATH, sLoadError);
    static const fbhost::RegistryEntry sEntry = [] {
        const std::vector<fbhost::RegistryEntry> lEntries = fbhost::Registry();
        const auto lFound = std::find_if(lEntries.begin(), lEntries.end(), IsDialClass);
        return lFound != lEntries.end() ? *lFound : fbhost::RegistryEntry();
    }();
    if (!sLibrary) pError = "cannot load " KEST_PLUGIN_PATH ": " + sLoadError;
    else if (!sEntry.create) pError = KEST_PLUGIN_PATH " registers no " + std::string(kDialClassName);
    return sLibrary && sEntry.create ? &sEntry : nullptr;
}

int DialRegistrations()
{
    const std::vector<fbhost::RegistryEntry> lEntries = fbhost::Registry();
    return static_cast<int>(std::count_if(lEntries.begin(), lEntries.end(), IsDialClass));
}

bool SetFromText(FBComponent& pElement, const std::string& pName, const std::string& pText, std::string& pError)
{
    FBProperty* lProperty = fbhost::FindProperty(&pElement, pName);
    if (!lProperty) {
        pError = "no property \"" + pName + "\"";
        return false;
    }
    return hudhost::ParseValue(lProperty, pText, pError);
}

bool SetFromValue(FBComponent& pElement, const std::string& pName, void* pValue)
{
    FBProperty* lProperty = fbhost::FindProperty(&pElement, pName);
    if (lProperty) lProperty->SetData(pValue);
    return lProperty != nullptr;
}

} // namespace kestdial
