// The OpenGL and FTGL calls of dial draws, recorded without a context, against the dial's
// documented geometry, colours, texts and frame.

#include "dial_recording.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace kestdial;
using namespace kesttest;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTolerance = 1e-3; // pixels

struct Point {
    double x;
    double y;
};

//! The dial's centre and radius.
struct Geometry {
    double cx;
    double cy;
    double r;

    //! The dial point at angle pAngle (clockwise from straight down) and radius factor pFactor.
    Point At(double pAngle, double pFactor) const
    {
        return {cx - pFactor * r * std::sin(pAngle), cy - pFactor * r * std::cos(pAngle)};
    }
};

constexpr Geometry kDialGeometry = {150.0, 140.0, 100.0}; // of kDialRect, placement 0/0

//! pCount angles from pFirst on by pStep.
std::vector<double> Steps(double pFirst, double pStep, std::size_t pCount)
{
    std::vector<double> lAngles;
    for (std::size_t k = 0; k < pCount; ++k) lAngles.push_back(pFirst + static_cast<double>(k) * pStep);
    return lAngles;
}

//! The face's and the hub's angles, a tenth of a radian apart.
const std::vector<double> kTenthRadians = Steps(0.0, 0.1, 63);
//! The default scale's: from pi/4 on by a tenth of its 1.5 pi, and the minor marks halfway between.
const std::vector<double> kDefaultMajorAngles = Steps(kPi / 4, 0.15 * kPi, 11);
const std::vector<double> kDefaultMinorAngles = Steps(kPi / 4 + 0.075 * kPi, 0.15 * kPi, 10);

//! pCount angles from 0 by pStep, summed in single precision: the rim's, whose 628 sums drift
//! further from multiples of the step than the tolerance allows.
std::vector<double> Accumulated(float pStep, int pCount)
{
    std::vector<double> lAngles;
    for (float lAngle = 0.0f; lAngles.size() < static_cast<std::size_t>(pCount); lAngle += pStep)
        lAngles.push_back(static_cast<double>(lAngle));
    return lAngles;
}

Colour ColourOf(double pRed, double pGreen, double pBlue, double pAlpha)
{
    return {static_cast<float>(pRed), static_cast<float>(pGreen), static_cast<float>(pBlue),
            static_cast<float>(pAlpha)};
}

const Colour kFontColour = ColourOf(0.6, 0.8, 1.0, 1.0); // the default "Font Color"

void ExpectAt(const Vertex& pVertex, Point pPoint, const std::string& pWhat)
{
    EXPECT_NEAR(pVertex.x, pPoint.x, kTolerance) << pWhat;
    EXPECT_NEAR(pVertex.y, pPoint.y, kTolerance) << pWhat;
}

//! pShape holds one vertex at each of pAngles at radius factor pFactor.
void ExpectDialPoints(const Primitive& pShape, const Geometry& pDial, const std::vector<double>& pAngles,
                      double pFactor, const char* pWhat)
{
    ASSERT_EQ(pShape.vertices.size(), pAngles.size()) << pWhat;
    for (std::size_t k = 0; k < pAngles.size(); ++k)
        ExpectAt(pShape.vertices[k], pDial.At(pAngles[k], pFactor), pWhat + (" " + std::to_string(k)));
}

//! pMarks holds one line per angle, from radius factor pInner out to the rim.
void ExpectMarks(const Primitive& pMarks, const Geometry& pDial, const std::vector<double>& pAngles, double pInner,
                 const char* pWhat)
{
    ASSERT_EQ(pMarks.vertices.size(), 2 * pAngles.size()) << pWhat;
    for (std::size_t k = 0; k < pAngles.size(); ++k) {
        ExpectAt(pMarks.vertices[2 * k], pDial.At(pAngles[k], pInner), pWhat + (" inner " + std::to_string(k)));
        ExpectAt(pMarks.vertices[2 * k + 1], pDial.At(pAngles[k], 1.0), pWhat + (" outer " + std::to_string(k)));
    }
}

std::size_t Marks(const Primitive& pMarks) { return pMarks.vertices.size() / 2; }

//! Half a text measure in whole pixels, as the element places texts.
int HalfPixels(int pMeasure) { return pMeasure / 2; }

std::vector<std::string> Texts(const std::vector<TextRender>& pRenders)
{
    std::vector<std::string> lTexts;
    lTexts.reserve(pRenders.size());
    for (const TextRender& lRender : pRenders) lTexts.push_back(lRender.text);
    return lTexts;
}

bool IsZero(const FTPoint& pPoint) { return pPoint.X() == 0.0 && pPoint.Y() == 0.0 && pPoint.Z() == 0.0; }

