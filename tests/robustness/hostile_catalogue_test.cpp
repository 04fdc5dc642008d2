// The catalogue of hostile inputs (tests/support/hostile_inputs.h), and the viewport at values that
// no host means. Each input is drawn into
// a real offscreen context (Mesa's llvmpipe) in a 300 x 300, a 1 x 1 and an empty viewport, each
// draw over the next state of the host-state table (hudhost --list-host-states). Every draw must end, and leave no GL error and the host's
// state as it was, the line width aside; under the sanitizer build any undefined behaviour,
// overflow or leak fails the test as well.
//
// Each family of inputs is one test (one process under CTest); it prints its slowest draw.

#include "dial_session.h"
#include "draw_deadline.h"
#include "host_gl_state.h"
#include "hostile_inputs.h"
#include "offscreen_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace kestdial {

// Names the family in CTest's listing.
void PrintTo(const HostileFamily& pFamily, std::ostream* pOut) { *pOut << pFamily.name; }

} // namespace kestdial

namespace {

using Rect = FBHUDElement::Rect;

using kestdial::kViewerSize;
//! A draw that has not ended after this ends the process, naming the input.
constexpr std::chrono::seconds kDrawLimit(60);

struct Viewport {
    int width;
    int height;
};

const Viewport kViewports[] = {{kViewerSize, kViewerSize}, {1, 1}, {0, 0}};

//! Whether two rectangles hold the same values, a NaN matching a NaN.
bool SameRect(const Rect& pLeft, const Rect& pRight)
{
    const auto lSame = [](double pA, double pB) { return pA == pB || (std::isnan(pA) && std::isnan(pB)); };
    return lSame(pLeft.mX, pRight.mX) && lSame(pLeft.mY, pRight.mY) && lSame(pLeft.mWidth, pRight.mWidth) &&
           lSame(pLeft.mHeight, pRight.mHeight);
}

class HostileCatalogue : public ::testing::TestWithParam<kestdial::HostileFamily> {};

TEST_P(HostileCatalogue, EveryDrawEndsAndGivesTheHostItsStateBack)
{
    std::string lError;
    const std::unique_ptr<hudhost::OffscreenGL> lViewer =
        hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError);
    ASSERT_TRUE(lViewer) << "no offscreen OpenGL context: " << lError;
    const fbhost::RegistryEntry* lDialClass = kestdial::DialClass(lError);
    ASSERT_TRUE(lDialClass) << lError;
    fbhost::Viewer lViewingOptions;
    {
        // Untimed: the renderer compiles its shaders on the first draw of a process.
        FBHUDElement* lWarmUp = fbhost::CreateElement(*lDialClass, "Dial");
        ASSERT_TRUE(lWarmUp);
        Rect lRect = kestdial::kDialRect;
        lWarmUp->DrawElement(lViewingOptions.Options(), lRect);
        fbhost::DestroyElement(lWarmUp);
    }

