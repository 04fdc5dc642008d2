// A dial drawn in several OpenGL contexts, as a host draws its HUD in a second viewer, an offline
// render or a video output, and remakes a viewer's context when it is re-laid out. Every context
// holds textures of the host's own, with names that the dial's atlases get in the other contexts:
// each test checks that the dial changed and deleted none of them, left no GL error, and drew in
// every context the pixels that a dial drawn alone in a context of its own draws.
//
// The executable defines eglGetCurrentContext over EGL's, so that a test can give every context
// one handle, as when a context is destroyed and the next is made at its address.

#include "host_textures.h"
#include "offscreen_gl.h"
#include "test_dial.h"

#include <EGL/egl.h>
#include <GL/gl.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kesttest;

namespace {

bool gOneHandle = false; //!< every current context reports kOneHandle

const EGLContext kOneHandle = reinterpret_cast<EGLContext>(0x1000);

} // namespace

extern "C" EGLContext eglGetCurrentContext()
{
    static const auto sReal = reinterpret_cast<EGLContext (*)()>(dlsym(RTLD_NEXT, "eglGetCurrentContext"));
    const EGLContext lContext = sReal();
    return gOneHandle && lContext != EGL_NO_CONTEXT ? kOneHandle : lContext;
}

namespace {

using kestdial::kViewerSize;
constexpr float kBackground = 0.2f;
//! Names above those of the host's textures and the dial's atlases in any context here.
constexpr GLuint kHighestName = 256;

using Pixels = std::vector<unsigned char>;

struct Viewer {
    std::unique_ptr<hudhost::OffscreenGL> gl;
    std::unique_ptr<hudhost::HostTextures> textures;
};

class DialContexts : public ::testing::Test {
protected:
    void TearDown() override { gOneHandle = false; }

    //! A context, current, holding more textures of the host's than any made before it, or
    //! pTextures of them.
    Viewer MakeViewer(const Viewer* pShareWith = nullptr, int pTextures = 0)
    {
        std::string lError;
        Viewer lViewer{hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError,
                                                                hudhost::GlProfile::kCompatibility,
                                                                pShareWith ? pShareWith->gl.get() : nullptr),
                       nullptr};
        if (!lViewer.gl) {
            ADD_FAILURE() << "no offscreen OpenGL context: " << lError;
            return lViewer;
        }
        ++mMade;
        lViewer.textures = std::make_unique<hudhost::HostTextures>("context " + std::to_string(mMade),
                                                                   pTextures > 0 ? pTextures : 8 * mMade);
        return lViewer;
    }

    //! pDial drawn in pViewer's context at pWidth.
    static Pixels Draw(Viewer& pViewer, kestdial::Dial& pDial, double pWidth = 200.0)
    {
        pViewer.gl->MakeCurrent();
        pViewer.gl->Clear(kBackground, kBackground, kBackground);
        pDial.Draw(kestdial::SquareRect(pWidth));
        pViewer.gl->Finish();
        return pViewer.gl->ReadPixels();
    }

    //! What a dial with pLabel, drawn alone in a context of its own at pWidth, shows.
    Pixels Alone(const std::string& pLabel = "METER", double pWidth = 200.0)
    {
        Viewer lViewer = MakeViewer();
        TestDial lDial;
        if (!lViewer.gl || !lDial || !lDial.Set("Label", pLabel)) return {};
        return Draw(lViewer, lDial, pWidth);
    }

