// The plug-in loaded the way the host loads it (dlopen, then LIBRARY_INIT): its exported
// symbols, what happens while it loads and unloads, and the elements that its registered
// creation function makes. Every load here is undone before the next one, so each load runs
// the library's initialisation afresh, provided the unload really unmapped the library; the
// registry entries of earlier loads stay behind, as the class is never unregistered, and the
// latest entry is the one of the current load. CTest runs each test in a process of its own,
// so each PluginLoad test there sees the process's first load.

#include "dial_session.h"
#include "property_text.h"

#include <fbsdk_host/fbsdk_host.h>

#include <QtCore/QFile>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kEntryPointSymbol = "_Z29EntryPointkestdialhudeelement15kFBDllOperation";
const char* const kTypeInfoSymbol = "_ZN18KestDialHUDElement8TypeInfoE";
const char* const kBundledFont = ":/resources/Arial.ttf";

std::unique_ptr<fbhost::PluginLibrary> LoadPlugin()
{
    std::string lError;
    std::unique_ptr<fbhost::PluginLibrary> lLibrary = fbhost::PluginLibrary::Load(KEST_PLUGIN_PATH, lError);
    EXPECT_TRUE(lLibrary) << lError;
    return lLibrary;
}

//! Whether the plug-in is mapped into the process, without loading it.
bool IsResident()
{
    void* lHandle = dlopen(KEST_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
    if (lHandle) dlclose(lHandle);
    return lHandle != nullptr;
}

int ElementTypeId(const fbhost::PluginLibrary& pLibrary)
{
    const int* lTypeId = static_cast<const int*>(pLibrary.Symbol(kTypeInfoSymbol));
    if (!lTypeId) ADD_FAILURE() << "KestDialHUDElement::TypeInfo is not exported";
    return lTypeId ? *lTypeId : 0;
}

std::vector<fbhost::RegistryEntry> ElementEntries()
{
    std::vector<fbhost::RegistryEntry> lEntries;
    for (const fbhost::RegistryEntry& lEntry : fbhost::Registry())
        if (kestdial::IsDialClass(lEntry)) lEntries.push_back(lEntry);
    return lEntries;
}

//! What the host can see of the plug-in's library-wide effects.
struct HostState {
    int registerCalls;
    size_t registrySize;
    int liveLibraries;
    int liveComponents;
    int typeCounter;
    bool bundleRegistered;

    static HostState Now()
    {
        return {fbhost::RegisterCallCount(),  fbhost::Registry().size(), fbhost::LiveLibraryCount(),
                fbhost::LiveComponentCount(), fbhost::NextTypeId(),      QFile::exists(kBundledFont)};
    }
    bool operator==(const HostState& p) const
    {
        return registerCalls == p.registerCalls && registrySize == p.registrySize && liveLibraries == p.liveLibraries &&
               liveComponents == p.liveComponents && typeCounter == p.typeCounter &&
               bundleRegistered == p.bundleRegistered;
    }
};

std::ostream& operator<<(std::ostream& pStream, const HostState& p)
{
    return pStream << "{registerCalls " << p.registerCalls << ", registrySize " << p.registrySize << ", liveLibraries "
                   << p.liveLibraries << ", liveComponents " << p.liveComponents << ", typeCounter " << p.typeCounter
                   << ", bundleRegistered " << p.bundleRegistered << "}";
}

//! Each test loads the plug-in itself and records the host's state at every registration.
class PluginLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (IsResident())
            GTEST_SKIP() << "an earlier unload in this process left the plug-in mapped, so a load cannot run "
                            "its initialisation again (see PluginLoad.UnloadUnmapsTheLibraryAndKeepsTheRegistryEntry)";
        mBefore = HostState::Now();
        fbhost::SetRegisterObserver([this] { mAtRegistration.push_back(HostState::Now()); });
        mLibrary = LoadPlugin();
        ASSERT_TRUE(mLibrary);
    }
    void TearDown() override
    {
        mLibrary.reset();
        fbhost::SetRegisterObserver(nullptr);
    }

    HostState mBefore{};
    std::vector<HostState> mAtRegistration;
    std::unique_ptr<fbhost::PluginLibrary> mLibrary;
};

// First of the suite: when all tests share one process, a failure to unmap shows here and
// the later loads skip.
TEST_F(PluginLoad, UnloadUnmapsTheLibraryAndKeepsTheRegistryEntry)
{
    const size_t lEntries = ElementEntries().size();
    mLibrary.reset();
    EXPECT_EQ(ElementEntries().size(), lEntries);
    EXPECT_FALSE(IsResident()) << "nothing but the host held the library, so dlclose must unmap it";
    EXPECT_EQ(fbhost::LiveLibraryCount(), mBefore.liveLibraries);
    EXPECT_FALSE(QFile::exists(kBundledFont));
}