//! A text measured as the element measures: the whole text, at the origin, no spacing.
void ExpectMeasured(const std::vector<TextMeasure>& pMeasures, const char* pText)
{
    ASSERT_EQ(pMeasures.size(), 1u) << "measures of \"" << pText << "\"";
    EXPECT_EQ(pMeasures[0].text, pText);
    EXPECT_EQ(pMeasures[0].length, -1);
    EXPECT_TRUE(IsZero(pMeasures[0].position));
    EXPECT_TRUE(IsZero(pMeasures[0].spacing));
}

//! A measure's upper corner, truncated toward zero: the text's width and height.
struct Extent {
    int width;
    int height;
};

int TruncatedMeasure(double pValue)
{
    if (!(pValue > static_cast<double>(INT_MIN) - 1.0 && pValue < static_cast<double>(INT_MAX) + 1.0)) {
        ADD_FAILURE() << "FTGL measured " << pValue;
        return 0;
    }
    return static_cast<int>(pValue);
}

Extent ExtentOf(const std::vector<TextMeasure>& pMeasures)
{
    if (pMeasures.empty()) return {0, 0};
    const FTPoint lUpper = pMeasures[0].box.Upper();
    return {TruncatedMeasure(lUpper.X()), TruncatedMeasure(lUpper.Y())};
}

//! A text drawn at pPen (z 0) as the element draws: whole text, no spacing, all render modes.
void ExpectRendered(const TextRender& pRender, Point pPen, const Colour& pColour, const std::string& pWhat)
{
    EXPECT_NEAR(pRender.position.X(), pPen.x, kTolerance) << pWhat;
    EXPECT_NEAR(pRender.position.Y(), pPen.y, kTolerance) << pWhat;
    EXPECT_EQ(pRender.position.Z(), 0.0) << pWhat;
    EXPECT_EQ(pRender.length, -1) << pWhat;
    EXPECT_TRUE(IsZero(pRender.spacing)) << pWhat;
    EXPECT_EQ(pRender.renderMode, 0xffff) << pWhat;
    EXPECT_EQ(pRender.colour, pColour) << pWhat;
}

void ExpectColours(const Primitive& pShape, const Colour& pColour, const char* pWhat)
{
    for (std::size_t k = 0; k < pShape.vertices.size(); ++k)
        EXPECT_EQ(pShape.vertices[k].colour, pColour) << pWhat << " " << k;
}

//! The needle: red, from 1 pixel off the centre out to radius factor 0.95, at pAngle.
void ExpectNeedle(const Primitive& pNeedle, double pAngle)
{
    EXPECT_EQ(pNeedle.mode, static_cast<GLenum>(GL_LINES));
    ASSERT_EQ(pNeedle.vertices.size(), 2u);
    ExpectAt(pNeedle.vertices[0], {kDialGeometry.cx - std::sin(pAngle), kDialGeometry.cy - std::cos(pAngle)},
             "needle root");
    ExpectAt(pNeedle.vertices[1], kDialGeometry.At(pAngle, 0.95), "needle tip");
    ExpectColours(pNeedle, ColourOf(1.0, 0.0, 0.0, 0.9), "needle vertex");
}

DialRecording RecordWith(const std::vector<Setting>& pSettings)
{
    TestDial lDial;
    if (!lDial) return {};
    for (const Setting& lSetting : pSettings) lDial.Set(lSetting.property, lSetting.text);
    return RecordShapes(lDial);
}

template <class... tArgs> std::string Call(GlFunction pFunction, tArgs... pArgs)
{
    return Describe({pFunction, {static_cast<double>(pArgs)...}, sizeof...(tArgs), false});
}

std::string Repeated(const std::string& pText, int pTimes)
{
    std::string lText;
    for (int i = 0; i < pTimes; ++i) lText += pText;
    return lText;
}

//! The element's own calls without colours and vertices, with its texts where it drew them
//! (face and text): the frame and the order of the passes.
std::vector<std::string> Outline(const DialRecording& pDraw)
{
    std::vector<std::string> lOutline;
    for (const DrawStep& lStep : ElementSteps(pDraw.raw)) {
        if (lStep.render)
            lOutline.push_back(std::string(FaceName(pDraw, lStep.render->face)) + " \"" + lStep.render->text + "\"");
        else if (lStep.call->function != GlFunction::Color4f && lStep.call->function != GlFunction::Vertex2f)
            lOutline.push_back(Describe(*lStep.call));
    }
    return lOutline;
}

} // namespace

TEST(DialRecording, InterposesTheElementsAndFtglsCalls)
{
    const DialRecording lDraw = RecordWith({});
    ASSERT_GT(lDraw.ownCalls.size(), 0u) << "the GL calls of the plug-in were not interposed";
    ASSERT_GT(lDraw.raw.renders.size(), 0u) << "FTFont::Render was not interposed";
    ASSERT_GT(lDraw.raw.measures.size(), 0u) << "FTFont::BBox was not interposed";
    std::size_t lGlyphQuads = 0;
    for (const GlCall& lCall : lDraw.raw.calls)
        if (lCall.function == GlFunction::Begin && static_cast<GLenum>(lCall.args[0]) == GL_QUADS) {
            EXPECT_TRUE(lCall.byFtgl) << "a GL_QUADS primitive outside FTGL";
            ++lGlyphQuads;
        }
    EXPECT_GT(lGlyphQuads, 0u) << "FTGL's glyph quads were not seen";
}

