// hudhost's matching of the names that users type: edit distance over case-folded names, the
// near miss that an error suggests, and the help whose defaults the options take back.

#include "host_options.h"
#include "name_matching.h"

#include <gtest/gtest.h>

#include <sstream>

using hudhost::HostOptions;
using hudhost::NameDistance;
using hudhost::NearMiss;
using hudhost::ParseOptions;

namespace {

const std::vector<std::string> kPropertyNames = {"Mask Color",
                                                 "Font Color",
                                                 "Minimum",
                                                 "Maximum",
                                                 "Value",
                                                 "Spread",
                                                 "Ticks",
                                                 "Label",
                                                 "Visibility",
                                                 "Show",
                                                 "Justification",
                                                 "Horizontal Dock",
                                                 "Vertical Dock",
                                                 "X",
                                                 "Y",
                                                 "Position By Percent",
                                                 "Scale By Percent",
                                                 "Width",
                                                 "Height",
                                                 "Scale Uniformly"};

TEST(NameMatching, DistanceCountsEachEditOnceAndIgnoresCase)
{
    struct Case {
        const char* first;
        const char* second;
        size_t distance;
    };
    const Case lCases[] = {
        {"Mask Color", "mask color", 0},
        {"MASK COLOR", "Mask Color", 0},
        {"", "", 0},
        {"", "Ticks", 5},
        {"Ticks", "", 5},
        {"Tick", "Ticks", 1},
        {"Ticks", "Tick", 1},
        {"Ticjs", "Ticks", 1},
        {"vlaue", "Value", 2},
        {"kitten", "sitting", 3},
        {"mask colour", "Mask Color", 1},
        {"Spread", "Shred", 2},
        {"Minimum", "Maximum", 2},
        {"Width", "Height", 5},
    };
    for (const Case& lCase : lCases) {
        EXPECT_EQ(NameDistance(lCase.first, lCase.second), lCase.distance) << lCase.first << " / " << lCase.second;
        EXPECT_EQ(NameDistance(lCase.second, lCase.first), lCase.distance) << lCase.second << " / " << lCase.first;
    }
}

TEST(NameMatching, NearMissesAreSuggestedAndFarNamesAreNot)
{
    const std::pair<const char*, const char*> lSuggested[] = {
        {"mask colour", "Mask Color"},
        {"mask color", "Mask Color"},
        {"vlaue", "Value"},
        {"tick", "Ticks"},
        {"justificaton", "Justification"},
        {"Vertcal Dok", "Vertical Dock"},
        {"Scale Uniform", "Scale Uniformly"},
        {"x", "X"},
    };
    for (const auto& lCase : lSuggested)
        EXPECT_EQ(NearMiss(lCase.first, kPropertyNames).value_or("(none)"), lCase.second) << lCase.first;

    // Beyond max(2, a third of the name's length), or as many edits as the name has characters.
    for (const char* lFar : {"Bogus", "Colour", "z", "", "Min", "Horizontal", "Mask Coloured Face"})
        EXPECT_FALSE(NearMiss(lFar, kPropertyNames)) << lFar << " -> " << NearMiss(lFar, kPropertyNames).value_or("");
}

TEST(NameMatching, TheNearestAndThenTheFirstCandidateIsSuggested)
{
    EXPECT_EQ(NearMiss("Maximum", {"Maximun", "Maximus"}), "Maximun");
    EXPECT_EQ(NearMiss("Maximum", {"Maximus", "Maximun"}), "Maximus");
    EXPECT_EQ(NearMiss("Maxi", {"Maxim", "Maxi"}), "Maxi");
    EXPECT_FALSE(NearMiss("Value", {}));
}

TEST(NameMatching, UnknownOptionsSuggestTheOptionMeant)
{
    const std::pair<std::vector<std::string>, std::string> lCases[] = {
        {{"--pluign", "x.so"}, "unknown option \"--pluign\". Did you mean \"--plugin\"?"},
        {{"--Help"}, "unknown option \"--Help\". Did you mean \"--help\"?"},
        {{"--viewprt=300,300"}, "unknown option \"--viewprt\". Did you mean \"--viewport\"?"},
        {{"--colour", "1,1,1"}, "unknown option \"--colour\": see hudhost --help for the options"},
        {{"dial.png"}, "unexpected argument \"dial.png\": hudhost takes only options; see hudhost --help"},
        {{"--list=yes"}, "--list takes no value: give --list alone, not --list=yes"},
    };
    for (const auto& lCase : lCases) {
        std::string lError;
        EXPECT_FALSE(ParseOptions(lCase.first, lError));
        EXPECT_EQ(lError, lCase.second);
    }
}

//! The default that --help shows for pOption, empty when it shows none.
std::string ShownDefault(const std::string& pOption)
{
    std::istringstream lHelp(hudhost::HelpText());
    const std::string lMarker = " (default: ";
    for (std::string lLine; std::getline(lHelp, lLine);) {
        if (lLine.rfind("  " + pOption + " ", 0) != 0) continue;
        const size_t lStart = lLine.find(lMarker);
        if (lStart == std::string::npos || lLine.back() != ')') return "";
        return lLine.substr(lStart + lMarker.size(), lLine.size() - lStart - lMarker.size() - 1);
    }
    ADD_FAILURE() << pOption << " is not in the help";
    return "";
}

TEST(HostHelp, EveryOptionIsListedAndEachShownDefaultParsesBackToTheDefault)
{
    const HostOptions lDefaults;
    std::vector<std::string> lArguments;
    for (const char* lOption : {"--plugin", "--rect", "--viewport", "--background", "--camera", "--frames"}) {
        const std::string lShown = ShownDefault(lOption);
        ASSERT_FALSE(lShown.empty()) << lOption;
        lArguments.insert(lArguments.end(), {lOption, lShown});
    }
    // The others are listed as well, with no default or one in words.
    for (const char* lOption : {"--element", "--set", "--out", "--list", "--help", "--version"}) ShownDefault(lOption);

    std::string lError;
    const std::optional<HostOptions> lParsed = ParseOptions(lArguments, lError);
    ASSERT_TRUE(lParsed) << lError;
    EXPECT_EQ(lParsed->pluginPath, lDefaults.pluginPath);
    EXPECT_EQ(lParsed->Rects().front().mX, lDefaults.Rects().front().mX);
    EXPECT_EQ(lParsed->Rects().front().mY, lDefaults.Rects().front().mY);
    EXPECT_EQ(lParsed->Rects().front().mWidth, lDefaults.Rects().front().mWidth);
    EXPECT_EQ(lParsed->Rects().front().mHeight, lDefaults.Rects().front().mHeight);
    EXPECT_EQ(lParsed->viewport.width, lDefaults.viewport.width);
    EXPECT_EQ(lParsed->viewport.height, lDefaults.viewport.height);
    EXPECT_EQ(lParsed->background.red, lDefaults.background.red);
    EXPECT_EQ(lParsed->background.green, lDefaults.background.green);
    EXPECT_EQ(lParsed->background.blue, lDefaults.background.blue);
    EXPECT_EQ(lParsed->Camera().width, lDefaults.Camera().width);
    EXPECT_EQ(lParsed->Camera().height, lDefaults.Camera().height);
    EXPECT_EQ(lParsed->FrameCount(), lDefaults.FrameCount());
}

} // namespace
