// The element's text faces: the face cache's sizes for a radius and the sets it keeps, the
// readout face's decimal point as drawn, fonts read from the plug-in's font bundle only, and the
// one debug message and refused creation when a font of the bundle cannot be opened. The plug-in
// is linked in, so its bundle is registered from the start and its class is in the registry;
// elements are made through the registered creation function, as the host makes them.

#include "dial_session.h"
#include "kestdialhudelement_face.h"
#include "kestdialhudelement_face_cache.h"
#include "kestdialhudelement_font_resource.h"
#include "kestdialhudelement_gl_context.h"
#include "offscreen_gl.h"

#include <fbsdk_host/fbsdk_host.h>

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <QtCore/QFile>
#include <QtCore/QString>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

int qInitResources_kestdialhudelement();
int qCleanupResources_kestdialhudelement();
int qInitResources_kest_test_arial_only();
int qCleanupResources_kest_test_arial_only();
int qInitResources_kest_test_orator_only();
int qCleanupResources_kest_test_orator_only();

namespace {

struct FaceSizes {
    unsigned int readout;
    unsigned int scale;
    unsigned int label;

    bool operator==(const FaceSizes& p) const { return readout == p.readout && scale == p.scale && label == p.label; }
};

std::ostream& operator<<(std::ostream& pStream, const FaceSizes& p)
{
    return pStream << p.readout << "/" << p.scale << "/" << p.label;
}

FaceSizes SizesOf(const KestFaceSet& pFaces)
{
    return {pFaces.mReadout->FaceSize(), pFaces.mScale->FaceSize(), pFaces.mLabel->FaceSize()};
}

const char* const kOratorResource = ":/resources/OratorStd.otf";
const char* const kArialResource = ":/resources/Arial.ttf";

using Element = std::unique_ptr<FBHUDElement, void (*)(FBComponent*)>;

Element CreateElement()
{
    for (const fbhost::RegistryEntry& lEntry : fbhost::Registry())
        if (kestdial::IsDialClass(lEntry))
            return Element(fbhost::CreateElement(lEntry, "Dial"), fbhost::DestroyElement);
    ADD_FAILURE() << "the plug-in's class is not registered";
    return Element(nullptr, fbhost::DestroyElement);
}

//! Linked test bundles register themselves at start-up; a test registers the one it needs.
void UnregisterTestBundles()
{
    qCleanupResources_kest_test_arial_only();
    qCleanupResources_kest_test_orator_only();
}

class DialFaces : public ::testing::Test {
protected:
    void SetUp() override { UnregisterTestBundles(); }
};

//! A font of the plug-in's bundle, read as the element reads it.
KestFontData ReadFont(const char* pPath)
{
    KestFontData lFont = KestReadFontResource(pPath, "cannot open");
    if (!lFont.mBytes) ADD_FAILURE() << "cannot open " << pPath;
    return lFont;
}

//! A face cache open on the bundle's fonts, as an element opens its own.
class FaceCache : public DialFaces {
protected:
    //! The context that the faces are drawn in now, as a draw of the element tells it.
    static KestGLContextId CurrentContext()
    {
        KestGLContextProfile lProfile;
        return KestEnterGLContext(lProfile);
    }

    void SetUp() override
    {
        DialFaces::SetUp();
        mCache.Open(ReadFont(kOratorResource), ReadFont(kArialResource));
    }