TEST(DialDraw, FramesThePassesInOrder)
{
    const DialRecording lDraw = RecordWith({});
    using F = GlFunction;
    std::vector<std::string> lExpected = {
        Call(F::GetIntegerv, GL_VIEWPORT),
        Call(F::PushAttrib, GL_CURRENT_BIT | GL_TRANSFORM_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIST_BIT |
                                GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_PIXEL_MODE_BIT),
        Call(F::PushClientAttrib, GL_CLIENT_PIXEL_STORE_BIT),
        // The states that no saved group holds (the recorder answers OpenGL 2.1).
        Call(F::GetIntegerv, GL_CURRENT_PROGRAM), Call(F::UseProgram, 0), Call(F::GetIntegerv, GL_COLOR_SUM),
        Call(F::Disable, GL_COLOR_SUM), Call(F::GetIntegerv, GL_ACTIVE_TEXTURE), Call(F::ActiveTexture, GL_TEXTURE0),
        Call(F::GetIntegerv, GL_CLIENT_ACTIVE_TEXTURE), Call(F::ClientActiveTexture, GL_TEXTURE0),
        Call(F::GetTexEnviv, GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE),
        Call(F::TexEnvi, GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE), Call(F::MatrixMode, GL_TEXTURE),
        Call(F::PushMatrix), Call(F::LoadIdentity), Call(F::MatrixMode, GL_MODELVIEW), Call(F::PushMatrix),
        Call(F::LoadIdentity), Call(F::MatrixMode, GL_PROJECTION), Call(F::PushMatrix), Call(F::LoadIdentity),
        Call(F::Ortho, 0, 300, 0, 300, -1, 1), Call(F::BlendFunc, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA),
        Call(F::BlendEquation, GL_FUNC_ADD), Call(F::Disable, GL_DEPTH_TEST), Call(F::Enable, GL_BLEND),
        Call(F::LineWidth, 1), Call(F::PolygonMode, GL_FRONT_AND_BACK, GL_FILL), Call(F::ShadeModel, GL_SMOOTH)};
    for (const int lCapability :
         {GL_CULL_FACE, GL_LIGHTING, GL_ALPHA_TEST, GL_COLOR_LOGIC_OP, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE,
          GL_LINE_STIPPLE, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_GEN_S,
          GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q})
        lExpected.push_back(Call(F::Disable, lCapability));
    for (const std::string& lStep :
         {Call(F::BindBuffer, GL_PIXEL_UNPACK_BUFFER, 0), Call(F::PixelStorei, GL_UNPACK_SWAP_BYTES, 0),
          Call(F::PixelStorei, GL_UNPACK_LSB_FIRST, 0), Call(F::PixelStorei, GL_UNPACK_ROW_LENGTH, 0),
          Call(F::PixelStorei, GL_UNPACK_SKIP_ROWS, 0), Call(F::PixelStorei, GL_UNPACK_SKIP_PIXELS, 0),
          Call(F::PixelStorei, GL_UNPACK_ALIGNMENT, 4), Call(F::PixelTransferi, GL_MAP_COLOR, 0),
          Call(F::PixelTransferf, GL_ALPHA_SCALE, 1), Call(F::PixelTransferf, GL_ALPHA_BIAS, 0),
          Call(F::Begin, GL_POLYGON), Call(F::End), // face
          Call(F::LineWidth, 4), Call(F::Enable, GL_LINE_SMOOTH), Call(F::Begin, GL_LINES),
          Call(F::End)}) // major marks
        lExpected.push_back(lStep);
    for (const char* lNumber : {"0.0", "10.0", "20.0", "30.0", "40.0", "50.0", "60.0", "70.0", "80.0", "90.0", "100.0"})
        lExpected.push_back(std::string("scale \"") + lNumber + "\"");
    for (const std::string& lStep :
         {Call(F::LineWidth, 2),
          Call(F::Begin, GL_LINES),
          Call(F::End), // minor marks
          Call(F::LineWidth, 4),
          Call(F::Begin, GL_LINE_LOOP),
          Call(F::End), // rim
          std::string("readout \"  0.0\""),
          Call(F::Begin, GL_POLYGON),
          Call(F::End), // readout and box
          std::string("label \"METER\""),
          std::string("label \"METER\""), // shadow and label
          Call(F::Begin, GL_LINES),
          Call(F::End),
          Call(F::Begin, GL_POLYGON),
          Call(F::End), // needle, hub
          Call(F::PopMatrix),
          Call(F::MatrixMode, GL_MODELVIEW),
          Call(F::PopMatrix),
          Call(F::MatrixMode, GL_TEXTURE),
          Call(F::PopMatrix),
          Call(F::TexEnvi, GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE), // the host's, unanswered here
          Call(F::ClientActiveTexture, GL_TEXTURE0),
          Call(F::ActiveTexture, GL_TEXTURE0),
          Call(F::UseProgram, 0),
          Call(F::PopClientAttrib),
          Call(F::PopAttrib)})
        lExpected.push_back(lStep);
    EXPECT_EQ(Outline(lDraw), lExpected);
}

