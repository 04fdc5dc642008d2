// hudhost's command line: defaults, every option, and malformed input turned into one message.

#include "host_options.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>

using hudhost::HostOptions;
using hudhost::ParseOptions;

namespace {

HostOptions Parsed(const std::vector<std::string>& pArguments)
{
    std::string lError;
    const std::optional<HostOptions> lOptions = ParseOptions(pArguments, lError);
    EXPECT_TRUE(lOptions) << lError;
    return lOptions.value_or(HostOptions());
}

TEST(HostOptions, DefaultsWithoutArguments)
{
    const HostOptions lOptions = Parsed({});
    EXPECT_EQ(lOptions.pluginPath, KEST_PLUGIN_PATH);
    EXPECT_TRUE(lOptions.elementClass.empty());
    EXPECT_TRUE(lOptions.settings.empty());
    EXPECT_EQ(lOptions.Rects().size(), 1u);
    EXPECT_EQ(lOptions.Rects().front().mX, 50.0);
    EXPECT_EQ(lOptions.Rects().front().mY, 40.0);
    EXPECT_EQ(lOptions.Rects().front().mWidth, 200.0);
    EXPECT_EQ(lOptions.Rects().front().mHeight, 200.0);
    EXPECT_EQ(lOptions.viewport.width, 300);
    EXPECT_EQ(lOptions.viewport.height, 300);
    EXPECT_FLOAT_EQ(lOptions.background.red, 0.2f);
    EXPECT_FLOAT_EQ(lOptions.background.green, 0.2f);
    EXPECT_FLOAT_EQ(lOptions.background.blue, 0.2f);
    EXPECT_FALSE(lOptions.camera);
    EXPECT_EQ(lOptions.Camera().width, 640.0);
    EXPECT_EQ(lOptions.Camera().height, 480.0);
    EXPECT_EQ(lOptions.FrameCount(), 1);
    EXPECT_EQ(lOptions.contexts, 1);
    EXPECT_FALSE(lOptions.recreateEvery);
    EXPECT_TRUE(lOptions.outPath.empty());
    EXPECT_EQ(lOptions.glDevice.kind, hudhost::GlDevice::kAuto);
    EXPECT_FALSE(lOptions.list || lOptions.listGlDevices || lOptions.help || lOptions.version);
    EXPECT_FALSE(lOptions.Renders());
}

TEST(HostOptions, EveryOptionInBothForms)
{
    for (const std::string lSeparator : {" ", "="}) {
        std::vector<std::string> lArguments;
        const auto lAdd = [&](const std::string& pName, const std::string& pValue) {
            if (lSeparator == "=") {
                lArguments.push_back(pName + "=" + pValue);
            } else {
                lArguments.push_back(pName);
                lArguments.push_back(pValue);
            }
        };
        lAdd("--plugin", "/tmp/other.so");
        lAdd("--element", "OtherElement");
        lAdd("--rect", "-5,0.5,120,80");
        lAdd("--rect", "100,90,60,61"); // a second pane
        lAdd("--viewport", "640,360");
        lAdd("--background", "0,0.5,1");
        lAdd("--camera", "1920,1080");
        lAdd("--frames", "25");
        lAdd("--contexts", "3");
        lAdd("--recreate-context-every", "7");
        lAdd("--out", "dial.png");
        lAdd("--gl-device", "1");
        lAdd("--host-state", "wireframe");
        lAdd("--host-state", "cull-back");
        SCOPED_TRACE("separator \"" + lSeparator + "\"");

        const HostOptions lOptions = Parsed(lArguments);
        EXPECT_EQ(lOptions.pluginPath, "/tmp/other.so");
        EXPECT_EQ(lOptions.elementClass, "OtherElement");
        ASSERT_EQ(lOptions.Rects().size(), 2u);
        EXPECT_EQ(lOptions.Rects()[0].mX, -5.0);
        EXPECT_EQ(lOptions.Rects()[0].mY, 0.5);
        EXPECT_EQ(lOptions.Rects()[0].mWidth, 120.0);
        EXPECT_EQ(lOptions.Rects()[0].mHeight, 80.0);
        EXPECT_EQ(lOptions.Rects()[1].mX, 100.0);
        EXPECT_EQ(lOptions.Rects()[1].mWidth, 60.0);
        EXPECT_EQ(lOptions.Rects()[1].mHeight, 61.0);
        EXPECT_EQ(lOptions.viewport.width, 640);
        EXPECT_EQ(lOptions.viewport.height, 360);
        EXPECT_EQ(lOptions.background.red, 0.0f);
        EXPECT_EQ(lOptions.background.green, 0.5f);
        EXPECT_EQ(lOptions.background.blue, 1.0f);
        ASSERT_TRUE(lOptions.camera);
        EXPECT_EQ(lOptions.camera->width, 1920.0);
        EXPECT_EQ(lOptions.camera->height, 1080.0);
        EXPECT_EQ(lOptions.FrameCount(), 25);
        EXPECT_EQ(lOptions.contexts, 3);
        EXPECT_EQ(lOptions.recreateEvery, 7);
        EXPECT_EQ(lOptions.outPath, "dial.png");
        EXPECT_EQ(lOptions.glDevice.kind, hudhost::GlDevice::kIndex);
        EXPECT_EQ(lOptions.glDevice.index, 1);
        ASSERT_EQ(lOptions.hostStates.size(), 2u);
        EXPECT_STREQ(lOptions.hostStates[0]->name, "wireframe");
        EXPECT_STREQ(lOptions.hostStates[1]->name, "cull-back");
        EXPECT_EQ(lOptions.Profile(), hudhost::GlProfile::kCompatibility);
    }
}

TEST(HostOptions, FlagsAndWhatTheyDo)
{
    EXPECT_TRUE(Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"--list-gl-devices"}).listGlDevices);
    EXPECT_TRUE(Parsed({"--list-host-states"}).listHostStates);
    EXPECT_EQ(Parsed({"--host-state", "lighting", "--host-state", "core-profile"}).Profile(),
              hudhost::GlProfile::kCore);
    EXPECT_EQ(Parsed({"--gl-device", "software"}).glDevice.kind, hudhost::GlDevice::kSoftware);
    EXPECT_EQ(Parsed({"--gl-device", "1", "--gl-device=auto"}).glDevice.kind, hudhost::GlDevice::kAuto);
    EXPECT_TRUE(Parsed({"--version"}).version);
    EXPECT_TRUE(Parsed({"--frames", "2"}).Renders());
    EXPECT_TRUE(Parsed({"--out", "x.png"}).Renders());
    // --list only lists, whatever else is asked for.
    EXPECT_FALSE(Parsed({"--list", "--out", "x.png", "--frames", "2"}).Renders());
}

