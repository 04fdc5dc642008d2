// The recording definitions of the GL entry points that the element and FTGL's texture fonts
// call, and of FTGL's FTFont::Render and FTFont::BBox. An executable that links them exports them
// (ENABLE_EXPORTS) and links libGL and libftgl itself, so that dlsym(RTLD_NEXT, ...) finds the
// real definitions behind these.

#include "gl_recorder.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace kesttest {
namespace {

Recording* gRecording = nullptr;
int gFtglDepth = 0; // > 0 inside FTFont::Render or FTFont::BBox
Colour gColour = {1.0f, 1.0f, 1.0f, 1.0f};
std::optional<std::array<int, 4>> gViewport;
bool gDropping = false; // GL calls return without reaching libGL

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

template <class... tArgs> void RecordCall(GlFunction pFunction, tArgs... pArgs)
{
    if (Accepting())
        gRecording->calls.push_back({pFunction, {static_cast<double>(pArgs)...}, sizeof...(tArgs), gFtglDepth > 0});
}

//! Records a call while a recorder exists; otherwise costs a test, so that the calls of a draw
//! that is timed while they are dropped cost next to nothing here.
template <class... tArgs> inline void Record(GlFunction pFunction, tArgs... pArgs)
{
    if (gRecording) RecordCall(pFunction, pArgs...);
}

} // namespace
} // namespace kesttest