    KestFaceCache mCache;
};

TEST_F(FaceCache, TruncatesEachSizeOfTheRadius)
{
    const struct {
        double radius;
        FaceSizes sizes;
    } kRows[] = {
        {100.0, {20, 8, 12}},
        {99.9, {19, 8, 12}},
        {50.0, {10, 4, 6}},
        {4.0, {0, 0, 0}},
    };
    // Down the table and back up, so that each size is reached from a larger and a smaller one.
    for (const auto& lRow : kRows)
        EXPECT_EQ(SizesOf(mCache.UseSizesFor(lRow.radius, CurrentContext())), lRow.sizes)
            << "radius " << lRow.radius << ", going down";
    for (auto lRow = std::rbegin(kRows); lRow != std::rend(kRows); ++lRow)
        EXPECT_EQ(SizesOf(mCache.UseSizesFor(lRow->radius, CurrentContext())), lRow->sizes)
            << "radius " << lRow->radius << ", going up";
}

//! Horizontal extent [begin, end) of one glyph's ink, in pixel columns.
struct InkRun {
    int begin;
    int end;
};

//! The runs of columns of an RGBA image (top row first, white ink on black) that hold a pixel at
//! least half covered, left to right.
std::vector<InkRun> InkRuns(const std::vector<unsigned char>& pRgba, int pWidth)
{
    const std::size_t lRowBytes = 4 * static_cast<std::size_t>(pWidth);
    const auto lInked = [&](int pColumn) {
        for (std::size_t i = 4 * static_cast<std::size_t>(pColumn); i < pRgba.size(); i += lRowBytes)
            if (pRgba[i] >= 128) return true;
        return false;
    };
    std::vector<InkRun> lRuns;
    for (int lColumn = 0; lColumn < pWidth; ++lColumn) {
        if (!lInked(lColumn)) continue;
        if (lRuns.empty() || lRuns.back().end != lColumn) lRuns.push_back({lColumn, lColumn});
        lRuns.back().end = lColumn + 1;
    }
    return lRuns;
}

// In a monospace readout the decimal point only reads as one when its ink sits midway between
// the digits around it; a point drawn against the digit before it reads as "0. 0".
TEST_F(FaceCache, ReadoutPointSitsMidwayBetweenItsDigits)
{
    constexpr int kWidth = 400;
    constexpr int kHeight = 160;
    std::string lError;
    const std::unique_ptr<hudhost::OffscreenGL> lContext =
        hudhost::OffscreenGL::CreateOnTestDevice(kWidth, kHeight, lError);
    ASSERT_TRUE(lContext) << lError;
    glMatrixMode(GL_PROJECTION);
    glOrtho(0.0, lContext->Width(), 0.0, lContext->Height(), -1.0, 1.0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (const double lRadius : {100.0, 500.0}) { // readout faces of 20 and 100 points
        FTFont& lFace = *mCache.UseSizesFor(lRadius, CurrentContext()).mReadout;
        for (const char* const lReadout : {"  0.0", " 63.5"}) {
            const std::string lText = lReadout;
            lContext->Clear(0.0f, 0.0f, 0.0f);
            lFace.Render(lText.c_str(), -1, FTPoint(10.0, 40.0));
            lContext->Finish();
            const std::vector<InkRun> lGlyphs = InkRuns(lContext->ReadPixels(), kWidth);
            const std::string lInkedText = lText.substr(lText.find_first_not_of(' '));
            const std::string lWhere = "\"" + lText + "\" at " + std::to_string(lFace.FaceSize()) + " points";
            ASSERT_EQ(lGlyphs.size(), lInkedText.size()) << lWhere << ": the glyphs' ink does not stand apart";
            const std::size_t lPoint = lInkedText.find('.');
            const int lBefore = lGlyphs[lPoint].begin - lGlyphs[lPoint - 1].end;
            const int lAfter = lGlyphs[lPoint + 1].begin - lGlyphs[lPoint].end;
            EXPECT_LE(std::abs(lBefore - lAfter), 1)
                << lWhere << ": " << lBefore << " pixels before the point, " << lAfter << " after it";
        }
    }
}

// Faces used at many sizes are kept for a few: at most three sets beside the current one, and
// before a set is made for new sizes the kept ones are cut to 40 MiB of glyph textures. A set at
// the largest face size holds 20 MiB, so a cache holds at most about 60 MiB; sets this large at
// four sizes would otherwise hold 72 MiB.
TEST_F(FaceCache, KeptSetsAreBoundedInNumberAndTextureMemory)
{
    std::string lError;
    const std::unique_ptr<hudhost::OffscreenGL> lContext = hudhost::OffscreenGL::CreateOnTestDevice(300, 300, lError);
    ASSERT_TRUE(lContext) << lError;
    // Sized faces hold glyph textures once they draw text.
    const auto lDrawAt = [&](double pRadius) {
        const KestFaceSet lFaces = mCache.UseSizesFor(pRadius, CurrentContext());
        for (FTFont* lFace : {static_cast<FTFont*>(lFaces.mReadout), static_cast<FTFont*>(lFaces.mScale),
                              static_cast<FTFont*>(lFaces.mLabel)})
            lFace->Render("0.5 METER", -1, FTPoint(10.0, 40.0));
    };
    for (const double lRadius : {30.0, 40.0, 50.0, 60.0, 70.0, 80.0}) lDrawAt(lRadius);
    EXPECT_EQ(mCache.KeptSetCount(), 3);
    for (const double lRadius : {1536.0, 1400.0, 1300.0, 1200.0, 1100.0, 1024.0, 1536.0}) {
        lDrawAt(lRadius);
        EXPECT_LE(mCache.HeldTextureBytes(), std::size_t{60} << 20) << "after radius " << lRadius;
    }
}

// No font file is read from the working directory; the MissingFont cases show that none is
// read from the source tree either, though it is on disk: the bundle is the only source.
TEST_F(DialFaces, CreationNeedsNoFileInTheWorkingDirectory)
{
    char lEmpty[] = "/tmp/kest_fonts_XXXXXX";
    ASSERT_NE(mkdtemp(lEmpty), nullptr);
    char* const lPrevious = getcwd(nullptr, 0);
    ASSERT_NE(lPrevious, nullptr);
    ASSERT_EQ(chdir(lEmpty), 0);
    // An element is made only once its fonts are read and its faces made over them.
    Element lElement = CreateElement();
    const bool lHasFaces = lElement != nullptr;
    lElement.reset();
    EXPECT_EQ(chdir(lPrevious), 0);
    std::free(lPrevious);
    rmdir(lEmpty);
    EXPECT_TRUE(lHasFaces);
}

std::vector<std::pair<QtMsgType, QString>> sMessages;

void CaptureMessage(QtMsgType pType, const QMessageLogContext&, const QString& pText)
{
    sMessages.emplace_back(pType, pText);
}

//! The plug-in's bundle withdrawn, and in its place a bundle with only one of its fonts, or none.
struct MissingCase {
    const char* name;
    int (*registerBundle)();
    int (*unregisterBundle)();
    const char* missing;
    const char* message;
};

void PrintTo(const MissingCase& pCase, std::ostream* pStream) { *pStream << pCase.name; }

class MissingFont : public ::testing::TestWithParam<MissingCase> {
protected:
    void SetUp() override
    {
        UnregisterTestBundles();
        qCleanupResources_kestdialhudelement();
        if (GetParam().registerBundle) GetParam().registerBundle();
        sMessages.clear();
        mPreviousHandler = qInstallMessageHandler(CaptureMessage);
    }
    void TearDown() override
    {
        qInstallMessageHandler(mPreviousHandler);
        if (GetParam().unregisterBundle) GetParam().unregisterBundle();
        qInitResources_kestdialhudelement();
    }

    QtMessageHandler mPreviousHandler = nullptr;
};

TEST_P(MissingFont, WritesOneDebugMessageAndRefusesTheElement)
{
    QFile lMissing(QString::fromLatin1(GetParam().missing));
    ASSERT_FALSE(lMissing.open(QIODevice::ReadOnly));
    ASSERT_EQ(lMissing.error(), 5) << "the message carries QFile's error for a missing resource";

    const int lLive = fbhost::LiveComponentCount();
    const Element lElement = CreateElement();
    EXPECT_FALSE(lElement);
    EXPECT_EQ(fbhost::LiveComponentCount(), lLive);

    ASSERT_EQ(sMessages.size(), 1u);
    EXPECT_EQ(sMessages.front().first, QtDebugMsg);
    EXPECT_EQ(sMessages.front().second.toStdString(), GetParam().message);
}

const char* const kOratorMessage = "Couldn't open oratorstd font: 5 ";

INSTANTIATE_TEST_SUITE_P(
    Fonts, MissingFont,
    ::testing::Values(MissingCase{"Orator", qInitResources_kest_test_arial_only, qCleanupResources_kest_test_arial_only,
                                  kOratorResource, kOratorMessage},
                      // With neither font, a second message would show that the Arial font was tried too.
                      MissingCase{"OratorAndArial", nullptr, nullptr, kOratorResource, kOratorMessage},
                      MissingCase{"Arial", qInitResources_kest_test_orator_only,
                                  qCleanupResources_kest_test_orator_only, kArialResource,
                                  "Couldn't open arial font: 5 "}),
    [](const ::testing::TestParamInfo<MissingCase>& pInfo) { return std::string(pInfo.param.name); });

} // namespace