TEST(HostOptions, SettingsKeepTheirOrderAndSplitAtTheFirstEquals)
{
    const HostOptions lOptions =
        Parsed({"--set", "Value=42", "--set", "Label=a=b", "--set=Label=", "--set", "Value=7"});
    ASSERT_EQ(lOptions.settings.size(), 4u);
    EXPECT_EQ(lOptions.settings[0].name, "Value");
    EXPECT_EQ(lOptions.settings[0].value, "42");
    EXPECT_EQ(lOptions.settings[1].name, "Label");
    EXPECT_EQ(lOptions.settings[1].value, "a=b");
    EXPECT_EQ(lOptions.settings[2].name, "Label");
    EXPECT_EQ(lOptions.settings[2].value, "");
    EXPECT_EQ(lOptions.settings[3].value, "7");
}

struct MalformedCase {
    std::vector<std::string> arguments;
    std::string named; // what the message must name
};

TEST(HostOptions, MalformedInputIsRefusedWithOneLineNamingIt)
{
    const MalformedCase lCases[] = {
        {{"--rect", "1,2,3"}, "--rect"},
        {{"--rect", "1,2,3,4,5"}, "--rect"},
        {{"--rect", "1;2;3;4"}, "--rect"},
        {{"--rect", "1, 2,3,4"}, "--rect"},
        {{"--rect", "1,2,1e999,4"}, "--rect"},
        {{"--rect", "+-1,2,3,4"}, "--rect"},
        {{"--rect", "1,2,3,4,"}, "--rect"},
        {{"--viewport", "300"}, "--viewport"},
        {{"--viewport", "0,300"}, "--viewport"},
        {{"--viewport", "300,16385"}, "--viewport"},
        {{"--viewport", "300.5,300"}, "--viewport"},
        {{"--background", "1.5,0,0"}, "--background"},
        {{"--background", "0,-0.1,0"}, "--background"},
        {{"--background", "0.2,0.2"}, "--background"},
        {{"--background", "nan,0,0"}, "--background"},
        {{"--camera", "640x480"}, "--camera"},
        {{"--camera", " 640,480"}, "--camera"},
        {{"--gl-device", "gpu"}, "--gl-device"},
        {{"--gl-device", "-1"}, "--gl-device"},
        {{"--gl-device", "1.5"}, "--gl-device"},
        {{"--gl-device", ""}, "--gl-device"},
        {{"--host-state", "Wireframe"}, "--host-state"},
        {{"--host-state", ""}, "--host-state"},
        {{"--frames", "0"}, "--frames"},
        {{"--frames", "3x"}, "--frames"},
        {{"--frames", "1000001"}, "--frames"},
        {{"--frames", "99999999999"}, "--frames"},
        {{"--contexts", "0"}, "--contexts"},
        {{"--contexts", "5"}, "--contexts"},
        {{"--recreate-context-every", "0"}, "--recreate-context-every"},
        {{"--set", "Value"}, "--set"},
        {{"--set", "=1"}, "--set"},
        {{"--plugin", ""}, "--plugin"},
        {{"--out"}, "--out"},
        {{"--list=yes"}, "--list"},
        {{"--bogus"}, "--bogus"},
        {{"dial.png"}, "dial.png"},
    };
    for (const MalformedCase& lCase : lCases) {
        std::string lError;
        EXPECT_FALSE(ParseOptions(lCase.arguments, lError)) << lCase.arguments.front();
        EXPECT_NE(lError.find(lCase.named), std::string::npos) << lError;
        EXPECT_EQ(lError.find('\n'), std::string::npos) << lError;
    }
}

