// The recording definitions of the GL entry points that the element calls and of FTGL's
// FTFont::Render and FTFont::BBox. The target exports them (ENABLE_EXPORTS) and links libGL and
// libftgl itself, so that dlsym(RTLD_NEXT, ...) finds the real definitions behind these.

#include "gl_recorder.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace kesttest {
namespace {

Recording* gRecording = nullptr;
int gFtglDepth = 0;  // > 0 inside FTFont::Render or FTFont::BBox
Colour gColour = {1.0f, 1.0f, 1.0f, 1.0f};
std::optional<std::array<int, 4>> gViewport;

//! The definition of pName that this executable's own hides.
template <class tFunction> tFunction NextDefinition(const char* pName)
{
    void* lSymbol = dlsym(RTLD_NEXT, pName);
    if (!lSymbol) {
        std::fprintf(stderr, "gl_recorder: no definition of %s behind this executable's\n", pName);
        std::abort();
    }
    return reinterpret_cast<tFunction>(lSymbol);
}

//! Whether a call made now is recorded; a full recording counts it out as an overflow.
bool Accepting()
{
    if (!gRecording) return false;
    const std::size_t lCount = gRecording->calls.size() + gRecording->renders.size() + gRecording->measures.size();
    if (lCount < kMaxRecordedCalls) return true;
    gRecording->overflowed = true;
    return false;
}

template <class... tArgs> void Record(GlFunction pFunction, tArgs... pArgs)
{
    if (Accepting())
        gRecording->calls.push_back({pFunction, {static_cast<double>(pArgs)...}, sizeof...(tArgs), gFtglDepth > 0});
}

} // namespace

const char* Name(GlFunction pFunction)
{
    switch (pFunction) {
    case GlFunction::GetIntegerv: return "glGetIntegerv";
    case GlFunction::PushAttrib: return "glPushAttrib";
    case GlFunction::PopAttrib: return "glPopAttrib";
    case GlFunction::MatrixMode: return "glMatrixMode";
    case GlFunction::PushMatrix: return "glPushMatrix";
    case GlFunction::PopMatrix: return "glPopMatrix";
    case GlFunction::LoadIdentity: return "glLoadIdentity";
    case GlFunction::Ortho: return "glOrtho";
    case GlFunction::BlendFunc: return "glBlendFunc";
    case GlFunction::Disable: return "glDisable";
    case GlFunction::Enable: return "glEnable";
    case GlFunction::LineWidth: return "glLineWidth";
    case GlFunction::Begin: return "glBegin";
    case GlFunction::End: return "glEnd";
    case GlFunction::Color4f: return "glColor4f";
    case GlFunction::Vertex2f: return "glVertex2f";
    }
    return "?";
}

std::string Describe(const GlCall& pCall)
{
    std::string lText = std::string(Name(pCall.function)) + "(";
    for (std::size_t i = 0; i < pCall.argCount; ++i) {
        char lNumber[32];
        std::snprintf(lNumber, sizeof(lNumber), "%s%.9g", i ? ", " : "", pCall.args[i]);
        lText += lNumber;
    }
    return lText + ")";
}

GlRecorder::GlRecorder()
{
    gColour = {1.0f, 1.0f, 1.0f, 1.0f};
    gRecording = &mRecording;
}

GlRecorder::~GlRecorder() { gRecording = nullptr; }

void SetViewportAnswer(std::optional<std::array<int, 4>> pViewport) { gViewport = pViewport; }

} // namespace kesttest

using kesttest::GlFunction;
using kesttest::Record;

