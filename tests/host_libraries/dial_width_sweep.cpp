// The dial drawn at every width from 1 to 2000 pixels, each by a new element, so that each width's
// draw makes and uploads all the glyphs it shows, with a readout and a label of the tallest
// glyphs. For each width it prints
// a line "WIDTH ERROR DIGEST": ERROR is the first GL error the draw left in the context (0 for
// none), DIGEST a digest of the pixels of the dial's square. Two builds of the plug-in on
// different libraries draw alike when they print the same lines.
//
// Exit status: 0 when no width left a GL error, 1 when one did, 2 when there was no dial or no
// context to draw it in.

#include "dial_session.h"
#include "offscreen_gl.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFirstWidth = 1;
constexpr int kLastWidth = 2000;
//! The rim's 4-pixel line reaches 2 pixels past the dial's square; the square read is this much
//! larger.
constexpr int kMargin = 4;
//! In Latin-1: accented capitals and descenders, glyphs that span their font's whole box.
const char* const kLabel = "\xC9T\xC9 gjpqy";

//! Clears the square of pSide pixels at the framebuffer's origin to opaque black.
void ClearSquare(int pSide)
{
    glScissor(0, 0, pSide, pSide);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

//! 64-bit FNV-1a, taken a word at a time, of the RGBA pixels of the square of pSide pixels at
//! the framebuffer's origin.
std::uint64_t SquareDigest(int pSide, std::vector<unsigned char>& pPixels)
{
    const std::size_t lBytes = static_cast<std::size_t>(pSide) * static_cast<std::size_t>(pSide) * 4;
    pPixels.assign(lBytes + sizeof(std::uint64_t), 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, pSide, pSide, GL_RGBA, GL_UNSIGNED_BYTE, pPixels.data());
    std::uint64_t lDigest = 14695981039346656037ull;
    for (std::size_t i = 0; i < lBytes; i += sizeof(std::uint64_t)) {
        std::uint64_t lWord = 0;
        std::memcpy(&lWord, pPixels.data() + i, sizeof(lWord));
        lDigest = (lDigest ^ lWord) * 1099511628211ull;
    }
    return lDigest;
}

//! The first GL error that the context holds, 0 for none; every error it holds is taken.
GLenum TakeErrors()
{
    const GLenum lFirst = glGetError();
    if (lFirst != GL_NO_ERROR)
        while (glGetError() != GL_NO_ERROR) {
        }
    return lFirst;
}

bool Set(FBHUDElement& pDial, const char* pName, const char* pText)
{
    std::string lError;
    if (kestdial::SetFromText(pDial, pName, pText, lError)) return true;
    std::fprintf(stderr, "dial_width_sweep: cannot set %s: %s\n", pName, lError.c_str());
    return false;
}

//! A new dial of the sweep's readout and label drawn at pWidth; the first GL error it left, 0 for
//! none; -1, with the reason on standard error, when there was no dial to draw.
long DrawNewDial(const fbhost::RegistryEntry& pClass, fbhost::Viewer& pViewer, int pWidth)
{
    FBHUDElement* lDial = fbhost::CreateElement(pClass, "Width sweep");
    if (!lDial) {
        std::fprintf(stderr, "dial_width_sweep: the dial's creation was refused\n");
        return -1;
    }
    const bool lSet = Set(*lDial, "Value", "63.5") && Set(*lDial, "Label", kLabel);
    FBHUDElement::Rect lRect = fbhost::HudRect(0.0, 0.0, pWidth, pWidth);
    if (lSet) lDial->DrawElement(pViewer.Options(), lRect);
    fbhost::DestroyElement(lDial);
    return lSet ? static_cast<long>(TakeErrors()) : -1;
}

} // namespace

int main()
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = kestdial::DialClass(lError);
    const std::unique_ptr<hudhost::OffscreenGL> lGl =
        lClass ? hudhost::OffscreenGL::CreateOnTestDevice(kLastWidth + kMargin, kLastWidth + kMargin, lError) : nullptr;
    if (!lGl) {
        std::fprintf(stderr, "dial_width_sweep: no dial to draw: %s\n", lError.c_str());
        return 2;
    }
    fbhost::Viewer lViewer;
    std::vector<unsigned char> lPixels;
    int lWidthsWithErrors = 0;
    TakeErrors();
    for (int lWidth = kFirstWidth; lWidth <= kLastWidth; ++lWidth) {
        const int lSide = lWidth + kMargin;
        ClearSquare(lSide);
        const long lGlError = DrawNewDial(*lClass, lViewer, lWidth);
        if (lGlError < 0) return 2;
        if (lGlError != GL_NO_ERROR) ++lWidthsWithErrors;
        std::printf("%d 0x%lx %016llx\n", lWidth, static_cast<unsigned long>(lGlError),
                    static_cast<unsigned long long>(SquareDigest(lSide, lPixels)));
    }
    std::fprintf(stderr, "dial_width_sweep: widths %d to %d on %s, %d with GL errors\n", kFirstWidth, kLastWidth,
                 lGl->Renderer().c_str(), lWidthsWithErrors);
    return lWidthsWithErrors == 0 ? 0 : 1;
}
