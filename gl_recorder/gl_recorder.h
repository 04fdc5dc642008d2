#ifndef KEST_GL_RECORDER_GL_RECORDER_H
#define KEST_GL_RECORDER_GL_RECORDER_H
// Records the OpenGL and FTGL calls that a draw makes, and makes recorded calls again. The
// executable that links this defines and exports the GL entry points that the element and
// FTGL's texture fonts use, and FTGL's FTFont::Render and FTFont::BBox; the plug-in's and
// libftgl's references bind to these definitions first, which record the call and hand it on to
// the real libGL or libftgl. So a draw runs as it would, with or without a current context, and
// every call it makes is seen. (Without a context, FTGL's checks of the glyph textures that it
// could not make print "ASSERTION FAILED" lines; they are harmless.)

#include "gl_functions.h"

#include <FTGL/ftgl.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kestdial {

//! The recorded entry points, in the order of gl_functions.h: GlFunction::Begin is glBegin.
enum class GlFunction {
#define KEST_GL_ENUMERATOR(name, ...) name,
    KEST_GL_FUNCTIONS(KEST_GL_ENUMERATOR)
#undef KEST_GL_ENUMERATOR
};

struct GlCall {
    GlFunction function;
    std::array<double, 8> args; //!< the numeric arguments in order (enums too)...
    std::size_t argCount;       //!< ...of which there are this many (a pointer is left out)
    bool byFtgl;                //!< made by FTGL inside a Render or BBox (glyphs, textures)
};

//! The entry point's name, "glBegin".
const char* Name(GlFunction pFunction);
//! The call as text: its name and its numeric arguments, "glOrtho(0, 300, 0, 300, -1, 1)".
std::string Describe(const GlCall& pCall);
//! Whether the call makes, fills or deletes a texture (glGenTextures, glTexImage2D,
//! glTexSubImage2D, glDeleteTextures): work that a draw repeats only when it re-rasterises glyphs.
bool ChangesTextures(GlFunction pFunction);

using Colour = std::array<float, 4>;

//! One FTFont::Render call of the recorded code (not FTGL's own inner calls).
struct TextRender {
    const FTFont* face;
    std::string text;
    int length;
    FTPoint position;
    FTPoint spacing;
    int renderMode;
    Colour colour;      //!< the current colour as last set by glColor4f
    std::size_t atCall; //!< number of GL calls recorded before it
};

//! One FTFont::BBox call of the recorded code.
struct TextMeasure {
    const FTFont* face;
    std::string text;
    int length;
    FTPoint position;
    FTPoint spacing;
    FTBBox box; //!< what FTGL answered
};

struct Recording {
    std::vector<GlCall> calls;
    std::vector<TextRender> renders;
    std::vector<TextMeasure> measures;
    bool overflowed = false; //!< more calls than kMaxRecordedCalls were made
};

//! A draw that makes more GL calls than this runs away; the rest are counted out.
constexpr std::size_t kMaxRecordedCalls = 1000000;

//! Records every call made while it exists (one at a time).
class GlRecorder {
public:
    GlRecorder();
    ~GlRecorder();
    GlRecorder(const GlRecorder&) = delete;
    GlRecorder& operator=(const GlRecorder&) = delete;

    const Recording& Result() const { return mRecording; }

private:
    Recording mRecording;
};

//! Without a current context glGetIntegerv answers nothing; with a viewport set here it answers
//! GL_VIEWPORT with it, and glGetString GL_VERSION with "2.1" (and no extensions), as a viewer's
//! context would. std::nullopt hands every query to libGL.
void SetViewportAnswer(std::optional<std::array<int, 4>> pViewport);

//! With pDrop, the GL calls defined here return at once without reaching libGL (queries answer
//! nothing, but GL_VIEWPORT as SetViewportAnswer says): a draw then costs only the work of the
//! element and FTGL, and of these definitions' check. Recording goes on as before.
void DropGlCalls(bool pDrop);

//! Makes the calls again, in order, into the current context, straight through libGL (they are
//! neither recorded nor answered from SetViewportAnswer); what queries answer is dropped. The
//! calls that ChangesTextures names cannot be made again (their texture names and pixels are
//! not recorded): at the first of them the replay stops and answers false.
bool Replay(const std::vector<GlCall>& pCalls);

} // namespace kestdial

#endif // KEST_GL_RECORDER_GL_RECORDER_H
