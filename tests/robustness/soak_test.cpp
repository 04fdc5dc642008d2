// The element's life cycle run long in one process, as in a session of the host that adds and
// deletes dials for hours: memory stays flat after warm-up, the class stays registered once and
// every element is freed. And the teardown a host may do once its viewer is gone: an element
// destroyed with no OpenGL context current.

#include "host_gl_state.h"
#include "offscreen_gl.h"
#include "test_dial.h"

#include <EGL/egl.h>
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define KEST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KEST_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef KEST_ADDRESS_SANITIZER
// The sanitizer runtime's count of the bytes it has handed out and not taken back; GCC installs
// no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

using Rect = FBHUDElement::Rect;

using kestdial::kViewerSize;
constexpr int kIterations = 10000;
constexpr long kMebibyte = 1024L * 1024;
//! Heap growth allowed after warm-up (the first tenth of the run): some two hundred bytes an
//! element, where each element holds hundreds of kilobytes while it lives. Mesa never reuses a
//! texture name (each element takes three new ones) and rebuilds its table of names now and
//! then, which swells the heap by some 600 KiB for a while (around the 10000th element, for one).
constexpr long kAllowedHeapGrowth = 2 * kMebibyte;
//! Resident growth allowed after warm-up. The allocator's arenas settle slowly over the first
//! thousands of elements: runs of 10000 gain up to about 6 MiB of resident size while the heap in
//! use stays level.
constexpr long kAllowedResidentGrowth = 16 * kMebibyte;
#ifdef KEST_ADDRESS_SANITIZER
// AddressSanitizer's quarantine keeps freed blocks resident (up to 256 MiB by default).
constexpr bool kResidentSizeIsMeaningful = false;
#else
constexpr bool kResidentSizeIsMeaningful = true;
#endif

//! Bytes allocated and not yet freed, by malloc or, under AddressSanitizer, by its allocator.
long HeapInUse()
{
#ifdef KEST_ADDRESS_SANITIZER
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 lInfo = mallinfo2();
    return static_cast<long>(lInfo.uordblks + lInfo.hblkhd);
#endif
}

//! The process's resident size, from /proc/self/statm.
long ResidentSize()
{
    std::ifstream lStatm("/proc/self/statm");
    long lTotalPages = 0;
    long lResidentPages = 0;
    lStatm >> lTotalPages >> lResidentPages;
    return lResidentPages * sysconf(_SC_PAGESIZE);
}

struct MemoryUse {
    long heap;
    long resident;

    static MemoryUse Now() { return {HeapInUse(), ResidentSize()}; }
};

std::unique_ptr<hudhost::OffscreenGL> MakeViewer(int pSize)
{
    std::string lError;
    std::unique_ptr<hudhost::OffscreenGL> lViewer = hudhost::OffscreenGL::CreateOnTestDevice(pSize, pSize, lError);
    EXPECT_TRUE(lViewer) << "no offscreen OpenGL context: " << lError;
    return lViewer;
}

//! The live components once the plug-in is loaded and the viewing options (which hold a camera)
//! are made: what the dials must leave as they found it.
int ComponentsBeforeDials()
{
    std::string lError;
    EXPECT_TRUE(kestdial::DialClass(lError)) << lError;
    kestdial::ViewingOptions();
    return fbhost::LiveComponentCount();
}

//! Creates a dial showing pValue, draws it once into each of pRects, as the panes of a viewer
//! draw it, and destroys it; false when it cannot be created or given the value.
bool CreateDrawDestroy(const std::vector<Rect>& pRects, double pValue)
{
    kesttest::TestDial lDial;
    if (!lDial || !lDial.SetValue("Value", &pValue)) return false;
    for (const Rect& lRect : pRects) lDial.Draw(lRect);
    return true;
}

TEST(DialSoak, TenThousandElementsLeaveMemoryAndRegistryAsTheyWere)
{
    const std::unique_ptr<hudhost::OffscreenGL> lViewer = MakeViewer(kViewerSize);
    ASSERT_TRUE(lViewer);
    const int lComponents = ComponentsBeforeDials();
    const int lWarmUp = kIterations / 10;

    const auto lStart = std::chrono::steady_clock::now();
    MemoryUse lAfterWarmUp{};
    for (int i = 0; i < kIterations; ++i) {
        // Each dial shows another value at another radius, so that faces are sized afresh; every
        // other one is drawn in a second pane as well, at a third radius, and holds two sets of faces.
        std::vector<Rect> lPanes = {
            fbhost::HudRect(kestdial::kDialRect.mX, kestdial::kDialRect.mY, 150.0 + i % 100, 200.0)};
        if (i % 2)
            lPanes.push_back(fbhost::HudRect(kestdial::kDialRect.mX, kestdial::kDialRect.mY, 100.0 + i % 50, 200.0));
        ASSERT_TRUE(CreateDrawDestroy(lPanes, i % 101)) << "element " << i;
        if (i + 1 == lWarmUp) lAfterWarmUp = MemoryUse::Now();
    }
    lViewer->Finish();
    const MemoryUse lEnd = MemoryUse::Now();
    const long lHeapGrowth = lEnd.heap - lAfterWarmUp.heap;
    const long lResidentGrowth = lEnd.resident - lAfterWarmUp.resident;
    EXPECT_LT(lHeapGrowth, kAllowedHeapGrowth)
        << "heap bytes gained over elements " << lWarmUp << " to " << kIterations;
    if (kResidentSizeIsMeaningful) {
        EXPECT_LT(lResidentGrowth, kAllowedResidentGrowth)
            << "resident bytes gained over elements " << lWarmUp << " to " << kIterations;
    }
    EXPECT_EQ(fbhost::LiveComponentCount(), lComponents);
    EXPECT_EQ(kestdial::DialRegistrations(), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    std::printf("%d elements in %.1f s; after the first %d, %ld heap and %ld resident bytes gained\n", kIterations,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - lStart).count(), lWarmUp, lHeapGrowth,
                lResidentGrowth);
}

TEST(DialTeardown, WithNoContextCurrentFreesTheElement)
{
    const std::unique_ptr<hudhost::OffscreenGL> lViewer = MakeViewer(kViewerSize);
    ASSERT_TRUE(lViewer);
    const int lComponents = ComponentsBeforeDials();

    // A drawn dial holds glyph textures of the viewer's context.
    auto lDrawn = std::make_unique<kesttest::TestDial>();
    ASSERT_TRUE(*lDrawn);
    lDrawn->Draw();
    lViewer->Finish();
    MakeViewer(1); // made current, then destroyed: no context is current any more
    ASSERT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT);

    lDrawn.reset();
    {
        const kesttest::TestDial lUndrawn;
        ASSERT_TRUE(lUndrawn) << "no dial made with no context current";
    }
    EXPECT_EQ(fbhost::LiveComponentCount(), lComponents);

    // The viewer's context is unharmed and still takes dials.
    lViewer->MakeCurrent();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    kestdial::SetHostState(kestdial::DrawableHostStates().front());
    const kestdial::HostGlState lBefore = kestdial::CaptureHostState();
    EXPECT_TRUE(CreateDrawDestroy({kestdial::kDialRect}, 50.0));
    EXPECT_EQ(kestdial::StateFaults(lBefore, kestdial::CaptureHostState(), true), "");
}

} // namespace
