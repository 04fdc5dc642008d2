// Runs of the built hudhost program: listing, drawing, timing, and the exit status and single
// stderr line of each kind of failure.

#include "host_gl_states.h"
#include "offscreen_gl.h"
#include "png_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

using hudhost::PngImage;
using hudhost::ReadPng;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

//! A file name of this process's own in the test's temporary folder, since test cases run in
//! parallel processes.
std::string TempPath(const std::string& pName)
{
    return testing::TempDir() + "hudhost_run_" + std::to_string(getpid()) + "_" + pName;
}

std::string FileText(const std::string& pPath)
{
    std::ifstream lFile(pPath);
    std::stringstream lText;
    lText << lFile.rdbuf();
    return lText.str();
}

//! --gl-device for the tests' device (software unless KEST_GL_DEVICE names another), so that what
//! hudhost draws here does not depend on the machine; a --gl-device after it overrides it.
std::string TestDeviceOption()
{
    const char* lDevice = std::getenv(hudhost::kTestGlDeviceVariable);
    return std::string("--gl-device '") + (lDevice && *lDevice ? lDevice : "software") + "'";
}

//! Runs hudhost on the tests' device with pArguments (shell syntax), after the shell assignments
//! in pEnvironment.
RunResult RunHudhost(const std::string& pArguments, const std::string& pEnvironment = "")
{
    const std::string lOut = TempPath("stdout.txt");
    const std::string lErr = TempPath("stderr.txt");
    const std::string lCommand = pEnvironment + " '" HUDHOST_PATH "' " + TestDeviceOption() + " " + pArguments + " >'" +
                                 lOut + "' 2>'" + lErr + "'";
    const int lStatus = std::system(lCommand.c_str());
    RunResult lResult;
    lResult.status = WIFEXITED(lStatus) ? WEXITSTATUS(lStatus) : -1;
    lResult.out = FileText(lOut);
    lResult.err = FileText(lErr);
    std::remove(lOut.c_str());
    std::remove(lErr.c_str());
    return lResult;
}

size_t LineCount(const std::string& pText) { return static_cast<size_t>(std::count(pText.begin(), pText.end(), '\n')); }

void ExpectOneErrorLine(const RunResult& pResult, int pStatus, const std::string& pNamed)
{
    EXPECT_EQ(pResult.status, pStatus) << pResult.err;
    EXPECT_EQ(LineCount(pResult.err), 1u) << pResult.err;
    EXPECT_NE(pResult.err.find(pNamed), std::string::npos) << pResult.err;
    EXPECT_TRUE(pResult.out.empty()) << pResult.out;
}

TEST(HudhostRun, ListShowsTheEntryAndTheOwnPropertiesBeforeTheInheritedOnes)
{
    const RunResult lResult = RunHudhost("--list");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_TRUE(lResult.err.empty()) << lResult.err;
    const std::string& lOut = lResult.out;
    for (const char* lText : {"FbxStorable/HUDElement", "KestDialHUDElement", "Kest Dial HUD Element"})
        EXPECT_NE(lOut.find(lText), std::string::npos) << lText;

    const size_t lInherited = lOut.find("Inherited");
    ASSERT_NE(lInherited, std::string::npos) << lOut;
    for (const char* lName : {"Mask Color", "Font Color", "Minimum", "Maximum", "Value", "Spread", "Ticks", "Label"})
        EXPECT_LT(lOut.find(std::string("\n  ") + lName + " "), lInherited) << lName;
    for (const char* lName : {"Visibility", "Show", "Justification", "Horizontal Dock", "Vertical Dock", "X", "Y",
                              "Position By Percent", "Scale By Percent", "Width", "Height", "Scale Uniformly"})
        EXPECT_GT(lOut.find(std::string("\n  ") + lName + " "), lInherited) << lName;
    EXPECT_EQ(lOut.find("Intrinsic"), std::string::npos) << "printed without --camera";
}

TEST(HudhostRun, ListShowsSetValuesAndTheIntrinsicDimensionForTheCamera)
{
    const RunResult lResult = RunHudhost("--set Value=42.5 --set 'Label=Fuel left' --camera 800,600 --list");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_NE(lResult.out.find("42.5"), std::string::npos) << lResult.out;
    EXPECT_NE(lResult.out.find("Fuel left"), std::string::npos) << lResult.out;
    EXPECT_NE(lResult.out.find("camera: 800x600"), std::string::npos) << lResult.out;
}

