// The call streams of four dials (every GL call the element makes, every text it hands FTGL), held
// to digests committed in golden/call_streams.txt: a change that is meant only to make the draw
// cheaper must leave every call, every argument bit and every text exactly as it was.
//
// A change that is meant to alter what is drawn (fonts, geometry, colours) re-records the digests
// from the build it is in, then the file is reviewed and committed with it:
//
//   KEST_RECORD_CALL_STREAMS=1 build/tests/drawing/drawing_calls_test --gtest_filter='DialCallStream.*'
//
// (any non-empty value; the test then writes the file instead of comparing with it).

#include "dial_recording.h"

#include <QtCore/QCryptographicHash>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace kesttest;

namespace {

const char* const kStreamFile = KEST_SOURCE_DIR "/tests/drawing/golden/call_streams.txt";
const char* const kRecordVariable = "KEST_RECORD_CALL_STREAMS";

struct StreamCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> settings;
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

//! A number exactly, as a hexadecimal float.
std::string Exact(double pValue)
{
    char lText[40];
    std::snprintf(lText, sizeof(lText), " %a", pValue);
    return lText;
}

std::string Exact(const FTPoint& pPoint) { return Exact(pPoint.X()) + Exact(pPoint.Y()) + Exact(pPoint.Z()); }

std::string RenderText(const Dial& pDial, const TextRender& pRender)
{
    std::string lText = std::string("render ") + FaceName(pDial, pRender.face) + " \"" + pRender.text + "\" " +
                        std::to_string(pRender.length) + Exact(pRender.position) + Exact(pRender.spacing) + " " +
                        std::to_string(pRender.renderMode);
    for (const float lComponent : pRender.colour) lText += Exact(static_cast<double>(lComponent));
    return lText + "\n";
}

//! One draw as text that holds exactly every call the element makes: its own GL calls with their
//! arguments, and in their places among them its texts, each with its face, position and colour;
//! then the texts it measured. FTGL's own GL calls follow from the texts it is given, but are left
//! out: without a context FTGL never gets texture names or limits, so its binds and uploads vary
//! from one process to the next.
std::string StreamText(const Dial& pDial, const Recording& pDraw)
{
    std::string lText;
    std::size_t lRender = 0;
    for (std::size_t i = 0; i <= pDraw.calls.size(); ++i) {
        for (; lRender < pDraw.renders.size() && pDraw.renders[lRender].atCall == i; ++lRender)
            lText += RenderText(pDial, pDraw.renders[lRender]);
        if (i == pDraw.calls.size() || pDraw.calls[i].byFtgl) continue;
        lText += Name(pDraw.calls[i].function);
        for (std::size_t k = 0; k < pDraw.calls[i].argCount; ++k) lText += Exact(pDraw.calls[i].args[k]);
        lText += "\n";
    }
    for (const TextMeasure& lMeasure : pDraw.measures)
        lText += std::string("measure ") + FaceName(pDial, lMeasure.face) + " \"" + lMeasure.text + "\" " +
                 std::to_string(lMeasure.length) + Exact(lMeasure.position) + Exact(lMeasure.spacing) + "\n";
    return lText;
}

struct StreamDigest {
    std::size_t calls = 0; //!< the element's own GL calls in both draws, to tell a changed count from changed values
    std::string sha256;
};

//! A new dial's first draw (its glyphs uploaded) and its second, steady draw.
StreamDigest DigestOf(const StreamCase& pCase)
{
    TestDial lDial;
    if (!lDial) return {};
    for (const auto& [lProperty, lValue] : pCase.settings) lDial.Set(lProperty, lValue);
    const DialRecording lFirst = RecordShapes(lDial, pCase.rect);
    const DialRecording lSteady = RecordShapes(lDial, pCase.rect);
    const std::string lText = StreamText(lDial, lFirst.raw) + "steady\n" + StreamText(lDial, lSteady.raw);
    const QByteArray lHash =
        QCryptographicHash::hash(QByteArray::fromStdString(lText), QCryptographicHash::Sha256).toHex();
    return {lFirst.ownCalls.size() + lSteady.ownCalls.size(), lHash.toStdString()};
}

//! Case name to digest, from lines "NAME CALLS SHA256"; '#' starts a comment line.
std::map<std::string, StreamDigest> ReadDigests()
{
    std::map<std::string, StreamDigest> lDigests;
    std::ifstream lFile(kStreamFile);
    std::string lLine;
    while (std::getline(lFile, lLine)) {
        if (lLine.empty() || lLine[0] == '#') continue;
        std::istringstream lFields(lLine);
        std::string lName;
        StreamDigest lDigest;
        if (lFields >> lName >> lDigest.calls >> lDigest.sha256) lDigests[lName] = lDigest;
    }
    return lDigests;
}

void WriteDigests(const std::map<std::string, StreamDigest>& pDigests)
{
    std::ofstream lFile(kStreamFile);
    lFile << "# Call streams of tests/drawing/dial_stream_test.cpp: case, the element's GL calls in the\n"
             "# first and the steady draw, SHA-256 of both streams. Written by the test with "
          << kRecordVariable << "=1.\n";
    for (const auto& [lName, lDigest] : pDigests)
        lFile << lName << " " << lDigest.calls << " " << lDigest.sha256 << "\n";
    ASSERT_TRUE(lFile.good()) << "cannot write " << kStreamFile;
}

TEST(DialCallStream, IsTheRecordedOneForEachCase)
{
    std::map<std::string, StreamDigest> lDrawn;
    for (const StreamCase& lCase : kCases) lDrawn[lCase.name] = DigestOf(lCase);

    const char* lRecord = std::getenv(kRecordVariable);
    if (lRecord && *lRecord) {
        WriteDigests(lDrawn);
        GTEST_SKIP() << "recorded the call streams into " << kStreamFile;
    }
    const std::map<std::string, StreamDigest> lRecorded = ReadDigests();
    for (const auto& [lName, lDigest] : lDrawn) {
        const auto lExpected = lRecorded.find(lName);
        ASSERT_NE(lExpected, lRecorded.end()) << "no digest of \"" << lName << "\" in " << kStreamFile;
        EXPECT_EQ(lDigest.calls, lExpected->second.calls) << lName;
        EXPECT_EQ(lDigest.sha256, lExpected->second.sha256)
            << lName << ": the draw's calls differ from those recorded; if that is meant, re-record them with "
            << kRecordVariable << "=1 (see " << __FILE__ << ")";
    }
}

} // namespace