// libGL's definition of the entry point name, looked up once.
#define KEST_REAL_GL(name)                                                                                             \
    ([]() {                                                                                                            \
        static const auto lReal = kesttest::NextDefinition<decltype(&::name)>(#name);                                  \
        return lReal;                                                                                                  \
    }())

//! The head of a call that hands a recorded call on to libGL, unless DropGlCalls dropped the calls:
//! KEST_PASS_ON(glEnd)();
#define KEST_PASS_ON(name)                                                                                             \
    if (!kesttest::gDropping) KEST_REAL_GL(name)

namespace kesttest {

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
    case GlFunction::BindTexture: return "glBindTexture";
    case GlFunction::TexEnvi: return "glTexEnvi";
    case GlFunction::TexCoord2f: return "glTexCoord2f";
    case GlFunction::Vertex3f: return "glVertex3f";
    case GlFunction::GenTextures: return "glGenTextures";
    case GlFunction::TexParameteri: return "glTexParameteri";
    case GlFunction::TexImage2D: return "glTexImage2D";
    case GlFunction::PushClientAttrib: return "glPushClientAttrib";
    case GlFunction::PopClientAttrib: return "glPopClientAttrib";
    case GlFunction::PixelStorei: return "glPixelStorei";
    case GlFunction::TexSubImage2D: return "glTexSubImage2D";
    case GlFunction::GetTexLevelParameteriv: return "glGetTexLevelParameteriv";
    case GlFunction::DeleteTextures: return "glDeleteTextures";
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

bool ChangesTextures(GlFunction pFunction)
{
    return pFunction == GlFunction::GenTextures || pFunction == GlFunction::TexImage2D ||
           pFunction == GlFunction::TexSubImage2D || pFunction == GlFunction::DeleteTextures;
}

GlRecorder::GlRecorder()
{
    gColour = {1.0f, 1.0f, 1.0f, 1.0f};
    gRecording = &mRecording;
}

GlRecorder::~GlRecorder() { gRecording = nullptr; }

void SetViewportAnswer(std::optional<std::array<int, 4>> pViewport) { gViewport = pViewport; }

void DropGlCalls(bool pDrop) { gDropping = pDrop; }

namespace {

GLenum Enum(double pArg) { return static_cast<GLenum>(pArg); }
GLint Int(double pArg) { return static_cast<GLint>(pArg); }
GLfloat Float(double pArg) { return static_cast<GLfloat>(pArg); }

} // namespace

bool Replay(const std::vector<GlCall>& pCalls)
{
    GLint lAnswer[16]; // room for any query that a draw makes
    for (const GlCall& lCall : pCalls) {
        const std::array<double, 8>& a = lCall.args;
        switch (lCall.function) {
        case GlFunction::GetIntegerv: KEST_REAL_GL(glGetIntegerv)(Enum(a[0]), lAnswer); break;
        case GlFunction::PushAttrib: KEST_REAL_GL(glPushAttrib)(Enum(a[0])); break;
        case GlFunction::PopAttrib: KEST_REAL_GL(glPopAttrib)(); break;
        case GlFunction::MatrixMode: KEST_REAL_GL(glMatrixMode)(Enum(a[0])); break;
        case GlFunction::PushMatrix: KEST_REAL_GL(glPushMatrix)(); break;
        case GlFunction::PopMatrix: KEST_REAL_GL(glPopMatrix)(); break;
        case GlFunction::LoadIdentity: KEST_REAL_GL(glLoadIdentity)(); break;
        case GlFunction::Ortho: KEST_REAL_GL(glOrtho)(a[0], a[1], a[2], a[3], a[4], a[5]); break;
        case GlFunction::BlendFunc: KEST_REAL_GL(glBlendFunc)(Enum(a[0]), Enum(a[1])); break;
        case GlFunction::Disable: KEST_REAL_GL(glDisable)(Enum(a[0])); break;
        case GlFunction::Enable: KEST_REAL_GL(glEnable)(Enum(a[0])); break;
        case GlFunction::LineWidth: KEST_REAL_GL(glLineWidth)(Float(a[0])); break;
        case GlFunction::Begin: KEST_REAL_GL(glBegin)(Enum(a[0])); break;
        case GlFunction::End: KEST_REAL_GL(glEnd)(); break;
        case GlFunction::Color4f: KEST_REAL_GL(glColor4f)(Float(a[0]), Float(a[1]), Float(a[2]), Float(a[3])); break;
        case GlFunction::Vertex2f: KEST_REAL_GL(glVertex2f)(Float(a[0]), Float(a[1])); break;
        case GlFunction::BindTexture: KEST_REAL_GL(glBindTexture)(Enum(a[0]), static_cast<GLuint>(a[1])); break;
        case GlFunction::TexEnvi: KEST_REAL_GL(glTexEnvi)(Enum(a[0]), Enum(a[1]), Int(a[2])); break;
        case GlFunction::TexCoord2f: KEST_REAL_GL(glTexCoord2f)(Float(a[0]), Float(a[1])); break;
        case GlFunction::Vertex3f: KEST_REAL_GL(glVertex3f)(Float(a[0]), Float(a[1]), Float(a[2])); break;
        case GlFunction::TexParameteri: KEST_REAL_GL(glTexParameteri)(Enum(a[0]), Enum(a[1]), Int(a[2])); break;
        case GlFunction::PushClientAttrib: KEST_REAL_GL(glPushClientAttrib)(Enum(a[0])); break;
        case GlFunction::PopClientAttrib: KEST_REAL_GL(glPopClientAttrib)(); break;
        case GlFunction::PixelStorei: KEST_REAL_GL(glPixelStorei)(Enum(a[0]), Int(a[1])); break;
        case GlFunction::GetTexLevelParameteriv:
            KEST_REAL_GL(glGetTexLevelParameteriv)(Enum(a[0]), Int(a[1]), Enum(a[2]), lAnswer);
            break;
        case GlFunction::GenTextures:
        case GlFunction::TexImage2D:
        case GlFunction::TexSubImage2D:
        case GlFunction::DeleteTextures: return false;
        }
    }
    return true;
}

} // namespace kesttest

using kesttest::GlFunction;
using kesttest::Record;

void glGetIntegerv(GLenum pName, GLint* pValues)
{
    Record(GlFunction::GetIntegerv, pName);
    KEST_PASS_ON(glGetIntegerv)(pName, pValues);
    if (pName == GL_VIEWPORT && kesttest::gViewport) {
        for (std::size_t i = 0; i < 4; ++i) pValues[i] = (*kesttest::gViewport)[i];
    }
}

void glPushAttrib(GLbitfield pMask)
{
    Record(GlFunction::PushAttrib, pMask);
    KEST_PASS_ON(glPushAttrib)(pMask);
}

void glPopAttrib()
{
    Record(GlFunction::PopAttrib);
    KEST_PASS_ON(glPopAttrib)();
}

void glMatrixMode(GLenum pMode)
{
    Record(GlFunction::MatrixMode, pMode);
    KEST_PASS_ON(glMatrixMode)(pMode);
}

void glPushMatrix()
{
    Record(GlFunction::PushMatrix);
    KEST_PASS_ON(glPushMatrix)();
}

void glPopMatrix()
{
    Record(GlFunction::PopMatrix);
    KEST_PASS_ON(glPopMatrix)();
}

void glLoadIdentity()
{
    Record(GlFunction::LoadIdentity);
    KEST_PASS_ON(glLoadIdentity)();
}

void glOrtho(GLdouble pLeft, GLdouble pRight, GLdouble pBottom, GLdouble pTop, GLdouble pNear, GLdouble pFar)
{
    Record(GlFunction::Ortho, pLeft, pRight, pBottom, pTop, pNear, pFar);
    KEST_PASS_ON(glOrtho)(pLeft, pRight, pBottom, pTop, pNear, pFar);
}

void glBlendFunc(GLenum pSource, GLenum pDestination)
{
    Record(GlFunction::BlendFunc, pSource, pDestination);
    KEST_PASS_ON(glBlendFunc)(pSource, pDestination);
}

void glDisable(GLenum pCapability)
{
    Record(GlFunction::Disable, pCapability);
    KEST_PASS_ON(glDisable)(pCapability);
}

void glEnable(GLenum pCapability)
{
    Record(GlFunction::Enable, pCapability);
    KEST_PASS_ON(glEnable)(pCapability);
}

void glLineWidth(GLfloat pWidth)
{
    Record(GlFunction::LineWidth, pWidth);
    KEST_PASS_ON(glLineWidth)(pWidth);
}

void glBegin(GLenum pMode)
{
    Record(GlFunction::Begin, pMode);
    KEST_PASS_ON(glBegin)(pMode);
}

void glEnd()
{
    Record(GlFunction::End);
    KEST_PASS_ON(glEnd)();
}

void glColor4f(GLfloat pRed, GLfloat pGreen, GLfloat pBlue, GLfloat pAlpha)
{
    Record(GlFunction::Color4f, pRed, pGreen, pBlue, pAlpha);
    kesttest::gColour = {pRed, pGreen, pBlue, pAlpha};
    KEST_PASS_ON(glColor4f)(pRed, pGreen, pBlue, pAlpha);
}

void glVertex2f(GLfloat pX, GLfloat pY)
{
    Record(GlFunction::Vertex2f, pX, pY);
    KEST_PASS_ON(glVertex2f)(pX, pY);
}

void glBindTexture(GLenum pTarget, GLuint pTexture)
{
    Record(GlFunction::BindTexture, pTarget, pTexture);
    KEST_PASS_ON(glBindTexture)(pTarget, pTexture);
}

void glTexEnvi(GLenum pTarget, GLenum pName, GLint pValue)
{
    Record(GlFunction::TexEnvi, pTarget, pName, pValue);
    KEST_PASS_ON(glTexEnvi)(pTarget, pName, pValue);
}

void glTexCoord2f(GLfloat pS, GLfloat pT)
{
    Record(GlFunction::TexCoord2f, pS, pT);
    KEST_PASS_ON(glTexCoord2f)(pS, pT);
}

void glVertex3f(GLfloat pX, GLfloat pY, GLfloat pZ)
{
    Record(GlFunction::Vertex3f, pX, pY, pZ);
    KEST_PASS_ON(glVertex3f)(pX, pY, pZ);
}

void glGenTextures(GLsizei pCount, GLuint* pTextures)
{
    Record(GlFunction::GenTextures, pCount);
    KEST_PASS_ON(glGenTextures)(pCount, pTextures);
}

void glTexParameteri(GLenum pTarget, GLenum pName, GLint pValue)
{
    Record(GlFunction::TexParameteri, pTarget, pName, pValue);
    KEST_PASS_ON(glTexParameteri)(pTarget, pName, pValue);
}

void glTexImage2D(GLenum pTarget, GLint pLevel, GLint pInternalFormat, GLsizei pWidth, GLsizei pHeight, GLint pBorder,
                  GLenum pFormat, GLenum pType, const GLvoid* pPixels)
{
    Record(GlFunction::TexImage2D, pTarget, pLevel, pInternalFormat, pWidth, pHeight, pBorder, pFormat, pType);
    KEST_PASS_ON(glTexImage2D)(pTarget, pLevel, pInternalFormat, pWidth, pHeight, pBorder, pFormat, pType, pPixels);
}

void glPushClientAttrib(GLbitfield pMask)
{
    Record(GlFunction::PushClientAttrib, pMask);
    KEST_PASS_ON(glPushClientAttrib)(pMask);
}

void glPopClientAttrib()
{
    Record(GlFunction::PopClientAttrib);
    KEST_PASS_ON(glPopClientAttrib)();
}

void glPixelStorei(GLenum pName, GLint pValue)
{
    Record(GlFunction::PixelStorei, pName, pValue);
    KEST_PASS_ON(glPixelStorei)(pName, pValue);
}

void glTexSubImage2D(GLenum pTarget, GLint pLevel, GLint pX, GLint pY, GLsizei pWidth, GLsizei pHeight, GLenum pFormat,
                     GLenum pType, const GLvoid* pPixels)
{
    Record(GlFunction::TexSubImage2D, pTarget, pLevel, pX, pY, pWidth, pHeight, pFormat, pType);
    KEST_PASS_ON(glTexSubImage2D)(pTarget, pLevel, pX, pY, pWidth, pHeight, pFormat, pType, pPixels);
}

void glGetTexLevelParameteriv(GLenum pTarget, GLint pLevel, GLenum pName, GLint* pValues)
{
    Record(GlFunction::GetTexLevelParameteriv, pTarget, pLevel, pName);
    KEST_PASS_ON(glGetTexLevelParameteriv)(pTarget, pLevel, pName, pValues);
}

void glDeleteTextures(GLsizei pCount, const GLuint* pTextures)
{
    Record(GlFunction::DeleteTextures, pCount);
    KEST_PASS_ON(glDeleteTextures)(pCount, pTextures);
}

// The element's faces are FTTextureFonts; their vtables in libftgl name these two members of
// FTFont by symbol, so these definitions take the element's calls. The real ones are called as
// functions taking the object first, as the C++ ABI passes it. The parameters keep FTGL's names.

FTPoint FTFont::Render(const char* string, const int len, FTPoint position, FTPoint spacing, const int renderMode)
{
    using Real = FTPoint (*)(FTFont*, const char*, int, FTPoint, FTPoint, int);
    static const Real lReal = kesttest::NextDefinition<Real>("_ZN6FTFont6RenderEPKci7FTPointS2_i");
    using kesttest::gRecording;
    if (kesttest::gFtglDepth == 0 && kesttest::Accepting()) {
        gRecording->renders.push_back({this, string ? string : "", len, position, spacing, renderMode,
                                       kesttest::gColour, gRecording->calls.size()});
    }
    ++kesttest::gFtglDepth;
    const FTPoint lPen = lReal(this, string, len, position, spacing, renderMode);
    --kesttest::gFtglDepth;
    return lPen;
}

FTBBox FTFont::BBox(const char* string, const int len, FTPoint position, FTPoint spacing)
{
    using Real = FTBBox (*)(FTFont*, const char*, int, FTPoint, FTPoint);
    static const Real lReal = kesttest::NextDefinition<Real>("_ZN6FTFont4BBoxEPKci7FTPointS2_");
    // Measuring loads the text's glyphs, which FTGL uploads into textures of the current context.
    ++kesttest::gFtglDepth;
    const FTBBox lBox = lReal(this, string, len, position, spacing);
    --kesttest::gFtglDepth;
    using kesttest::gRecording;
    if (kesttest::gFtglDepth == 0 && kesttest::Accepting()) {
        gRecording->measures.push_back({this, string ? string : "", len, position, spacing, lBox});
    }
    return lBox;
}