TEST_F(PluginLoad, BundleTypeIdRegistrationAndLibraryObjectComeInThatOrder)
{
    EXPECT_EQ(ElementTypeId(*mLibrary), mBefore.typeCounter);
    EXPECT_EQ(fbhost::NextTypeId(), mBefore.typeCounter + 1);
    EXPECT_EQ(fbhost::LiveLibraryCount(), mBefore.liveLibraries + 1);

    ASSERT_EQ(mAtRegistration.size(), 1u);
    const HostState& lAt = mAtRegistration.front();
    EXPECT_TRUE(lAt.bundleRegistered) << "the font bundle must be registered before the class";
    EXPECT_EQ(lAt.typeCounter, mBefore.typeCounter + 1) << "the type id must be taken before the registration";
    EXPECT_EQ(lAt.liveLibraries, mBefore.liveLibraries) << "the library object must come after the registration";

    const std::vector<fbhost::RegistryEntry> lEntries = ElementEntries();
    ASSERT_FALSE(lEntries.empty());
    EXPECT_EQ(lEntries.back().group, "FbxStorable/HUDElement");
    EXPECT_EQ(lEntries.back().description, "Kest Dial HUD Element");
    EXPECT_NE(lEntries.back().create, nullptr);
}

//! The host only ever passes kFBDllLoad or kFBDllUnLoad; within this load the class is
//! already registered, so neither may change anything the host sees.
class PluginEntryPoint : public PluginLoad, public ::testing::WithParamInterface<kFBDllOperation> {};

TEST_P(PluginEntryPoint, LeavesTheHostUntouchedOnceLoaded)
{
    const auto lEntryPoint = reinterpret_cast<void (*)(kFBDllOperation)>(mLibrary->Symbol(kEntryPointSymbol));
    ASSERT_NE(lEntryPoint, nullptr);
    const HostState lLoaded = HostState::Now();
    lEntryPoint(GetParam());
    lEntryPoint(GetParam());
    EXPECT_EQ(HostState::Now(), lLoaded);
    EXPECT_EQ(mAtRegistration.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Operations, PluginEntryPoint, ::testing::Values(kFBDllLoad, kFBDllUnLoad));

TEST(PluginSymbols, ExportsTheHostEntryPointsAndIdentity)
{
    const std::string lCommand = std::string(KEST_NM) + " -D --defined-only '" + KEST_PLUGIN_PATH + "'";
    const std::unique_ptr<FILE, int (*)(FILE*)> lPipe(popen(lCommand.c_str(), "r"), pclose);
    ASSERT_TRUE(lPipe);
    std::set<std::string> lDefined;
    char lLine[1024];
    char lName[1024];
    while (std::fgets(lLine, sizeof(lLine), lPipe.get()))
        if (std::sscanf(lLine, "%*s %*s %1023s", lName) == 1) lDefined.insert(lName);

    for (const char* lSymbol :
         {"LIBRARY_INIT", kEntryPointSymbol, "_Z27KdsoInitkestdialhudeelementv", "_Z27KdsoDonekestdialhudeelementv",
          "_Z34FBModuleKestDialHUDElementStorablev", "_Z40RegisterStorableKestDialHUDElementCreateP7IObjectPKcPv",
          "_Z33qInitResources_kestdialhudelementv", "_Z36qCleanupResources_kestdialhudelementv", kTypeInfoSymbol})
        EXPECT_EQ(lDefined.count(lSymbol), 1u) << lSymbol;
}

//! One load for the whole suite; each test gets a new element from the registered creation
//! function of that load.
class PluginElement : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sLibrary = LoadPlugin(); }
    static void TearDownTestSuite() { sLibrary.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(sLibrary);
        mLiveBefore = fbhost::LiveComponentCount();
        mElement = fbhost::CreateElement(ElementEntries().back(), "Dial");
        ASSERT_NE(mElement, nullptr);
    }
    void TearDown() override { fbhost::DestroyElement(mElement); }

    static std::unique_ptr<fbhost::PluginLibrary> sLibrary;
    int mLiveBefore = 0;
    FBHUDElement* mElement = nullptr;
};

std::unique_ptr<fbhost::PluginLibrary> PluginElement::sLibrary;

TEST_F(PluginElement, IsItsOwnClassAndItsSdkBasesOnly)
{
    const int lOwn = ElementTypeId(*sLibrary);
    EXPECT_EQ(mElement->GetTypeId(), lOwn);
    const struct {
        const char* what;
        int id;
        bool is;
    } kCases[] = {
        {"own", lOwn, true},
        {"FBHUDElement", FBHUDElement::TypeInfo, true},
        {"FBBox", FBBox::TypeInfo, true},
        {"FBComponent", FBComponent::TypeInfo, true},
        {"FBPlug", FBPlug::TypeInfo, true},
        {"next unassigned", fbhost::NextTypeId(), false},
        {"zero", 0, false},
        {"negative", -1, false},
        {"largest", INT_MAX, false},
    };
    for (const auto& lCase : kCases) EXPECT_EQ(mElement->Is(lCase.id), lCase.is) << lCase.what;
}

