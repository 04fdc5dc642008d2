// Dial draws in a real offscreen context (Mesa's llvmpipe): the OpenGL state that a draw leaves
// to the host, and the pixels of the typical dial, probed and compared with a committed image.
//
// The image is tests/drawing/golden/default_dial.png. After a deliberate change of the dial's
// look, write it anew by running this test with KEST_UPDATE_GOLDEN=1 in the environment
// (ctest -R DialPixels, or build-dir/tests/drawing/drawing_context_test), check the picture, and
// commit it.

#include "host_gl_state.h"
#include "offscreen_gl.h"
#include "png_file.h"
#include "test_dial.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace kestdial;
using namespace kesttest;

namespace {

constexpr float kBackground = 0.2f; // dark grey
constexpr int kBackgroundByte = 51; // its 8-bit value
const char* const kGolden = KEST_SOURCE_DIR "/tests/drawing/golden/default_dial.png";
const char* const kDrawnImage = "default_dial.drawn.png"; // left in the working directory on a mismatch
constexpr int kGoldenTolerance = 16;                      // per channel, of 255
constexpr double kGoldenShare = 0.995;                    // of the pixels that must lie within it

std::unique_ptr<hudhost::OffscreenGL> MakeContext()
{
    std::string lError;
    std::unique_ptr<hudhost::OffscreenGL> lContext =
        hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError);
    if (!lContext) ADD_FAILURE() << "no offscreen OpenGL context: " << lError;
    return lContext;
}

//! An 8-bit RGBA image, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;

    //! The pixel whose lower-left corner is (pX, pY) in OpenGL's frame (y up).
    const unsigned char* At(int pX, int pY) const
    {
        return &rgba[4 * (static_cast<std::size_t>(height - 1 - pY) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(pX))];
    }
};

//! The typical dial drawn over the background, and the context that holds it.
struct DrawnDial {
    std::unique_ptr<hudhost::OffscreenGL> context;
    Image image;
};

DrawnDial DrawDefaultDial()
{
    DrawnDial lDrawn = {MakeContext(), {}};
    if (!lDrawn.context) return lDrawn;
    TestDial lDial;
    if (!lDial) return lDrawn;
    lDrawn.context->Clear(kBackground, kBackground, kBackground);
    lDial.Draw();
    lDrawn.context->Finish();
    lDrawn.image = {kViewerSize, kViewerSize, lDrawn.context->ReadPixels()};
    return lDrawn;
}

//! The image in pPath as RGBA; empty, with the reason in pError, when it does not decode.
Image ReadRgba(const char* pPath, std::string& pError)
{
    const std::optional<hudhost::PngImage> lPng = hudhost::ReadPng(pPath, 4, &pError);
    return lPng ? Image{lPng->width, lPng->height, lPng->pixels} : Image{};
}

//! The pixel coordinate holding pValue, a position inside the viewer.
int PixelOf(double pValue)
{
    if (!(pValue >= 0.0 && pValue < static_cast<double>(kViewerSize))) {
        ADD_FAILURE() << pValue << " lies outside the viewer";
        return 0;
    }
    return static_cast<int>(pValue);
}

//! The dial point of the typical dial (centre (150, 140), radius 100) at pAngle, pFactor.
const unsigned char* DialPixel(const Image& pImage, double pAngle, double pFactor)
{
    return pImage.At(PixelOf(150.0 - pFactor * 100.0 * std::sin(pAngle)),
                     PixelOf(140.0 - pFactor * 100.0 * std::cos(pAngle)));
}

//! Whether some pixel of the box [pLeft, pRight) x [pBottom, pTop) passes pTest.
template <class tTest> bool AnyPixel(const Image& pImage, int pLeft, int pBottom, int pRight, int pTop, tTest pTest)
{
    for (int lY = pBottom; lY < pTop; ++lY)
        for (int lX = pLeft; lX < pRight; ++lX)
            if (pTest(pImage.At(lX, lY))) return true;
    return false;
}

std::string Rgb(const unsigned char* pPixel)
{
    return "(" + std::to_string(pPixel[0]) + ", " + std::to_string(pPixel[1]) + ", " + std::to_string(pPixel[2]) + ")";
}

} // namespace

namespace hudhost {

// Names the host state in CTest's listing.
void PrintTo(const HostGlStateEntry& pEntry, std::ostream* pOut) { *pOut << pEntry.name; }

} // namespace hudhost