// A host may hand an element any rectangle and any camera resolution; hudhost takes every double
// for them, as --set takes every double for a property.
TEST(HostOptions, RectAndCameraTakeAnyDoubleNanAndInfinityIncluded)
{
    const HostOptions lRect = Parsed({"--rect", "nan,-inf,inf,-0"});
    EXPECT_TRUE(std::isnan(lRect.Rects().front().mX));
    EXPECT_EQ(lRect.Rects().front().mY, -INFINITY);
    EXPECT_EQ(lRect.Rects().front().mWidth, INFINITY);
    EXPECT_TRUE(std::signbit(lRect.Rects().front().mHeight));
    EXPECT_EQ(Parsed({"--rect", "0,0,1e308,-1e-300"}).Rects().front().mHeight, -1e-300);
    // One grammar for every option and --set: a '+' is taken as --set takes it.
    EXPECT_EQ(Parsed({"--rect", "+5,0,+inf,1"}).Rects().front().mX, 5.0);
    EXPECT_EQ(Parsed({"--viewport", "+200,300"}).viewport.width, 200);
    const HostOptions lCamera = Parsed({"--camera", "-1,nan"});
    ASSERT_TRUE(lCamera.camera);
    EXPECT_EQ(lCamera.camera->width, -1.0);
    EXPECT_TRUE(std::isnan(lCamera.camera->height));
}

TEST(HostOptions, NumbersParseTheSameInAGermanLocale)
{
    const std::string lPrevious = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        // scripts/install-deps.sh installs it; CI must run the test, not skip it.
        const char* lCi = std::getenv("CI");
        if (lCi && std::string(lCi) == "true")
            FAIL() << "locale de_DE.UTF-8 is not installed: run scripts/install-deps.sh";
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh installs it)";
    }
    std::string lError;
    const std::optional<HostOptions> lOptions =
        ParseOptions({"--rect", "1.5,2,3,4", "--background", "0.25,0,0"}, lError);
    std::setlocale(LC_ALL, lPrevious.c_str());

    ASSERT_TRUE(lOptions) << lError;
    EXPECT_EQ(lOptions->Rects().front().mX, 1.5);
    EXPECT_EQ(lOptions->background.red, 0.25f);
}

} // namespace