TEST_F(PluginElement, NamesItselfAsItsRegistryEntry)
{
    EXPECT_STREQ(mElement->ClassName(), kestdial::kDialClassName);
    EXPECT_STREQ(mElement->FbxGetObjectSubType(), kestdial::kDialClassName);
}

TEST_F(PluginElement, DeclaresItsPropertiesWithDefaultsAndRanges)
{
    const struct {
        const char* name;
        const char* typeName;
        FBPropertyType type;
        const char* value;
        std::optional<fbhost::Range> range;
    } kProperties[] = {
        {"Mask Color", "ColorAndAlpha", kFBPT_ColorRGBA, "0,0,0,0.75", std::nullopt},
        {"Font Color", "ColorAndAlpha", kFBPT_ColorRGBA, "0.6,0.8,1,1", std::nullopt},
        {"Minimum", "Number", kFBPT_double, "0", fbhost::Range{0.0, 100.0}},
        {"Maximum", "Number", kFBPT_double, "100", fbhost::Range{0.0, 100.0}},
        {"Value", "Number", kFBPT_double, "0", fbhost::Range{0.0, 100.0}},
        {"Spread", "Number", kFBPT_double, "0.75", fbhost::Range{0.0, 1.0}},
        {"Ticks", "Integer", kFBPT_int, "10", std::nullopt},
        {"Label", "", kFBPT_charptr, "METER", std::nullopt},
    };
    std::vector<std::string> lOwn;
    for (FBProperty* lProperty : fbhost::Properties(mElement))
        if (!fbhost::IsDeclaredBySdk(lProperty)) lOwn.emplace_back(lProperty->GetName());
    std::vector<std::string> lExpected;
    for (const auto& lCase : kProperties) lExpected.emplace_back(lCase.name);
    EXPECT_EQ(lOwn, lExpected) << "the element's own properties, in declaration order";

    for (const auto& lCase : kProperties) {
        SCOPED_TRACE(lCase.name);
        FBProperty* lProperty = fbhost::FindProperty(mElement, lCase.name);
        ASSERT_NE(lProperty, nullptr);
        EXPECT_STREQ(lProperty->GetPropertyTypeName(), lCase.typeName);
        EXPECT_EQ(lProperty->GetPropertyType(), lCase.type);
        EXPECT_EQ(hudhost::FormatValue(lProperty), lCase.value);
        const std::optional<fbhost::Range> lRange = fbhost::PropertyRange(lProperty);
        ASSERT_EQ(lRange.has_value(), lCase.range.has_value());
        if (lRange) {
            EXPECT_EQ(lRange->min, lCase.range->min);
            EXPECT_EQ(lRange->max, lCase.range->max);
        }
    }
}

TEST_F(PluginElement, ShowsItselfOnCreation)
{
    FBProperty* lProperty = fbhost::FindProperty(mElement, "Show");
    ASSERT_NE(lProperty, nullptr);
    EXPECT_EQ(hudhost::FormatValue(lProperty), "true");
}

//! The host's two ways of ending an element: FBDestroy then delete, or FBDelete alone. Both
//! must reach FBComponent::FBDestroy once and give the element's storage back.
struct Teardown {
    const char* name;
    std::function<void(FBHUDElement*)> run;
};

void PrintTo(const Teardown& pTeardown, std::ostream* pStream) { *pStream << pTeardown.name; }

class PluginElementTeardown : public PluginElement, public ::testing::WithParamInterface<Teardown> {};

TEST_P(PluginElementTeardown, ReachesComponentDestroyAndFreesTheElement)
{
    EXPECT_EQ(fbhost::LiveComponentCount(), mLiveBefore + 1);
    const int lDestroys = fbhost::ComponentDestroyCount();
    GetParam().run(mElement);
    mElement = nullptr;
    EXPECT_EQ(fbhost::ComponentDestroyCount(), lDestroys + 1);
    EXPECT_EQ(fbhost::LiveComponentCount(), mLiveBefore);
}

INSTANTIATE_TEST_SUITE_P(Ways, PluginElementTeardown,
                         ::testing::Values(Teardown{"DestroyThenDelete", fbhost::DestroyElement},
                                           Teardown{"FBDelete", [](FBHUDElement* pElement) { pElement->FBDelete(); }}),
                         [](const ::testing::TestParamInfo<Teardown>& pInfo) { return std::string(pInfo.param.name); });

} // namespace
