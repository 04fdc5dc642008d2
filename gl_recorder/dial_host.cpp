#include "dial_host.h"

#include <memory>
#include <optional>

namespace kesttest {

const fbhost::RegistryEntry* DialClass(std::string& pError)
{
    static std::string sError;
    static const std::unique_ptr<fbhost::PluginLibrary> sLibrary =
        fbhost::PluginLibrary::Load(KEST_PLUGIN_PATH, sError);
    static const std::optional<fbhost::RegistryEntry> sEntry = []() -> std::optional<fbhost::RegistryEntry> {
        if (!sLibrary) return std::nullopt;
        for (const fbhost::RegistryEntry& lEntry : fbhost::Registry())
            if (lEntry.name == "KestDialHUDElement") return lEntry;
        return std::nullopt;
    }();
    if (!sLibrary) pError = "cannot load " KEST_PLUGIN_PATH ": " + sError;
    else if (!sEntry) pError = KEST_PLUGIN_PATH " registers no KestDialHUDElement";
    return sEntry ? &*sEntry : nullptr;
}

bool SetFromText(ORSDK2016::FBComponent& pElement, const std::string& pName, const std::string& pText,
                 std::string& pError)
{
    ORSDK2016::FBProperty* lProperty = fbhost::FindProperty(&pElement, pName);
    if (!lProperty) {
        pError = "the dial has no property \"" + pName + "\"";
        return false;
    }
    return fbhost::ParseValue(lProperty, pText, pError);
}

} // namespace kesttest