TEST(DialDraw, DefaultFaceAndRim)
{
    const DialRecording lDraw = RecordWith({});
    EXPECT_EQ(lDraw.face.mode, static_cast<GLenum>(GL_POLYGON));
    ExpectDialPoints(lDraw.face, kDialGeometry, kTenthRadians, 1.0, "face vertex");
    // The mask, darkened by 0.1 a radian: black at alpha 0.75, then below black.
    EXPECT_EQ(lDraw.face.vertices[0].colour, ColourOf(0.0, 0.0, 0.0, 0.75));
    EXPECT_NEAR(lDraw.face.vertices[10].colour[0], -0.1, 1e-6);
    EXPECT_EQ(lDraw.face.vertices[10].colour[3], 0.75f);
    EXPECT_EQ(lDraw.rim.mode, static_cast<GLenum>(GL_LINE_LOOP));
    ExpectDialPoints(lDraw.rim, kDialGeometry, Accumulated(0.01f, 629), 1.0, "rim vertex");
    ExpectColours(lDraw.rim, ColourOf(0.5, 0.5, 0.5, 0.9), "rim vertex");
}

TEST(DialDraw, DefaultScale)
{
    TestDial lDial;
    ASSERT_TRUE(lDial);
    const DialRecording lDraw = RecordShapes(lDial);
    ASSERT_EQ(Marks(lDraw.majorMarks), 11u);
    ExpectMarks(lDraw.majorMarks, kDialGeometry, kDefaultMajorAngles, 0.85, "major mark");
    ExpectAt(lDraw.majorMarks.vertices[0], {89.8959, 79.8959}, "first major mark, inner end");
    ExpectAt(lDraw.majorMarks.vertices[1], {79.2893, 69.2893}, "first major mark, outer end");
    ExpectColours(lDraw.majorMarks, kFontColour, "major mark vertex");

    ASSERT_EQ(Marks(lDraw.minorMarks), 10u);
    ExpectMarks(lDraw.minorMarks, kDialGeometry, kDefaultMinorAngles, 0.95, "minor mark");
    ExpectColours(lDraw.minorMarks, kFontColour, "minor mark vertex");

    ExpectMeasured(lDraw.scaleMeasures, "000.0");
    const Extent lTemplate = ExtentOf(lDraw.scaleMeasures);
    const std::vector<double>& lAngles = kDefaultMajorAngles;
    EXPECT_EQ(Texts(lDraw.scaleLabels), (std::vector<std::string>{"0.0", "10.0", "20.0", "30.0", "40.0", "50.0", "60.0",
                                                                  "70.0", "80.0", "90.0", "100.0"}));
    ASSERT_EQ(lDraw.scaleLabels.size(), lAngles.size());
    // The first label's template box is centred 0.7 radii out at the start angle, pi/4.
    EXPECT_NEAR(lDraw.scaleLabels[0].position.X() + HalfPixels(lTemplate.width), 100.5025, 1e-4);
    EXPECT_NEAR(lDraw.scaleLabels[0].position.Y() + HalfPixels(lTemplate.height), 90.5025, 1e-4);
    for (std::size_t k = 0; k < lAngles.size(); ++k) {
        const Point lAnchor = kDialGeometry.At(lAngles[k], 0.7);
        ExpectRendered(lDraw.scaleLabels[k],
                       {lAnchor.x - HalfPixels(lTemplate.width), lAnchor.y - HalfPixels(lTemplate.height)}, kFontColour,
                       "scale label " + lDraw.scaleLabels[k].text);
    }
}