    //! Each context's textures as the host made them, and no GL error.
    static void ExpectIntact(const std::vector<Viewer*>& pViewers)
    {
        for (Viewer* lViewer : pViewers) {
            lViewer->gl->MakeCurrent();
            EXPECT_EQ(lViewer->textures->Fault(), "");
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
    }

    //! Textures in pViewer's context: the host's, the dials' and the dials' context marker.
    static int TextureCount(Viewer& pViewer)
    {
        pViewer.gl->MakeCurrent();
        int lCount = 0;
        for (GLuint lName = 1; lName <= kHighestName; ++lName) lCount += glIsTexture(lName) ? 1 : 0;
        return lCount;
    }

    static void MakeNoneCurrent()
    {
        eglMakeCurrent(eglGetCurrentDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }

    int mMade = 0;
};

TEST_F(DialContexts, EveryContextThatSharesNothingShowsTheSameDialAndKeepsItsHostsTextures)
{
    // With as many textures in both, the dial's marker has the same name in each.
    const struct {
        bool oneHandle;
        bool sameTextures;
    } kRows[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& lRow : kRows) {
        gOneHandle = lRow.oneHandle;
        Viewer lFirst = MakeViewer(nullptr, lRow.sameTextures ? 8 : 0);
        Viewer lSecond = MakeViewer(nullptr, lRow.sameTextures ? 8 : 0);
        ASSERT_TRUE(lFirst.gl && lSecond.gl);
        TestDial lDial;
        ASSERT_TRUE(lDial);
        // Both drawn first, so that no context comes between the dial's own below.
        const Pixels lAlone = Alone();
        const Pixels lNewLabel = Alone("jQuery %&@");
        const std::string lWhere = std::string(lRow.oneHandle ? " with one handle for every context" : "") +
                                   (lRow.sameTextures ? " and as many textures in each" : "");
        for (int lFrame = 0; lFrame < 2; ++lFrame) {
            EXPECT_TRUE(Draw(lFirst, lDial) == lAlone) << "first context, frame " << lFrame << lWhere;
            EXPECT_TRUE(Draw(lSecond, lDial) == lAlone) << "second context, frame " << lFrame << lWhere;
        }
        // Glyphs made first in the second context, then in the first.
        ASSERT_TRUE(lDial.Set("Label", "jQuery %&@"));
        EXPECT_TRUE(Draw(lSecond, lDial) == lNewLabel) << "second context, new glyphs" << lWhere;
        EXPECT_TRUE(Draw(lFirst, lDial) == lNewLabel) << "first context, new glyphs" << lWhere;
        ExpectIntact({&lFirst, &lSecond});
    }
}

// Faces of the first context re-sized, or dropped from the cache, while the second is current:
// their texture names wait for the first context, and are deleted on its next draw.
TEST_F(DialContexts, FacesReleasedWhileAnotherContextIsCurrentAreDeletedInTheirOwn)
{
    Viewer lFirst = MakeViewer();
    Viewer lSecond = MakeViewer();
    ASSERT_TRUE(lFirst.gl && lSecond.gl);
    TestDial lDial;
    ASSERT_TRUE(lDial);
    Draw(lFirst, lDial);
    const int lFirstTextures = TextureCount(lFirst);
    for (const double lWidth : {60.0, 80.0, 100.0, 120.0, 140.0, 160.0}) Draw(lSecond, lDial, lWidth);
    ExpectIntact({&lFirst, &lSecond});
    EXPECT_TRUE(Draw(lFirst, lDial) == Alone()) << "first context, faces made anew";
    EXPECT_EQ(TextureCount(lFirst), lFirstTextures) << "the names of the dropped faces were not deleted";
    ExpectIntact({&lFirst, &lSecond});
}

TEST_F(DialContexts, DestroyedInAnotherContextOrNoneDeletesItsTexturesOnlyInTheirOwn)
{
    for (const bool lNoneCurrent : {false, true}) {
        const std::string lWhere = lNoneCurrent ? "no context current" : "another context current";
        Viewer lFirst = MakeViewer();
        Viewer lSecond = MakeViewer();
        ASSERT_TRUE(lFirst.gl && lSecond.gl);
        {
            TestDial lDial;
            ASSERT_TRUE(lDial);
            Draw(lFirst, lDial);
            Draw(lSecond, lDial);
            Viewer lOther = MakeViewer();
            if (lNoneCurrent) MakeNoneCurrent();
        } // destroyed here
        ExpectIntact({&lFirst, &lSecond});
        const int lBefore = TextureCount(lFirst);
        TestDial lNext;
        ASSERT_TRUE(lNext);
        EXPECT_TRUE(Draw(lFirst, lNext) == Alone()) << lWhere;
        // The next dial's atlases in place of the destroyed one's, which were deleted as it drew.
        EXPECT_EQ(TextureCount(lFirst), lBefore) << lWhere;
        ExpectIntact({&lFirst, &lSecond});
    }
}

// A viewer re-laid out destroys its context and makes a new one, which may get the old one's
// address: what the dial made in the old context is gone, and the new one starts afresh.
TEST_F(DialContexts, ARemadeContextIsNewEvenAtTheOldOnesHandle)
{
    for (const bool lOneHandle : {false, true}) {
        gOneHandle = lOneHandle;
        const std::string lWhere = lOneHandle ? "with one handle for every context" : "with a handle of its own";
        TestDial lDial;
        ASSERT_TRUE(lDial);
        const Pixels lAlone = Alone();
        Viewer lViewer = MakeViewer();
        ASSERT_TRUE(lViewer.gl);
        for (int lRemade = 0; lRemade < 3; ++lRemade) {
            EXPECT_TRUE(Draw(lViewer, lDial) == lAlone) << "remade " << lRemade << " times, " << lWhere;
            ExpectIntact({&lViewer});
            lViewer = Viewer();
            lViewer = MakeViewer();
            ASSERT_TRUE(lViewer.gl);
        }
    }
}

// Contexts that share objects have faces of their own; either may destroy the dial.
TEST_F(DialContexts, ContextsThatShareObjectsShowTheSameDial)
{
    Viewer lFirst = MakeViewer();
    ASSERT_TRUE(lFirst.gl);
    Viewer lShared = MakeViewer(&lFirst);
    ASSERT_TRUE(lShared.gl);
    const Pixels lAlone = Alone();
    {
        TestDial lDial;
        ASSERT_TRUE(lDial);
        for (int lFrame = 0; lFrame < 2; ++lFrame) {
            EXPECT_TRUE(Draw(lFirst, lDial) == lAlone) << "first context, frame " << lFrame;
            EXPECT_TRUE(Draw(lShared, lDial) == lAlone) << "sharing context, frame " << lFrame;
        }
        lShared.gl->MakeCurrent();
    }
    ExpectIntact({&lFirst, &lShared});
}

} // namespace
