// The recording definitions of the GL entry points that the element and FTGL's texture fonts
// call, and of FTGL's FTFont::Render and FTFont::BBox. An executable that links them exports them
// (ENABLE_EXPORTS) and links libGL and libftgl itself, so that dlsym(RTLD_NEXT, ...) finds the
// real definitions behind these.

// Declares the entry points past OpenGL 1.3 too, so that the definitions below have C linkage.
#define GL_GLEXT_PROTOTYPES
#include "gl_recorder.h"

#include <GL/gl.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

namespace kestdial {
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

//! A recorded argument; pointers are left out.
template <class tArg> void AppendArgument(GlCall& pCall, tArg pArg)
{
    if constexpr (!std::is_pointer_v<tArg>) pCall.args[pCall.argCount++] = static_cast<double>(pArg);
}

template <class... tArgs> void RecordCall(GlFunction pFunction, tArgs... pArgs)
{
    if (!Accepting()) return;
    GlCall lCall{pFunction, {}, 0, gFtglDepth > 0};
    (AppendArgument(lCall, pArgs), ...);
    gRecording->calls.push_back(lCall);
}

//! Records a call while a recorder exists; otherwise costs a test, so that the calls of a draw
//! that is timed while they are dropped cost next to nothing here: Record(GlFunction::End)().
struct Record {
    GlFunction function;
    template <class... tArgs> void operator()(tArgs... pArgs) const
    {
        if (gRecording) RecordCall(function, pArgs...);
    }
};

//! glGetIntegerv's answer for GL_VIEWPORT, where SetViewportAnswer gave one.
void AnswerViewport(GLenum pName, GLint* pValues)
{
    if (pName != GL_VIEWPORT || !gViewport) return;
    for (std::size_t i = 0; i < 4; ++i) pValues[i] = (*gViewport)[i];
}

//! What a viewer's context answers for GL_VERSION here: OpenGL 2.1, whose draw makes every call
//! of the frame but those of extensions.
const GLubyte kAnsweredVersion[] = "2.1";

//! The current colour, for the texts that FTGL renders.
void NoteColour(GLfloat pRed, GLfloat pGreen, GLfloat pBlue, GLfloat pAlpha)
{
    gColour = {pRed, pGreen, pBlue, pAlpha};
}

} // namespace
} // namespace kestdial