TEST(DialDraw, DefaultReadoutLabelNeedleAndHub)
{
    const DialRecording lDraw = RecordWith({});
    const double lCx = kDialGeometry.cx;
    const double lCy = kDialGeometry.cy;

    ExpectMeasured(lDraw.readoutMeasures, "000.0");
    const Extent lTemplate = ExtentOf(lDraw.readoutMeasures);
    const double lHalf = HalfPixels(lTemplate.width);
    const double lBaseline = lCy - 4.0 * lTemplate.height;
    const double lTop = lCy - 3.0 * lTemplate.height;
    ASSERT_EQ(lDraw.readouts.size(), 1u);
    EXPECT_EQ(lDraw.readouts[0].text, "  0.0");
    ExpectRendered(lDraw.readouts[0], {lCx - lHalf, lBaseline}, kFontColour, "readout");
    ASSERT_EQ(lDraw.readoutBox.vertices.size(), 4u);
    EXPECT_EQ(lDraw.readoutBox.mode, static_cast<GLenum>(GL_POLYGON));
    const Point lCorners[4] = {{lCx - lHalf - 10.0, lBaseline - 10.0},
                               {lCx + lHalf + 10.0, lBaseline - 10.0},
                               {lCx + lHalf + 10.0, lTop + 10.0},
                               {lCx - lHalf - 10.0, lTop + 10.0}};
    const Colour lLower = ColourOf(0.0, 0.0, 0.0, 0.375);
    const Colour lUpper = ColourOf(0.0 - 0.2, 0.0 - 0.2, 0.0 - 0.2, 0.375);
    const Colour lBoxColours[4] = {lLower, lLower, lUpper, lUpper};
    for (std::size_t i = 0; i < 4; ++i) {
        ExpectAt(lDraw.readoutBox.vertices[i], lCorners[i], "box corner " + std::to_string(i));
        EXPECT_EQ(lDraw.readoutBox.vertices[i].colour, lBoxColours[i]) << "box corner " << i;
    }

    ExpectMeasured(lDraw.labelMeasures, "METER");
    const Extent lLabel = ExtentOf(lDraw.labelMeasures);
    EXPECT_GT(lLabel.width, 0);
    const double lLeft = lCx - HalfPixels(lLabel.width);
    const double lLabelBaseline = lCy - 9.0 * lLabel.height;
    ASSERT_EQ(Texts(lDraw.labels), (std::vector<std::string>{"METER", "METER"}));
    ExpectRendered(lDraw.labels[0], {lLeft + 2.0, lLabelBaseline - 2.0}, ColourOf(0.0, 0.0, 0.0, 1.0), "label shadow");
    ExpectRendered(lDraw.labels[1], {lLeft, lLabelBaseline}, ColourOf(1.0, 1.0, 1.0, 1.0), "label");

    ExpectNeedle(lDraw.needle, kPi / 4);
    EXPECT_EQ(lDraw.hub.mode, static_cast<GLenum>(GL_POLYGON));
    ExpectDialPoints(lDraw.hub, kDialGeometry, kTenthRadians, 0.05, "hub vertex");
    EXPECT_EQ(lDraw.hub.vertices[0].colour, ColourOf(0.2, 0.2, 0.2, 0.95));
    // Deliberate: the hub's colour grows by its angle in radians, white past its first vertices,
    // as users' renders have always shown it.
    EXPECT_NEAR(lDraw.hub.vertices[10].colour[0], 1.2, 1e-6);
}

// What FTGL is handed for a label: well-formed UTF-8 byte for byte, but characters above U+00FF,
// which the fonts lack, as U+FFFD; any other byte as its Latin-1 character in UTF-8; cut after
// 255 characters. The stand-in host keeps the label in a buffer of exactly its length, so a
// sanitized build reports any read past its terminator.
TEST(DialDraw, LabelReachesFtglAsUtf8)
{
    const std::string lEuro = "\xE2\x82\xAC";
    const std::string lThermometer = "\xF0\x9F\x8C\xA1"; // U+1F321
    const std::string lReplacement = "\xEF\xBF\xBD";     // U+FFFD
    struct Case {
        const char* what;
        std::string label;
        std::string drawn;
    };
    const Case lCases[] = {
        {"two-byte characters", std::string("TEMP \xC2\xB0") + "C, Geschwindigkeit \xC3\xBC",
         std::string("TEMP \xC2\xB0") + "C, Geschwindigkeit \xC3\xBC"},
        // Characters that the fonts lack, all drawn as the one missing glyph.
        {"two-byte characters above Latin-1", "\xC4\x80 \xDF\xBF", lReplacement + " " + lReplacement},
        {"three-byte characters", lEuro + " \xE2\x89\xA4 \xE2\x86\x92 \xEF\xBF\xBD",
         lReplacement + " " + lReplacement + " " + lReplacement + " " + lReplacement},
        {"four-byte characters", lThermometer + " \xF4\x8F\xBF\xBF", lReplacement + " " + lReplacement},
        {"a Latin-1 label", std::string("TEMP \xB0") + "C \xE9t\xE9",
         std::string("TEMP \xC2\xB0") + "C \xC3\xA9t\xC3\xA9"},
        {"continuation bytes alone", "\x80 \xBF", "\xC2\x80 \xC2\xBF"},
        {"bytes that start no sequence", "\xF5 \xFF", "\xC3\xB5 \xC3\xBF"},
        {"a lead byte as the last byte", "A\xC3", "A\xC3\x83"},
        {"a four-byte lead as the last byte", "A\xF0", "A\xC3\xB0"},
        {"a sequence cut short at the end", "A\xE2\x82", "A\xC3\xA2\xC2\x82"},
        {"a four-byte sequence cut short by two at the end", "A\xF0\x9F", "A\xC3\xB0\xC2\x9F"},
        {"a sequence cut short by a lead byte", "\xF0\x9F\x8C\xC3\xA9", "\xC3\xB0\xC2\x9F\xC2\x8C\xC3\xA9"},
        {"a sequence cut short by ASCII", "\xE2\x82Z", "\xC3\xA2\xC2\x82Z"},
        {"overlong forms", "\xC0\xAF \xC1\xBF \xE0\x80\xAF \xF0\x80\x80\xAF",
         "\xC3\x80\xC2\xAF \xC3\x81\xC2\xBF \xC3\xA0\xC2\x80\xC2\xAF \xC3\xB0\xC2\x80\xC2\x80\xC2\xAF"},
        {"a surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"the cut across a two-byte character", std::string(254, 'W') + "\xC3\xBC\xC3\xBC",
         std::string(254, 'W') + "\xC3\xBC"},
        {"the cut right before a three-byte character", std::string(255, 'W') + lEuro, std::string(255, 'W')},
        {"the cut after 255 four-byte characters", Repeated(lThermometer, 300), Repeated(lReplacement, 255)},
        {"the cut after 255 Latin-1 characters", std::string(300, '\xFF'), Repeated("\xC3\xBF", 255)},
    };
    for (const Case& lCase : lCases) {
        SCOPED_TRACE(lCase.what);
        const DialRecording lDraw = RecordWith({{"Label", lCase.label}});
        ExpectMeasured(lDraw.labelMeasures, lCase.drawn.c_str());
        EXPECT_EQ(Texts(lDraw.labels), (std::vector<std::string>{lCase.drawn, lCase.drawn}));
    }
}