TEST(HudhostRun, BadInputExitsWithStatus2AndOneLine)
{
    const std::pair<const char*, const char*> lCases[] = {
        {"--set Bogus=1", "Bogus"},
        {"--set Ticks=ten", "ten"},
        {"--set Value=+-5", "+-5"},
        {"--set 'Value= 5'", "\" 5\""},
        {"--set 'Show=true '", "Show"},
        {"--set 'Font Color=1,1,1'", "Font Color"},
        {"--element NoSuchElement", "NoSuchElement"},
        {"--rect 1,2", "--rect"},
        {"--frobnicate", "--frobnicate"},
        {"--out /nonexistent-folder/dial.png", "/nonexistent-folder/dial.png"},
        {"--gl-device 99 --out /nonexistent-folder/dial.png", "no EGL device 99"},
    };
    for (const auto& lCase : lCases) {
        SCOPED_TRACE(lCase.first);
        ExpectOneErrorLine(RunHudhost(lCase.first), 2, lCase.second);
    }
    // The known properties are listed for a name that is not one, and the devices for an index
    // that names none.
    EXPECT_NE(RunHudhost("--set Bogus=1").err.find("Ticks"), std::string::npos);
    EXPECT_NE(RunHudhost("--gl-device 99 --out /nonexistent-folder/dial.png").err.find("the devices are 0 ("),
              std::string::npos);
}

TEST(HudhostRun, ListHostStatesPrintsTheNamesThatHostStateTakes)
{
    const RunResult lResult = RunHudhost("--list-host-states");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_EQ(LineCount(lResult.out), hudhost::HostGlStates().size());
    for (const hudhost::HostGlStateEntry& lEntry : hudhost::HostGlStates())
        EXPECT_NE(lResult.out.find(std::string(lEntry.name) + "\n"), std::string::npos) << lEntry.name;
}

TEST(HudhostRun, ListGlDevicesShowsMesasSoftwareDevice)
{
    const RunResult lResult = RunHudhost("--list-gl-devices");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_TRUE(lResult.err.empty()) << lResult.err;
    EXPECT_NE(lResult.out.find("\n  0  "), std::string::npos) << lResult.out;
    EXPECT_NE(lResult.out.find("  Mesa software  "), std::string::npos) << lResult.out;
}

// Without a GPU, "auto", hudhost's default, comes down to Mesa's software device: the same image as
// "software".
TEST(HudhostRun, AutoDrawsWhatSoftwareDrawsWhereThereIsNoGpu)
{
    if (RunHudhost("--list-gl-devices").out.find("  hardware  ") != std::string::npos)
        GTEST_SKIP() << "this machine has a hardware EGL device, which auto takes";
    std::optional<PngImage> lImages[2];
    const char* const lDevices[2] = {"--gl-device software", "--gl-device auto"};
    for (int i = 0; i < 2; ++i) {
        const std::string lPath = TempPath("device" + std::to_string(i) + ".png");
        const RunResult lResult = RunHudhost(std::string(lDevices[i]) + " --out '" + lPath + "'");
        EXPECT_EQ(lResult.status, 0) << lResult.err;
        lImages[i] = ReadPng(lPath);
        std::remove(lPath.c_str());
        ASSERT_TRUE(lImages[i]) << lDevices[i];
    }
    EXPECT_EQ(lImages[0]->pixels, lImages[1]->pixels);
}

// The hostile rectangles of the catalogue can be given on the command line.
TEST(HudhostRun, NonFiniteRectanglesDraw)
{
    for (const char* lRect : {"nan,nan,nan,nan", "0,0,inf,inf", "-inf,1e308,-1e308,nan"}) {
        SCOPED_TRACE(lRect);
        const std::string lPath = TempPath("hostile.png");
        const RunResult lResult =
            RunHudhost(std::string("--rect ") + lRect + " --camera nan,-inf --out '" + lPath + "'");
        EXPECT_EQ(lResult.status, 0) << lResult.err;
        const std::optional<PngImage> lImage = ReadPng(lPath);
        std::remove(lPath.c_str());
        EXPECT_TRUE(lImage && lImage->width == 300 && lImage->height == 300);
    }
}

TEST(HudhostRun, SetMatchesPropertyNamesIgnoringCaseAndSuggestsANearMiss)
{
    const RunResult lNearMiss = RunHudhost("--set 'mask colour=0,0,1,1'");
    EXPECT_EQ(lNearMiss.status, 2);
    EXPECT_EQ(lNearMiss.err, "hudhost: --set: unknown property \"mask colour\". Did you mean \"Mask Color\"?\n");
    ExpectOneErrorLine(RunHudhost("--set 'justificaton=2'"), 2, "Did you mean \"Justification\"?");

    // Names that differ only in case set the property they name, own and inherited alike.
    const RunResult lListed = RunHudhost("--set 'mask color=0,0,1,1' --set TICKS=4 --set 'vertical dock=1' --list");
    ASSERT_EQ(lListed.status, 0) << lListed.err;
    const std::pair<const char*, const char*> lExpected[] = {
        {"Mask Color", "0,0,1,1"}, {"Ticks", "4"}, {"Vertical Dock", "1"}};
    for (const auto& [lName, lValue] : lExpected) {
        const size_t lStart = lListed.out.find(std::string("\n  ") + lName + " ");
        ASSERT_NE(lStart, std::string::npos) << lName;
        const size_t lEnd = lListed.out.find('\n', lStart + 1);
        const std::string lLine = lListed.out.substr(lStart + 1, lEnd - lStart - 1);
        EXPECT_EQ(lLine.substr(lLine.find_last_of(' ') + 1), lValue) << lLine;
    }
}