    using Clock = std::chrono::steady_clock;
    Clock::duration lSlowest{};
    std::string lSlowestInput;
    int lDraws = 0;
    const std::vector<kestdial::HostileInput> lInputs = GetParam().inputs();
    const std::vector<hudhost::HostGlStateEntry> lHostStates = kestdial::DrawableHostStates();
    for (const kestdial::HostileInput& lInput : lInputs) {
        SCOPED_TRACE(lInput.name);
        FBHUDElement* lElement = fbhost::CreateElement(*lDialClass, "Dial");
        ASSERT_TRUE(lElement);
        for (const kestdial::Setting& lSetting : lInput.settings)
            EXPECT_TRUE(kestdial::SetFromText(*lElement, lSetting.property, lSetting.text, lError)) << lError;
        for (const Viewport& lViewport : kViewports)
            for (const Rect& lRect : lInput.rects) {
                glViewport(0, 0, lViewport.width, lViewport.height);
                const hudhost::HostGlStateEntry& lHostState =
                    lHostStates[static_cast<std::size_t>(lDraws) % lHostStates.size()];
                kestdial::SetHostState(lHostState);
                const kestdial::HostGlState lBefore = kestdial::CaptureHostState();
                Rect lDrawnRect = lRect; // handed over by reference, to be read only
                const Clock::time_point lStart = Clock::now();
                {
                    const kestdial::DrawDeadline lDeadline("a draw of \"" + lInput.name + "\"", kDrawLimit);
                    lElement->DrawElement(lViewingOptions.Options(), lDrawnRect);
                    glFinish();
                }
                const Clock::duration lTime = Clock::now() - lStart;
                ++lDraws;
                if (lTime > lSlowest) {
                    lSlowest = lTime;
                    lSlowestInput = lInput.name + ", viewport " + std::to_string(lViewport.width) + "x" +
                                    std::to_string(lViewport.height);
                }
                const bool lDrawn = lViewport.width > 0 && lViewport.height > 0;
                EXPECT_EQ(kestdial::StateFaults(lBefore, kestdial::CaptureHostState(), lDrawn), "")
                    << "viewport " << lViewport.width << "x" << lViewport.height << ", rect (" << lRect.mX << ", "
                    << lRect.mY << ", " << lRect.mWidth << "), host state " << lHostState.name;
                EXPECT_TRUE(SameRect(lDrawnRect, lRect)) << "the draw wrote to the rectangle";
            }
        fbhost::DestroyElement(lElement);
    }
    glViewport(0, 0, kViewerSize, kViewerSize);
    std::printf("%s: %zu inputs, %d draws; slowest draw %.1f ms (%s)\n", GetParam().name, lInputs.size(), lDraws,
                std::chrono::duration<double, std::milli>(lSlowest).count(), lSlowestInput.c_str());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostileCatalogue, ::testing::ValuesIn(kestdial::HostileFamilies()),
                         [](const ::testing::TestParamInfo<kestdial::HostileFamily>& pInfo) {
                             return std::string(pInfo.param.name);
                         });

// The natural size is the camera's resolution truncated toward zero; a resolution that is no
// number gives 0 and one beyond the int range the range's nearest end.
TEST(HostileCamera, NaturalSizeIsDefinedForEveryResolution)
{
    std::string lError;
    const fbhost::RegistryEntry* lDialClass = kestdial::DialClass(lError);
    ASSERT_TRUE(lDialClass) << lError;
    FBHUDElement* lElement = fbhost::CreateElement(*lDialClass, "Dial");
    ASSERT_TRUE(lElement);
    const double kInf = std::numeric_limits<double>::infinity();
    const struct {
        double resolution;
        int size;
    } kCases[] = {
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {kInf, INT_MAX},
        {-kInf, INT_MIN},
        {1e308, INT_MAX},
        {-1e308, INT_MIN},
        {2147483647.9, INT_MAX},
        {2147483648.0, INT_MAX},
        {-2147483648.9, INT_MIN},
        {-2147483649.0, INT_MIN},
        {640.9, 640},
        {-640.9, -640},
        {-0.5, 0},
    };
    fbhost::Viewer lViewer;
    for (const auto& lCase : kCases) {
        lViewer.SetCameraResolution(lCase.resolution, lCase.resolution);
        int lWidth = -7;
        int lHeight = -7;
        lElement->GetIntrinsicDimension(lViewer.Options(), lWidth, lHeight);
        EXPECT_EQ(lWidth, lCase.size) << "resolution " << lCase.resolution;
        EXPECT_EQ(lHeight, lCase.size) << "resolution " << lCase.resolution;
    }
    // Width and height each from their own resolution.
    lViewer.SetCameraResolution(640.9, 480.2);
    int lCameraWidth = -7;
    int lCameraHeight = -7;
    lElement->GetIntrinsicDimension(lViewer.Options(), lCameraWidth, lCameraHeight);
    EXPECT_EQ(lCameraWidth, 640);
    EXPECT_EQ(lCameraHeight, 480);
    lViewer.RemoveCamera();
    int lWidth = -7;
    int lHeight = -7;
    lElement->GetIntrinsicDimension(lViewer.Options(), lWidth, lHeight);
    EXPECT_EQ(lWidth, 0);
    EXPECT_EQ(lHeight, 0);
    fbhost::DestroyElement(lElement);
}

} // namespace