TEST(DialDraw, MaskColourShadesFaceBoxAndHub)
{
    const DialRecording lDraw = RecordWith({{"Mask Color", "0.5,0.5,0.5,1"}});
    ASSERT_EQ(lDraw.face.vertices.size(), 63u);
    EXPECT_EQ(lDraw.face.vertices[0].colour[0], 0.5f);
    EXPECT_NEAR(lDraw.face.vertices[31].colour[0], 0.19, 1e-6);
    EXPECT_NEAR(lDraw.face.vertices[62].colour[0], -0.12, 1e-6);

    ASSERT_EQ(lDraw.readoutBox.vertices.size(), 4u);
    EXPECT_EQ(lDraw.readoutBox.vertices[0].colour, ColourOf(0.5, 0.5, 0.5, 0.5));
    EXPECT_EQ(lDraw.readoutBox.vertices[2].colour, ColourOf(0.5 - 0.2, 0.5 - 0.2, 0.5 - 0.2, 0.5));
    ASSERT_EQ(lDraw.hub.vertices.size(), 63u);
    EXPECT_NEAR(lDraw.hub.vertices[0].colour[0], 0.7, 1e-6);
    EXPECT_NEAR(lDraw.hub.vertices[0].colour[3], 1.2, 1e-6);
    EXPECT_NEAR(lDraw.hub.vertices[10].colour[0], 1.7, 1e-6); // deliberate, as above
}

TEST(DialDraw, PlacementMovesTheCentre)
{
    struct Case {
        const char* horizontal;
        const char* vertical;
        double cx;
        double cy;
    };
    for (const Case& lCase : {Case{"1", "0", -50.0, 140.0}, Case{"2", "0", 50.0, 140.0}, Case{"7", "0", 50.0, 140.0},
                              Case{"0", "1", 150.0, 40.0}, Case{"0", "-3", 150.0, 40.0}}) {
        SCOPED_TRACE(std::string("placement ") + lCase.horizontal + "/" + lCase.vertical);
        const DialRecording lDraw =
            RecordWith({{"Justification", lCase.horizontal}, {"Vertical Dock", lCase.vertical}});
        const Geometry lDial = {lCase.cx, lCase.cy, 100.0};
        ExpectDialPoints(lDraw.face, lDial, kTenthRadians, 1.0, "face vertex");
        ExpectDialPoints(lDraw.hub, lDial, kTenthRadians, 0.05, "hub vertex");
    }
}