TEST(HudhostRun, HelpAndVersionPrintToStdoutAndSucceed)
{
    const RunResult lHelp = RunHudhost("--help");
    EXPECT_EQ(lHelp.status, 0);
    EXPECT_TRUE(lHelp.err.empty()) << lHelp.err;
    EXPECT_EQ(lHelp.out.rfind("Usage: hudhost [options]\n", 0), 0u) << lHelp.out;
    const RunResult lVersion = RunHudhost("--version");
    EXPECT_EQ(lVersion.status, 0);
    EXPECT_EQ(lVersion.out, "hudhost " HUDHOST_VERSION "\n");
}

TEST(HudhostRun, PluginThatCannotBeLoadedExitsWithStatus3AndTheReason)
{
    ExpectOneErrorLine(RunHudhost("--plugin /nonexistent/libnothing.so --list"), 3, "/nonexistent/libnothing.so");
    ExpectOneErrorLine(RunHudhost("--plugin '" FBSDK_LIBRARY_PATH "' --list"), 3, "LIBRARY_INIT");
}

TEST(HudhostRun, MissingMesaExitsWithStatus4AndSaysWhatToInstall)
{
    // glvnd then finds no EGL vendor, as on a system without Mesa's.
    const std::string lOut = "--out '" + TempPath("no_mesa.png") + "'";
    const RunResult lResult = RunHudhost(lOut, "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json");
    ExpectOneErrorLine(lResult, 4, "libegl-mesa0");
    EXPECT_NE(lResult.err.find("GPU vendor's OpenGL driver for glvnd"), std::string::npos) << lResult.err;
}

TEST(HudhostRun, OutWritesTheDialOverTheBackground)
{
    const std::string lPath = TempPath("dial.png");
    const RunResult lResult = RunHudhost("--out '" + lPath + "'");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    const std::optional<PngImage> lImage = ReadPng(lPath);
    std::remove(lPath.c_str());
    ASSERT_TRUE(lImage);
    EXPECT_EQ(lImage->width, 300);
    EXPECT_EQ(lImage->height, 300);
    EXPECT_EQ(lImage->channels, 3);

    const auto lIsBackground = [&](int pX, int pY) {
        const unsigned char* lPixel = lImage->Pixel(pX, pY);
        return lPixel[0] == 51 && lPixel[1] == 51 && lPixel[2] == 51;
    };
    EXPECT_TRUE(lIsBackground(0, 0));
    EXPECT_TRUE(lIsBackground(299, 299));
    // The default rectangle puts the dial's centre at (150, 140) from the lower left.
    int lDialPixels = 0;
    for (int lY = 150; lY < 170; ++lY)
        for (int lX = 140; lX < 160; ++lX) lDialPixels += lIsBackground(lX, lY) ? 0 : 1;
    EXPECT_EQ(lDialPixels, 400);
}

TEST(HudhostRun, FramesPrintsOneTimingLineAndTheViewportSizesThePng)
{
    const std::string lPath = TempPath("frames.png");
    const RunResult lResult = RunHudhost("--frames 3 --viewport 320,240 --out '" + lPath + "'");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_EQ(LineCount(lResult.out), 1u) << lResult.out;
    for (const char* lText : {"3 draws", "median", "min", "max", " us"})
        EXPECT_NE(lResult.out.find(lText), std::string::npos) << lResult.out;
    const std::optional<PngImage> lImage = ReadPng(lPath);
    std::remove(lPath.c_str());
    ASSERT_TRUE(lImage);
    EXPECT_EQ(lImage->width, 320);
    EXPECT_EQ(lImage->height, 240);
}

// Each --rect is a pane: every frame draws the element in each, and the timing is a frame's.
TEST(HudhostRun, RepeatedRectDrawsTheElementInEachEveryFrame)
{
    const std::string lPath = TempPath("panes.png");
    const RunResult lResult = RunHudhost("--rect 0,0,100,100 --rect 150,150,100,100 --frames 2 --out '" + lPath + "'");
    ASSERT_EQ(lResult.status, 0) << lResult.err;
    EXPECT_NE(lResult.out.find("2 frames of 2 draws: median"), std::string::npos) << lResult.out;
    const std::optional<PngImage> lImage = ReadPng(lPath);
    std::remove(lPath.c_str());
    ASSERT_TRUE(lImage);
    const auto lIsBackground = [&](int pX, int pYFromBottom) {
        const unsigned char* lPixel = lImage->Pixel(pX, lImage->height - 1 - pYFromBottom);
        return lPixel[0] == 51 && lPixel[1] == 51 && lPixel[2] == 51;
    };
    EXPECT_FALSE(lIsBackground(50, 60)) << "no dial in the first rectangle";
    EXPECT_FALSE(lIsBackground(200, 210)) << "no dial in the second rectangle";
    EXPECT_TRUE(lIsBackground(125, 125)) << "between the two";
}

} // namespace