// libGL's definition of the entry point name, looked up once.
#define KEST_REAL_GL(name)                                                                                             \
    ([]() {                                                                                                            \
        static const auto lReal = kestdial::NextDefinition<decltype(&::name)>(#name);                                  \
        return lReal;                                                                                                  \
    }())

//! The head of a call that hands a recorded call on to libGL, unless DropGlCalls dropped the calls:
//! KEST_PASS_ON(glEnd)();
#define KEST_PASS_ON(name)                                                                                             \
    if (!kestdial::gDropping) KEST_REAL_GL(name)

namespace kestdial {

const char* Name(GlFunction pFunction)
{
    switch (pFunction) {
#define KEST_GL_NAME(name, ...)                                                                                        \
    case GlFunction::name: return "gl" #name;
        KEST_GL_FUNCTIONS(KEST_GL_NAME)
#undef KEST_GL_NAME
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
    static constexpr bool kChangesTextures[] = {
#define KEST_GL_CHANGES_TEXTURES(name, changesTextures, ...) changesTextures,
        KEST_GL_FUNCTIONS(KEST_GL_CHANGES_TEXTURES)
#undef KEST_GL_CHANGES_TEXTURES
    };
    return kChangesTextures[static_cast<std::size_t>(pFunction)];
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

//! A recorded argument as the parameter's type; a query's answer goes to pAnswer.
template <class tParam> tParam ReplayArgument([[maybe_unused]] double pArg, [[maybe_unused]] GLint* pAnswer)
{
    if constexpr (std::is_pointer_v<tParam>) return pAnswer;
    else return static_cast<tParam>(pArg);
}

template <class... tParams, std::size_t... tIndex>
void CallWith(void (*pReal)(tParams...), [[maybe_unused]] const std::array<double, 8>& pArgs,
              [[maybe_unused]] GLint* pAnswer, std::index_sequence<tIndex...>)
{
    pReal(ReplayArgument<tParams>(pArgs[tIndex], pAnswer)...);
}

//! Makes the call with its recorded arguments; false, without a call, for one that changes textures.
template <bool tChangesTextures, class... tParams> bool ReplayCall([[maybe_unused]] void (*pReal)(tParams...),
                                                                   [[maybe_unused]] const std::array<double, 8>& pArgs,
                                                                   [[maybe_unused]] GLint* pAnswer)
{
    if constexpr (tChangesTextures) return false;
    else {
        CallWith(pReal, pArgs, pAnswer, std::index_sequence_for<tParams...>());
        return true;
    }
}

} // namespace

bool Replay(const std::vector<GlCall>& pCalls)
{
    GLint lAnswer[16]; // room for any query that a draw makes
    for (const GlCall& lCall : pCalls) {
        switch (lCall.function) {
#define KEST_GL_REPLAY(name, changesTextures, ...)                                                                     \
    case GlFunction::name:                                                                                             \
        if (!ReplayCall<changesTextures>(KEST_REAL_GL(gl##name), lCall.args, lAnswer)) return false;                   \
        break;
            KEST_GL_FUNCTIONS(KEST_GL_REPLAY)
#undef KEST_GL_REPLAY
        }
    }
    return true;
}

} // namespace kestdial

using kestdial::GlFunction;

// NOLINTBEGIN(bugprone-macro-parentheses): arguments is the parenthesised argument list itself.
#define KEST_GL_DEFINITION(name, changesTextures, parameters, arguments, then)                                         \
    void gl##name parameters                                                                                           \
    {                                                                                                                  \
        kestdial::Record{GlFunction::name} arguments;                                                                  \
        KEST_PASS_ON(gl##name) arguments;                                                                              \
        then;                                                                                                          \
    }
// NOLINTEND(bugprone-macro-parentheses)
KEST_GL_FUNCTIONS(KEST_GL_DEFINITION)
#undef KEST_GL_DEFINITION

// The element's faces are FTTextureFonts; their vtables in libftgl name these two members of
// FTFont by symbol, so these definitions take the element's calls. The real ones are called as
// functions taking the object first, as the C++ ABI passes it. The parameters keep FTGL's names.

FTPoint FTFont::Render(const char* string, const int len, FTPoint position, FTPoint spacing, const int renderMode)
{
    using Real = FTPoint (*)(FTFont*, const char*, int, FTPoint, FTPoint, int);
    static const Real lReal = kestdial::NextDefinition<Real>("_ZN6FTFont6RenderEPKci7FTPointS2_i");
    using kestdial::gRecording;
    if (kestdial::gFtglDepth == 0 && kestdial::Accepting()) {
        gRecording->renders.push_back({this, string ? string : "", len, position, spacing, renderMode,
                                       kestdial::gColour, gRecording->calls.size()});
    }
    ++kestdial::gFtglDepth;
    const FTPoint lPen = lReal(this, string, len, position, spacing, renderMode);
    --kestdial::gFtglDepth;
    return lPen;
}

FTBBox FTFont::BBox(const char* string, const int len, FTPoint position, FTPoint spacing)
{
    using Real = FTBBox (*)(FTFont*, const char*, int, FTPoint, FTPoint);
    static const Real lReal = kestdial::NextDefinition<Real>("_ZN6FTFont4BBoxEPKci7FTPointS2_");
    // Measuring loads the text's glyphs, which FTGL uploads into textures of the current context.
    ++kestdial::gFtglDepth;
    const FTBBox lBox = lReal(this, string, len, position, spacing);
    --kestdial::gFtglDepth;
    using kestdial::gRecording;
    if (kestdial::gFtglDepth == 0 && kestdial::Accepting()) {
        gRecording->measures.push_back({this, string ? string : "", len, position, spacing, lBox});
    }
    return lBox;
}

// glGetString is answered rather than recorded: while SetViewportAnswer holds a viewport, it
// answers GL_VERSION as a viewer's context would, and no extensions.
const GLubyte* glGetString(GLenum pName)
{
    if (kestdial::gViewport) return pName == GL_VERSION ? kestdial::kAnsweredVersion : nullptr;
    return kestdial::gDropping ? nullptr : KEST_REAL_GL(glGetString)(pName);
}

// The element resolves its entry points past OpenGL 1.2 through glXGetProcAddressARB: recorded
// ones resolve to the definitions above, the rest to libGL's.
extern "C" void (*glXGetProcAddressARB(const GLubyte* pName))();
extern "C" void (*glXGetProcAddressARB(const GLubyte* pName))()
{
    using Proc = void (*)();
    static const struct {
        const char* name;
        Proc definition;
    } kDefinitions[] = {
#define KEST_GL_PROC(name, ...) {"gl" #name, reinterpret_cast<Proc>(&::gl##name)},
        KEST_GL_FUNCTIONS(KEST_GL_PROC)
#undef KEST_GL_PROC
    };
    for (const auto& lEntry : kDefinitions)
        if (std::strcmp(lEntry.name, reinterpret_cast<const char*>(pName)) == 0) return lEntry.definition;
    return KEST_REAL_GL(glXGetProcAddressARB)(pName);
}