// libGL's definition of the entry point name, looked up once.
#define KEST_REAL_GL(name)                                                                     \
    ([]() {                                                                                    \
        static const auto lReal = kesttest::NextDefinition<decltype(&::name)>(#name);          \
        return lReal;                                                                          \
    }())

void glGetIntegerv(GLenum pName, GLint* pValues)
{
    Record(GlFunction::GetIntegerv, pName);
    KEST_REAL_GL(glGetIntegerv)(pName, pValues);
    if (pName == GL_VIEWPORT && kesttest::gViewport) {
        for (std::size_t i = 0; i < 4; ++i) pValues[i] = (*kesttest::gViewport)[i];
    }
}

void glPushAttrib(GLbitfield pMask)
{
    Record(GlFunction::PushAttrib, pMask);
    KEST_REAL_GL(glPushAttrib)(pMask);
}

void glPopAttrib()
{
    Record(GlFunction::PopAttrib);
    KEST_REAL_GL(glPopAttrib)();
}

void glMatrixMode(GLenum pMode)
{
    Record(GlFunction::MatrixMode, pMode);
    KEST_REAL_GL(glMatrixMode)(pMode);
}

void glPushMatrix()
{
    Record(GlFunction::PushMatrix);
    KEST_REAL_GL(glPushMatrix)();
}

void glPopMatrix()
{
    Record(GlFunction::PopMatrix);
    KEST_REAL_GL(glPopMatrix)();
}

void glLoadIdentity()
{
    Record(GlFunction::LoadIdentity);
    KEST_REAL_GL(glLoadIdentity)();
}

void glOrtho(GLdouble pLeft, GLdouble pRight, GLdouble pBottom, GLdouble pTop, GLdouble pNear, GLdouble pFar)
{
    Record(GlFunction::Ortho, pLeft, pRight, pBottom, pTop, pNear, pFar);
    KEST_REAL_GL(glOrtho)(pLeft, pRight, pBottom, pTop, pNear, pFar);
}

void glBlendFunc(GLenum pSource, GLenum pDestination)
{
    Record(GlFunction::BlendFunc, pSource, pDestination);
    KEST_REAL_GL(glBlendFunc)(pSource, pDestination);
}

void glDisable(GLenum pCapability)
{
    Record(GlFunction::Disable, pCapability);
    KEST_REAL_GL(glDisable)(pCapability);
}

void glEnable(GLenum pCapability)
{
    Record(GlFunction::Enable, pCapability);
    KEST_REAL_GL(glEnable)(pCapability);
}

void glLineWidth(GLfloat pWidth)
{
    Record(GlFunction::LineWidth, pWidth);
    KEST_REAL_GL(glLineWidth)(pWidth);
}

void glBegin(GLenum pMode)
{
    Record(GlFunction::Begin, pMode);
    KEST_REAL_GL(glBegin)(pMode);
}

void glEnd()
{
    Record(GlFunction::End);
    KEST_REAL_GL(glEnd)();
}

void glColor4f(GLfloat pRed, GLfloat pGreen, GLfloat pBlue, GLfloat pAlpha)
{
    Record(GlFunction::Color4f, pRed, pGreen, pBlue, pAlpha);
    kesttest::gColour = {pRed, pGreen, pBlue, pAlpha};
    KEST_REAL_GL(glColor4f)(pRed, pGreen, pBlue, pAlpha);
}

void glVertex2f(GLfloat pX, GLfloat pY)
{
    Record(GlFunction::Vertex2f, pX, pY);
    KEST_REAL_GL(glVertex2f)(pX, pY);
}

// The element's faces are FTTextureFonts; their vtables in libftgl name these two members of
// FTFont by symbol, so these definitions take the element's calls. The real ones are called as
// functions taking the object first, as the C++ ABI passes it.

FTPoint FTFont::Render(const char* pText, const int pLength, FTPoint pPosition, FTPoint pSpacing, const int pMode)
{
    using Real = FTPoint (*)(FTFont*, const char*, int, FTPoint, FTPoint, int);
    static const Real lReal = kesttest::NextDefinition<Real>("_ZN6FTFont6RenderEPKci7FTPointS2_i");
    using kesttest::gRecording;
    if (kesttest::gFtglDepth == 0 && kesttest::Accepting()) {
        gRecording->renders.push_back({this, pText ? pText : "", pLength, pPosition, pSpacing, pMode,
                                       kesttest::gColour, gRecording->calls.size()});
    }
    ++kesttest::gFtglDepth;
    const FTPoint lPen = lReal(this, pText, pLength, pPosition, pSpacing, pMode);
    --kesttest::gFtglDepth;
    return lPen;
}

FTBBox FTFont::BBox(const char* pText, const int pLength, FTPoint pPosition, FTPoint pSpacing)
{
    using Real = FTBBox (*)(FTFont*, const char*, int, FTPoint, FTPoint);
    static const Real lReal = kesttest::NextDefinition<Real>("_ZN6FTFont4BBoxEPKci7FTPointS2_");
    // Measuring loads the text's glyphs, which FTGL uploads into textures of the current context.
    ++kesttest::gFtglDepth;
    const FTBBox lBox = lReal(this, pText, pLength, pPosition, pSpacing);
    --kesttest::gFtglDepth;
    using kesttest::gRecording;
    if (kesttest::gFtglDepth == 0 && kesttest::Accepting()) {
        gRecording->measures.push_back({this, pText ? pText : "", pLength, pPosition, pSpacing, lBox});
    }
    return lBox;
}