TEST(DialDraw, MarkAndLabelCountsFollowSpreadAndTicks)
{
    struct Case {
        const char* spread;
        const char* ticks;
        std::size_t major;
        std::size_t minor;
        const char* lastLabel;
    };
    for (const Case& lCase : {Case{"1", "10", 11, 10, "100.0"}, Case{"0.75", "100", 103, 102, "102.0"},
                              Case{"0.9", "50", 51, 51, "100.0"}}) {
        SCOPED_TRACE(std::string("Spread ") + lCase.spread + ", Ticks " + lCase.ticks);
        const DialRecording lDraw = RecordWith({{"Spread", lCase.spread}, {"Ticks", lCase.ticks}});
        EXPECT_EQ(Marks(lDraw.majorMarks), lCase.major);
        EXPECT_EQ(Marks(lDraw.minorMarks), lCase.minor);
        ASSERT_EQ(lDraw.scaleLabels.size(), lCase.major);
        EXPECT_EQ(lDraw.scaleLabels.front().text, "0.0");
        EXPECT_EQ(lDraw.scaleLabels.back().text, lCase.lastLabel);
    }
    // A full circle starts and ends at the bottom: first and last mark and label coincide.
    const DialRecording lFull = RecordWith({{"Spread", "1"}});
    ASSERT_EQ(Marks(lFull.majorMarks), 11u);
    const Vertex& lFirst = lFull.majorMarks.vertices[0];
    ExpectAt(lFull.majorMarks.vertices[20], {lFirst.x, lFirst.y}, "last mark");
    ExpectAt(lFull.majorMarks.vertices[0], kDialGeometry.At(0.0, 0.85), "first mark");
    ASSERT_EQ(lFull.scaleLabels.size(), 11u);
    EXPECT_NEAR(lFull.scaleLabels[10].position.X(), lFull.scaleLabels[0].position.X(), kTolerance);
    EXPECT_NEAR(lFull.scaleLabels[10].position.Y(), lFull.scaleLabels[0].position.Y(), kTolerance);
}

TEST(DialDraw, ScaleLabelValuesAccumulateInSinglePrecision)
{
    const DialRecording lDraw = RecordWith({{"Minimum", "0"}, {"Maximum", "1"}, {"Ticks", "7"}});
    EXPECT_EQ(Texts(lDraw.scaleLabels),
              (std::vector<std::string>{"0.0", "0.1", "0.3", "0.4", "0.6", "0.7", "0.9", "1.0"}));

    // Labels longer than the 31 characters of their buffer are cut there.
    const DialRecording lHuge = RecordWith({{"Minimum", "1e38"}, {"Maximum", "3e38"}, {"Ticks", "2"}});
    EXPECT_EQ(Texts(lHuge.scaleLabels),
              (std::vector<std::string>{"9999999680285692465065626076917", "1999999936057138493013125215383",
                                        "3000000005497755757778039942811"}));
}

TEST(DialDraw, DegenerateScales)
{
    struct Case {
        const char* spread;
        double start; // the scale's start angle, where there is a mark
        const char* ticks;
        std::size_t major; // marks and labels
        std::size_t minor;
    };
    for (const Case& lCase : {Case{"nan", NAN, "10", 0, 0}, Case{"0", kPi, "0", 1, 0}, Case{"0.75", kPi / 4, "0", 1, 0},
                              Case{"-0.02", NAN, "10", 0, 0}}) {
        SCOPED_TRACE(std::string("Spread ") + lCase.spread + ", Ticks " + lCase.ticks);
        const DialRecording lDraw = RecordWith({{"Spread", lCase.spread}, {"Ticks", lCase.ticks}, {"Minimum", "5"}});
        EXPECT_EQ(Marks(lDraw.majorMarks), lCase.major);
        EXPECT_EQ(Marks(lDraw.minorMarks), lCase.minor);
        ASSERT_EQ(lDraw.scaleLabels.size(), lCase.major);
        if (lCase.major == 1) {
            ExpectMarks(lDraw.majorMarks, kDialGeometry, {lCase.start}, 0.85, "the one mark");
            EXPECT_EQ(lDraw.scaleLabels[0].text, "5.0");
        }
        // The rest of the dial is drawn whatever the scale.
        EXPECT_EQ(lDraw.face.vertices.size(), 63u);
        EXPECT_EQ(lDraw.rim.vertices.size(), 629u);
        EXPECT_EQ(lDraw.readouts.size(), 1u);
        EXPECT_EQ(lDraw.labels.size(), 2u);
        EXPECT_EQ(lDraw.needle.vertices.size(), 2u);
        EXPECT_EQ(lDraw.hub.vertices.size(), 63u);
    }
}

// A zero, negative or vanishing step would repeat a pass's angle forever; a pass stops once the
// angle no longer advances, and after 1024 marks.
TEST(DialDraw, ScalePassesThatWouldNotEndAreBounded)
{
    struct Case {
        const char* spread;
        const char* ticks;
        std::size_t marks; // of each pass, and labels
    };
    for (const Case& lCase : {Case{"0", "10", 1}, Case{"0.75", "-5", 1}, Case{"0.75", "20000000", 1024}}) {
        SCOPED_TRACE(std::string("Spread ") + lCase.spread + ", Ticks " + lCase.ticks);
        const DialRecording lDraw = RecordWith({{"Spread", lCase.spread}, {"Ticks", lCase.ticks}});
        EXPECT_EQ(Marks(lDraw.majorMarks), lCase.marks);
        EXPECT_EQ(lDraw.scaleLabels.size(), lCase.marks);
        EXPECT_EQ(Marks(lDraw.minorMarks), lCase.marks);
        EXPECT_EQ(lDraw.hub.vertices.size(), 63u) << "the draw did not reach its end";
    }
    // The bound leaves a dial of a thousand ticks whole, marks past the end angle included.
    const DialRecording lThousand = RecordWith({{"Ticks", "1000"}});
    EXPECT_GT(Marks(lThousand.majorMarks), 1001u);
    EXPECT_LT(Marks(lThousand.majorMarks), 1024u);
}