namespace {

//! A dial's first draw into a cleared viewer, its pixels read back.
std::vector<unsigned char> DrawnPixels(hudhost::OffscreenGL& pContext, Dial& pDial)
{
    pContext.Clear(kBackground, kBackground, kBackground);
    pDial.Draw();
    pContext.Finish();
    return pContext.ReadPixels();
}

//! The texture names up to 256 that name a texture of the current context.
int TextureCount()
{
    int lCount = 0;
    for (GLuint lName = 1; lName <= 256; ++lName) lCount += glIsTexture(lName) ? 1 : 0;
    return lCount;
}

class DialOverHostState : public ::testing::TestWithParam<hudhost::HostGlStateEntry> {};

// Over each state that a viewer leaves, a fresh dial draws what it draws over a fresh context,
// leaves no GL error, gives every state back but the line width, and makes its glyphs right: a
// clean draw afterwards, with the glyphs made over the state, shows the same pixels again. In a
// core-profile context it draws nothing, makes no glyph textures and leaves no error.
TEST_P(DialOverHostState, DrawsAsOverAFreshContextAndGivesTheStateBack)
{
    const hudhost::HostGlStateEntry& lState = GetParam();
    std::string lError;
    const std::unique_ptr<hudhost::OffscreenGL> lContext = hudhost::OffscreenGL::CreateOnTestDevice(
        kViewerSize, kViewerSize, lError,
        lState.coreProfile ? hudhost::GlProfile::kCore : hudhost::GlProfile::kCompatibility);
    ASSERT_TRUE(lContext) << "no offscreen OpenGL context: " << lError;
    TestDial lDial;
    ASSERT_TRUE(lDial);
    if (lState.coreProfile) {
        const std::vector<unsigned char> lPixels = DrawnPixels(*lContext, lDial);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_TRUE(std::all_of(lPixels.begin(), lPixels.end(), [](unsigned char pByte) {
            return pByte == kBackgroundByte || pByte == 255;
        })) << "the dial drew in a core-profile context";
        // One texture, without an image, is the marker by which the dial knows the context.
        EXPECT_LE(TextureCount(), 1) << "the dial made glyph textures in a core-profile context";
        return;
    }
    TestDial lReference;
    ASSERT_TRUE(lReference);
    const std::vector<unsigned char> lClean = DrawnPixels(*lContext, lReference);

    lContext->Clear(kBackground, kBackground, kBackground);
    kestdial::SetHostState(lState);
    const kestdial::HostGlState lBefore = kestdial::CaptureHostState();
    lDial.Draw();
    EXPECT_EQ(kestdial::StateFaults(lBefore, kestdial::CaptureHostState(), true), "");
    hudhost::SetInitialHostGlState(); // for the read-back, which pixel transfer would scale
    lContext->Finish();
    EXPECT_TRUE(lContext->ReadPixels() == lClean) << "the dial over " << lState.what << " differs";
    EXPECT_TRUE(DrawnPixels(*lContext, lDial) == lClean) << "glyphs made over " << lState.what << " are wrong";
}

INSTANTIATE_TEST_SUITE_P(HostStates, DialOverHostState, ::testing::ValuesIn(hudhost::HostGlStates()),
                         [](const ::testing::TestParamInfo<hudhost::HostGlStateEntry>& pInfo) {
                             std::string lName = pInfo.param.name;
                             std::replace(lName.begin(), lName.end(), '-', '_');
                             return lName;
                         });

} // namespace

TEST(DialPixels, DefaultDialShowsItsParts)
{
    const Image lImage = DrawDefaultDial().image;
    ASSERT_EQ(lImage.rgba.size(), 4u * kViewerSize * kViewerSize);
    const double lStart = static_cast<double>(static_cast<float>(3.141592653589793 * 0.25));

    for (const unsigned char* lCorner : {lImage.At(2, 2), lImage.At(297, 297), lImage.At(2, 297)})
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(lCorner[c], kBackgroundByte, 1) << "background " << Rgb(lCorner);

    // The face, black at alpha 0.75, above the centre where nothing lies over it.
    const unsigned char* lFace = lImage.At(150, 185);
    for (int c = 0; c < 3; ++c) EXPECT_LT(lFace[c], 25) << "face " << Rgb(lFace);

    // The rim, grey at alpha 0.9, near the bottom of the dial where no scale mark lies.
    const unsigned char* lRim = DialPixel(lImage, 0.3, 1.0);
    EXPECT_NEAR(lRim[0], lRim[1], 4) << "rim " << Rgb(lRim);
    EXPECT_NEAR(lRim[1], lRim[2], 4) << "rim " << Rgb(lRim);
    EXPECT_GT(lRim[0], 70) << "rim " << Rgb(lRim);
    EXPECT_LT(lRim[0], 150) << "rim " << Rgb(lRim);

    // The needle, red, half way out along the start angle (lower left).
    const unsigned char* lNeedle = DialPixel(lImage, lStart, 0.6);
    EXPECT_GT(lNeedle[0], 180) << "needle " << Rgb(lNeedle);
    EXPECT_LT(lNeedle[1], 80) << "needle " << Rgb(lNeedle);
    EXPECT_LT(lNeedle[2], 80) << "needle " << Rgb(lNeedle);

    // The major mark at the top and the number "50.0" under it, in the font colour (light blue);
    // the small number's glyphs are thin, so their pixels are only partly covered.
    const auto lFontBlue = [](const unsigned char* pPixel) { return pPixel[2] > 120 && pPixel[0] + 30 < pPixel[2]; };
    const unsigned char* lTopMark = DialPixel(lImage, 3.141592653589793, 0.92);
    EXPECT_TRUE(lFontBlue(lTopMark)) << "top mark " << Rgb(lTopMark);
    EXPECT_TRUE(AnyPixel(lImage, 135, 200, 165, 220, lFontBlue)) << "no scale number at the top";

    // The white label "METER" below the readout, and the hub's light outline over the centre.
    const auto lWhite = [](const unsigned char* pPixel) {
        return pPixel[0] > 200 && pPixel[1] > 200 && pPixel[2] > 200;
    };
    EXPECT_TRUE(AnyPixel(lImage, 120, 55, 180, 80, lWhite)) << "no white label text";
    EXPECT_TRUE(AnyPixel(lImage, 144, 134, 157, 147, lWhite)) << "no hub";
}

