// OffscreenGL: the framebuffer's size and viewport, row order of read-back and PNG, and
// contexts that come and go independently.

#include "offscreen_gl.h"
#include "png_file.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>

using hudhost::OffscreenGL;
using hudhost::PngImage;
using hudhost::ReadPng;

namespace {

using Rgba = std::array<unsigned char, 4>;

std::unique_ptr<OffscreenGL> MakeGL(int pWidth, int pHeight)
{
    std::string lError;
    std::unique_ptr<OffscreenGL> lGL = OffscreenGL::CreateOnTestDevice(pWidth, pHeight, lError);
    EXPECT_TRUE(lGL) << lError;
    return lGL;
}

Rgba PixelAt(const std::vector<unsigned char>& pPixels, int pWidth, int pX, int pY)
{
    const size_t lIndex = 4 * (static_cast<size_t>(pY) * static_cast<size_t>(pWidth) + static_cast<size_t>(pX));
    return {pPixels[lIndex], pPixels[lIndex + 1], pPixels[lIndex + 2], pPixels[lIndex + 3]};
}

TEST(OffscreenGL, FramebufferAndViewportHaveTheRequestedSize)
{
    const int lWidth = 37;
    const int lHeight = 21;
    const std::unique_ptr<OffscreenGL> lGL = MakeGL(lWidth, lHeight);
    ASSERT_TRUE(lGL);
    EXPECT_EQ(lGL->Width(), lWidth);
    EXPECT_EQ(lGL->Height(), lHeight);
    EXPECT_FALSE(lGL->Renderer().empty());

    GLint lViewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, lViewport);
    EXPECT_EQ(lViewport[0], 0);
    EXPECT_EQ(lViewport[1], 0);
    EXPECT_EQ(lViewport[2], lWidth);
    EXPECT_EQ(lViewport[3], lHeight);

    lGL->Clear(1.0f, 0.5f, 0.0f);
    const std::vector<unsigned char> lPixels = lGL->ReadPixels();
    ASSERT_EQ(lPixels.size(), 4u * lWidth * lHeight);
    for (const int lY : {0, lHeight - 1})
        for (const int lX : {0, lWidth - 1}) EXPECT_EQ(PixelAt(lPixels, lWidth, lX, lY), (Rgba{255, 128, 0, 255}));
}

TEST(OffscreenGL, ReadPixelsAndPngPutTheTopRowFirstAndThePngIsOpaque)
{
    const int lWidth = 8;
    const int lHeight = 6;
    const std::unique_ptr<OffscreenGL> lGL = MakeGL(lWidth, lHeight);
    ASSERT_TRUE(lGL);
    lGL->Clear(0.0f, 0.0f, 1.0f);
    // OpenGL's bottom row, in red and fully transparent.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, lWidth, 1);
    glClearColor(1.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    const std::vector<unsigned char> lPixels = lGL->ReadPixels();
    EXPECT_EQ(PixelAt(lPixels, lWidth, 3, 0), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(PixelAt(lPixels, lWidth, 3, lHeight - 1), (Rgba{255, 0, 0, 0}));

    const std::string lPath = testing::TempDir() + "offscreen_gl_rows_" + std::to_string(getpid()) + ".png";
    std::string lError;
    ASSERT_TRUE(lGL->WritePng(lPath, lError)) << lError;
    const std::optional<PngImage> lImage = ReadPng(lPath);
    std::remove(lPath.c_str());
    ASSERT_TRUE(lImage);
    EXPECT_EQ(lImage->width, lWidth);
    EXPECT_EQ(lImage->height, lHeight);
    ASSERT_EQ(lImage->channels, 3);
    for (int lY = 0; lY < lHeight; ++lY) {
        for (int lX = 0; lX < lWidth; ++lX) {
            const Rgba lRead = PixelAt(lPixels, lWidth, lX, lY);
            const unsigned char* lWritten = lImage->Pixel(lX, lY);
            EXPECT_EQ((Rgba{lWritten[0], lWritten[1], lWritten[2], 0}), (Rgba{lRead[0], lRead[1], lRead[2], 0}))
                << "at " << lX << "," << lY;
        }
    }
}

TEST(OffscreenGL, SizesItCannotHaveAreRefusedWithTheReason)
{
    for (const auto& lSize : {std::array<int, 2>{0, 10}, std::array<int, 2>{10, -1}, std::array<int, 2>{1 << 20, 1}}) {
        std::string lError;
        EXPECT_FALSE(OffscreenGL::CreateOnTestDevice(lSize[0], lSize[1], lError)) << lSize[0] << "x" << lSize[1];
        EXPECT_NE(lError.find(std::to_string(lSize[0]) + "x" + std::to_string(lSize[1])), std::string::npos) << lError;
    }
}

TEST(OffscreenGL, ContextsOutliveEachOther)
{
    std::unique_ptr<OffscreenGL> lFirst = MakeGL(4, 4);
    const std::unique_ptr<OffscreenGL> lSecond = MakeGL(6, 6);
    ASSERT_TRUE(lFirst && lSecond);
    lFirst.reset();
    lSecond->MakeCurrent();
    lSecond->Clear(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(PixelAt(lSecond->ReadPixels(), 6, 5, 5), (Rgba{0, 255, 0, 255}));

    const std::unique_ptr<OffscreenGL> lThird = MakeGL(2, 2);
    ASSERT_TRUE(lThird);
    lThird->Clear(1.0f, 1.0f, 1.0f);
    EXPECT_EQ(PixelAt(lThird->ReadPixels(), 2, 1, 1), (Rgba{255, 255, 255, 255}));
}

// The tests and the golden image rely on it: "software" never takes a GPU.
TEST(OffscreenGL, SoftwareDeviceIsMesasSoftwareRenderer)
{
    std::string lError;
    const std::unique_ptr<OffscreenGL> lGL = OffscreenGL::Create(2, 2, {hudhost::GlDevice::kSoftware, 0}, lError);
    ASSERT_TRUE(lGL) << lError;
    const std::string lRenderer = lGL->Renderer();
    EXPECT_TRUE(lRenderer.rfind("llvmpipe", 0) == 0 || lRenderer.rfind("softpipe", 0) == 0) << lRenderer;
}

TEST(OffscreenGL, UnwritablePngPathIsReported)
{
    const std::unique_ptr<OffscreenGL> lGL = MakeGL(2, 2);
    ASSERT_TRUE(lGL);
    std::string lError;
    EXPECT_FALSE(lGL->WritePng("/nonexistent-folder/x.png", lError));
    EXPECT_NE(lError.find("/nonexistent-folder/x.png"), std::string::npos) << lError;
}

} // namespace