TEST(DialDraw, ReadoutShowsTheValueWithOneDecimal)
{
    struct Case {
        const char* value;
        const char* text;
    };
    for (const Case& lCase :
         {Case{"0", "  0.0"}, Case{"50", " 50.0"}, Case{"99.94", " 99.9"}, Case{"99.95", "100.0"},
          Case{"-0.04", " -0.0"}, Case{"-5", " -5.0"}, Case{"1234.56", "1234.6"}, Case{"-500", "-500.0"},
          // Longer than the 31 characters of the readout's buffer: cut there.
          Case{"1e40", "1000000000000000030378602842700"}, Case{"1e300", "1000000000000000052504760255204"}}) {
        const DialRecording lDraw = RecordWith({{"Value", lCase.value}});
        ASSERT_EQ(lDraw.readouts.size(), 1u) << lCase.value;
        EXPECT_EQ(lDraw.readouts[0].text, lCase.text) << "Value " << lCase.value;
        // Whatever its length, the text starts where the template "000.0" would.
        const Extent lTemplate = ExtentOf(lDraw.readoutMeasures);
        EXPECT_NEAR(lDraw.readouts[0].position.X(), kDialGeometry.cx - HalfPixels(lTemplate.width), kTolerance)
            << "Value " << lCase.value;
    }
}

TEST(DialDraw, NeedleShowsTheClampedValue)
{
    struct Case {
        const char* minimum;
        const char* maximum;
        const char* value;
        double fraction; // of the scale's 1.5 pi from its start angle, pi/4
    };
    for (const Case& lCase : {Case{"0", "100", "0", 0.0}, Case{"0", "100", "100", 1.0}, Case{"0", "100", "50", 0.5},
                              Case{"0", "100", "-10", 0.0}, Case{"0", "100", "150", 1.0}, Case{"100", "0", "100", 0.0},
                              Case{"100", "0", "0", 1.0}, Case{"100", "0", "25", 0.75}, Case{"50", "50", "60", 1.0},
                              Case{"50", "50", "40", 0.0},
                              // All three equal: the needle rests on the start angle.
                              Case{"50", "50", "50", 0.0}}) {
        SCOPED_TRACE(std::string("Minimum ") + lCase.minimum + ", Maximum " + lCase.maximum + ", Value " + lCase.value);
        const DialRecording lDraw =
            RecordWith({{"Minimum", lCase.minimum}, {"Maximum", lCase.maximum}, {"Value", lCase.value}});
        ExpectNeedle(lDraw.needle, kPi / 4 + lCase.fraction * 1.5 * kPi);
    }
}

// A steady frame makes no texture work and repeats the calls of the frame before it. A width of
// 201 gives a radius of 100.5, which never equals the truncated radius that the faces were last
// sized for, so every draw asks for sizes; faces re-sized to the sizes they have would make FTGL
// drop its glyphs and rasterise and upload them again on every frame. A viewer of several panes
// draws the element once in each, at each pane's radius, in every frame; faces re-sized from one
// pane to the next would do the same.
TEST(DialDraw, SteadyFramesRepeatTheirCallsWithoutTextureWork)
{
    struct Case {
        const char* name;
        std::vector<double> widths; // of the panes, drawn in turn in every frame
    };
    for (const Case& lCase : {Case{"odd width", {201.0}}, Case{"two panes", {200.0, 150.0}},
                              Case{"four panes, as many sizes as are kept", {200.0, 150.0, 100.0, 60.0}}}) {
        SCOPED_TRACE(lCase.name);
        TestDial lDial;
        ASSERT_TRUE(lDial);
        const auto lFrame = [&] {
            std::vector<std::string> lCalls;
            std::vector<std::string> lTextureWork;
            for (const double lWidth : lCase.widths) {
                const DialRecording lDraw = RecordShapes(lDial, SquareRect(lWidth));
                for (const GlCall& lCall : lDraw.raw.calls) {
                    lCalls.push_back((lCall.byFtgl ? "FTGL " : "") + Describe(lCall));
                    if (ChangesTextures(lCall.function)) lTextureWork.push_back(Describe(lCall));
                }
            }
            return std::make_pair(lCalls, lTextureWork);
        };

        // The first frame meets every glyph for the first time: the recorder sees FTGL upload them.
        EXPECT_FALSE(lFrame().second.empty());
        const auto lSteady = lFrame();
        EXPECT_EQ(lSteady.second, std::vector<std::string>());
        EXPECT_EQ(lFrame().first, lSteady.first);
    }
}