TEST(DialPixels, DefaultDialMatchesTheGoldenImage)
{
    const DrawnDial lDrawn = DrawDefaultDial();
    const Image& lImage = lDrawn.image;
    ASSERT_EQ(lImage.rgba.size(), 4u * kViewerSize * kViewerSize);
    std::string lError;
    if (std::getenv(kUpdateGoldenVariable)) {
        ASSERT_TRUE(lDrawn.context->WritePng(kGolden, lError)) << lError;
        GTEST_SKIP() << "wrote " << kGolden;
    }
    const Image lGolden = ReadRgba(kGolden, lError);
    ASSERT_EQ(lGolden.width, kViewerSize) << kGolden << " is missing or not " << kViewerSize << " wide: " << lError
                                          << "; " << kUpdateGoldenVariable << "=1 writes it";
    ASSERT_EQ(lGolden.height, kViewerSize);

    std::size_t lWithin = 0;
    int lWorst = 0;
    for (std::size_t i = 0; i < lImage.rgba.size(); i += 4) {
        int lDifference = 0;
        for (std::size_t c = 0; c < 3; ++c)
            lDifference = std::max(lDifference, std::abs(lImage.rgba[i + c] - lGolden.rgba[i + c]));
        lWorst = std::max(lWorst, lDifference);
        if (lDifference <= kGoldenTolerance) ++lWithin;
    }
    const double lShare = static_cast<double>(lWithin) / (kViewerSize * kViewerSize);
    EXPECT_GE(lShare, kGoldenShare) << "only " << lWithin << " of " << kViewerSize * kViewerSize
                                    << " pixels lie within " << kGoldenTolerance << " of " << kGolden
                                    << " (worst difference " << lWorst << "); the image drawn is " << kDrawnImage;
    if (lShare < kGoldenShare) {
        EXPECT_TRUE(lDrawn.context->WritePng(kDrawnImage, lError)) << lError;
    }
}

// A viewer of several panes draws the element once in each, at each pane's size, in every frame.
// Each pane must show what a dial of its size drawn alone shows: the faces it draws with are
// those of its own size, whichever pane was drawn before it. Five panes are more sizes than an
// element keeps faces for, so there every frame sizes faces afresh.
TEST(DialPixels, EachPaneShowsWhatItsSizeDrawnAloneShows)
{
    const std::unique_ptr<hudhost::OffscreenGL> lContext = MakeContext();
    ASSERT_TRUE(lContext);
    const auto lPixels = [&](Dial& pDial, double pWidth) {
        lContext->Clear(kBackground, kBackground, kBackground);
        pDial.Draw(SquareRect(pWidth));
        lContext->Finish();
        return lContext->ReadPixels();
    };
    for (const std::vector<double>& lWidths :
         {std::vector<double>{200.0, 150.0}, std::vector<double>{200.0, 150.0, 100.0, 60.0, 250.0}}) {
        TestDial lPanes;
        ASSERT_TRUE(lPanes);
        const auto lFrame = [&] {
            std::vector<std::vector<unsigned char>> lPanePixels;
            lPanePixels.reserve(lWidths.size());
            for (const double lWidth : lWidths) lPanePixels.push_back(lPixels(lPanes, lWidth));
            return lPanePixels;
        };
        lFrame(); // its glyphs are loaded
        const std::vector<std::vector<unsigned char>> lSteady = lFrame();
        for (std::size_t i = 0; i < lWidths.size(); ++i) {
            TestDial lAlone;
            ASSERT_TRUE(lAlone);
            EXPECT_TRUE(lSteady[i] == lPixels(lAlone, lWidths[i]))
                << "pane " << i << " of " << lWidths.size() << ", width " << lWidths[i];
        }
    }
}
