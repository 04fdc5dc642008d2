// The call streams of four dials (every GL call the element makes, every text it hands FTGL), held
// to the streams committed as text in golden/call_streams/, one call a line: a change that is
// meant only to make the draw cheaper, or to lay the code out anew, must leave every call, every
// argument bit and every text exactly as it was.
//
// A change that is meant to alter what is drawn (fonts, geometry, colours) re-records the streams
// from the build it is in, then they are reviewed (git diff) and committed with it:
//
//   KEST_UPDATE_GOLDEN=1 build/tests/drawing/drawing_calls_test --gtest_filter='DialCallStream.*'
//
// (the test then writes the files instead of comparing with them).

#include "dial_recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace kestdial;
using namespace kesttest;

namespace {

//! Differing lines shown from the first difference on.
constexpr std::size_t kShownDifferences = 5;

struct StreamCase {
    const char* name;
    std::vector<Setting> settings;
    FBHUDElement::Rect rect;
};

const StreamCase kCases[] = {
    {"default", {}, kDialRect},
    {"coloured",
     {{"Mask Color", "0.3,0.5,0.7,0.9"}, {"Font Color", "1,0.5,0.25,0.8"}, {"Value", "63.5"}, {"Label", "RPM x1000"}},
     kDialRect},
    {"odd_rect", {{"Spread", "0.5"}, {"Value", "42"}}, fbhost::HudRect(13.25, 7.5, 151.0, 90.0)},
    {"many_ticks",
     {{"Ticks", "100"}, {"Spread", "0.9"}, {"Minimum", "10"}, {"Maximum", "90"}, {"Value", "77.7"}},
     kDialRect},
};

std::string GoldenPath(const StreamCase& pCase)
{
    return std::string(KEST_SOURCE_DIR "/tests/drawing/golden/call_streams/") + pCase.name + ".txt";
}

//! A number exactly, as a hexadecimal float.
std::string Exact(double pValue)
{
    char lText[40];
    std::snprintf(lText, sizeof(lText), " %a", pValue);
    return lText;
}

std::string Exact(const FTPoint& pPoint) { return Exact(pPoint.X()) + Exact(pPoint.Y()) + Exact(pPoint.Z()); }

std::string RenderText(const DialRecording& pDraw, const TextRender& pRender)
{
    std::string lText = std::string("render ") + FaceName(pDraw, pRender.face) + " \"" + pRender.text + "\" " +
                        std::to_string(pRender.length) + Exact(pRender.position) + Exact(pRender.spacing) + " " +
                        std::to_string(pRender.renderMode);
    for (const float lComponent : pRender.colour) lText += Exact(static_cast<double>(lComponent));
    return lText + "\n";
}

std::string CallText(const GlCall& pCall)
{
    std::string lText = Name(pCall.function);
    for (std::size_t k = 0; k < pCall.argCount; ++k) lText += Exact(pCall.args[k]);
    return lText + "\n";
}

//! One draw as text that holds exactly every call the element makes: its own GL calls with their
//! arguments, and in their places among them its texts, each with its face, position and colour;
//! then the texts it measured. FTGL's own GL calls follow from the texts it is given, but are left
//! out: without a context FTGL never gets texture names or limits, so its binds and uploads vary
//! from one process to the next.
std::string StreamText(const DialRecording& pDraw)
{
    std::string lText;
    for (const DrawStep& lStep : ElementSteps(pDraw.raw))
        lText += lStep.call ? CallText(*lStep.call) : RenderText(pDraw, *lStep.render);
    for (const TextMeasure& lMeasure : pDraw.raw.measures)
        lText += std::string("measure ") + FaceName(pDraw, lMeasure.face) + " \"" + lMeasure.text + "\" " +
                 std::to_string(lMeasure.length) + Exact(lMeasure.position) + Exact(lMeasure.spacing) + "\n";
    return lText;
}

//! A new dial's first draw (its glyphs uploaded), then "steady" and its second, steady draw.
std::string StreamOf(const StreamCase& pCase)
{
    TestDial lDial;
    if (!lDial) return {};
    for (const Setting& lSetting : pCase.settings) lDial.Set(lSetting.property, lSetting.text);
    const DialRecording lFirst = RecordShapes(lDial, pCase.rect);
    const DialRecording lSteady = RecordShapes(lDial, pCase.rect);
    return StreamText(lFirst) + "steady\n" + StreamText(lSteady);
}

std::vector<std::string> Lines(const std::string& pText)
{
    std::vector<std::string> lLines;
    std::istringstream lStream(pText);
    for (std::string lLine; std::getline(lStream, lLine);) lLines.push_back(lLine);
    return lLines;
}

//! Empty when the streams are equal; else where they first differ, line by line with its index
//! (0 for the first), and how long each is.
std::string FirstDifferences(const std::vector<std::string>& pRecorded, const std::vector<std::string>& pDrawn)
{
    const auto lMismatch = std::mismatch(pRecorded.begin(), pRecorded.end(), pDrawn.begin(), pDrawn.end());
    const std::size_t lFirst = static_cast<std::size_t>(lMismatch.first - pRecorded.begin());
    if (lFirst == pRecorded.size() && lFirst == pDrawn.size()) return {};
    std::ostringstream lReport;
    lReport << pRecorded.size() << " calls recorded, " << pDrawn.size() << " drawn; first differences:\n";
    const auto lLine = [](const std::vector<std::string>& pLines, std::size_t pIndex) {
        return pIndex < pLines.size() ? pLines[pIndex] : std::string("(none)");
    };
    for (std::size_t i = lFirst, lShown = 0;
         i < std::max(pRecorded.size(), pDrawn.size()) && lShown < kShownDifferences; ++i) {
        if (lLine(pRecorded, i) == lLine(pDrawn, i)) continue;
        lReport << "  [" << i << "] recorded: " << lLine(pRecorded, i) << "\n  [" << i
                << "] drawn:    " << lLine(pDrawn, i) << "\n";
        ++lShown;
    }
    return lReport.str();
}

TEST(DialCallStream, IsTheRecordedOneForEachCase)
{
    const bool lUpdate = std::getenv(kUpdateGoldenVariable) != nullptr;
    for (const StreamCase& lCase : kCases) {
        const std::string lDrawn = StreamOf(lCase);
        const std::string lPath = GoldenPath(lCase);
        if (lUpdate) {
            std::ofstream lFile(lPath, std::ios::binary);
            lFile << lDrawn;
            ASSERT_TRUE(lFile.good()) << "cannot write " << lPath;
            continue;
        }
        std::ifstream lFile(lPath, std::ios::binary);
        ASSERT_TRUE(lFile) << "no recorded stream " << lPath << "; " << kUpdateGoldenVariable << "=1 records it";
        std::ostringstream lRecorded;
        lRecorded << lFile.rdbuf();
        const std::string lDifferences = FirstDifferences(Lines(lRecorded.str()), Lines(lDrawn));
        EXPECT_TRUE(lDifferences.empty())
            << lCase.name << ": the draw's calls differ from " << lPath << "; " << lDifferences
            << "if that is meant, re-record them with " << kUpdateGoldenVariable << "=1 (see " << __FILE__ << ")";
    }
    if (lUpdate) GTEST_SKIP() << "recorded the call streams into golden/call_streams/";
}

} // namespace
