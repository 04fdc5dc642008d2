// The host's OpenGL state around a dial draw: snapshot, the host states drawn over, and what a
// draw left wrong.

#define GL_GLEXT_PROTOTYPES
#include "host_gl_state.h"

#include <GL/gl.h>

#include <cstddef>
#include <sstream>

namespace kestdial {

namespace {

//! The line width that a drawn frame leaves: the rim's, outside the groups that a draw saves.
constexpr float kDrawnLineWidth = 4.0f;

struct Query {
    const char* name;
    GLenum what;
    int count; //!< numbers it answers; 0 for a capability (glIsEnabled)
};

//! The context-wide parts. The 2D texture binding is left out: a draw leaves it changed.
const Query kQueries[] = {
    {"current colour", GL_CURRENT_COLOR, 4},
    {"secondary colour", GL_CURRENT_SECONDARY_COLOR, 4},
    {"matrix mode", GL_MATRIX_MODE, 1},
    {"model-view matrix", GL_MODELVIEW_MATRIX, 16},
    {"projection matrix", GL_PROJECTION_MATRIX, 16},
    {"attribute stack depth", GL_ATTRIB_STACK_DEPTH, 1},
    {"client attribute stack depth", GL_CLIENT_ATTRIB_STACK_DEPTH, 1},
    {"model-view stack depth", GL_MODELVIEW_STACK_DEPTH, 1},
    {"projection stack depth", GL_PROJECTION_STACK_DEPTH, 1},
    {"current program", GL_CURRENT_PROGRAM, 1},
    {"active texture unit", GL_ACTIVE_TEXTURE, 1},
    {"client active texture unit", GL_CLIENT_ACTIVE_TEXTURE, 1},
    {"blend source factor", GL_BLEND_SRC, 1},
    {"blend destination factor", GL_BLEND_DST, 1},
    {"blend equation", GL_BLEND_EQUATION_RGB, 1},
    {"alpha test function", GL_ALPHA_TEST_FUNC, 1},
    {"alpha test reference", GL_ALPHA_TEST_REF, 1},
    {"logic op", GL_LOGIC_OP_MODE, 1},
    {"polygon mode", GL_POLYGON_MODE, 2},
    {"cull face mode", GL_CULL_FACE_MODE, 1},
    {"front face", GL_FRONT_FACE, 1},
    {"shade model", GL_SHADE_MODEL, 1},
    {"colour mask", GL_COLOR_WRITEMASK, 4},
    {"scissor box", GL_SCISSOR_BOX, 4},
    {"pixel-unpack buffer", GL_PIXEL_UNPACK_BUFFER_BINDING, 1},
    {"unpack row length", GL_UNPACK_ROW_LENGTH, 1},
    {"unpack skip pixels", GL_UNPACK_SKIP_PIXELS, 1},
    {"unpack skip rows", GL_UNPACK_SKIP_ROWS, 1},
    {"unpack alignment", GL_UNPACK_ALIGNMENT, 1},
    {"unpack swap bytes", GL_UNPACK_SWAP_BYTES, 1},
    {"unpack LSB first", GL_UNPACK_LSB_FIRST, 1},
    {"map colour", GL_MAP_COLOR, 1},
    {"alpha scale", GL_ALPHA_SCALE, 1},
    {"alpha bias", GL_ALPHA_BIAS, 1},
    {"GL_BLEND", GL_BLEND, 0},
    {"GL_DEPTH_TEST", GL_DEPTH_TEST, 0},
    {"GL_LINE_SMOOTH", GL_LINE_SMOOTH, 0},
    {"GL_CULL_FACE", GL_CULL_FACE, 0},
    {"GL_LIGHTING", GL_LIGHTING, 0},
    {"GL_ALPHA_TEST", GL_ALPHA_TEST, 0},
    {"GL_COLOR_LOGIC_OP", GL_COLOR_LOGIC_OP, 0},
    {"GL_POLYGON_SMOOTH", GL_POLYGON_SMOOTH, 0},
    {"GL_POLYGON_STIPPLE", GL_POLYGON_STIPPLE, 0},
    {"GL_LINE_STIPPLE", GL_LINE_STIPPLE, 0},
    {"GL_COLOR_SUM", GL_COLOR_SUM, 0},
    {"GL_FRAGMENT_PROGRAM_ARB", GL_FRAGMENT_PROGRAM_ARB, 0},
    {"GL_FOG", GL_FOG, 0},
    {"GL_SCISSOR_TEST", GL_SCISSOR_TEST, 0},
    {"GL_STENCIL_TEST", GL_STENCIL_TEST, 0},
};

//! The parts of texture unit 0, where the dial draws its text.
const Query kUnitQueries[] = {
    {"unit 0 texture matrix", GL_TEXTURE_MATRIX, 16}, {"unit 0 texture stack depth", GL_TEXTURE_STACK_DEPTH, 1},
    {"unit 0 GL_TEXTURE_1D", GL_TEXTURE_1D, 0},       {"unit 0 GL_TEXTURE_2D", GL_TEXTURE_2D, 0},
    {"unit 0 GL_TEXTURE_3D", GL_TEXTURE_3D, 0},       {"unit 0 GL_TEXTURE_CUBE_MAP", GL_TEXTURE_CUBE_MAP, 0},
    {"unit 0 GL_TEXTURE_GEN_S", GL_TEXTURE_GEN_S, 0}, {"unit 0 GL_TEXTURE_GEN_T", GL_TEXTURE_GEN_T, 0},
};

std::vector<double> Answer(const Query& pQuery)
{
    if (pQuery.count == 0) return {glIsEnabled(pQuery.what) == GL_TRUE ? 1.0 : 0.0};
    GLfloat lValues[16] = {};
    glGetFloatv(pQuery.what, lValues);
    return std::vector<double>(lValues, lValues + pQuery.count);
}

void Print(std::ostream& pOut, const std::vector<double>& pValues)
{
    if (pValues.size() == 1) {
        pOut << pValues[0];
        return;
    }
    pOut << "(";
    for (std::size_t i = 0; i < pValues.size(); ++i) pOut << (i ? ", " : "") << pValues[i];
    pOut << ")";
}

std::string ErrorText(unsigned int pError)
{
    std::ostringstream lText;
    lText << "0x" << std::hex << pError;
    return lText.str();
}

} // namespace

HostGlState CaptureHostState()
{
    HostGlState lState{};
    lState.error = glGetError();
    glGetFloatv(GL_LINE_WIDTH, &lState.lineWidth);
    for (const Query& lQuery : kQueries) lState.parts.emplace_back(lQuery.name, Answer(lQuery));
    GLint lUnit = GL_TEXTURE0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &lUnit);
    glActiveTexture(GL_TEXTURE0);
    for (const Query& lQuery : kUnitQueries) lState.parts.emplace_back(lQuery.name, Answer(lQuery));
    GLint lMode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &lMode);
    lState.parts.emplace_back("unit 0 texture environment mode", std::vector<double>{static_cast<double>(lMode)});
    glActiveTexture(static_cast<GLenum>(lUnit));
    return lState;
}

std::vector<hudhost::HostGlStateEntry> DrawableHostStates()
{
    std::vector<hudhost::HostGlStateEntry> lEntries;
    for (const hudhost::HostGlStateEntry& lEntry : hudhost::HostGlStates())
        if (!lEntry.coreProfile) lEntries.push_back(lEntry);
    return lEntries;
}

void SetHostState(const hudhost::HostGlStateEntry& pEntry)
{
    hudhost::SetInitialHostGlState();
    if (pEntry.set) pEntry.set();
}

std::string StateFaults(const HostGlState& pBefore, const HostGlState& pAfter, bool pDrawn)
{
    std::ostringstream lFaults;
    if (pBefore.error != GL_NO_ERROR)
        lFaults << "GL error " << ErrorText(pBefore.error) << " was pending before the draw\n";
    if (pAfter.error != GL_NO_ERROR) lFaults << "GL error " << ErrorText(pAfter.error) << " left by the draw\n";
    for (std::size_t i = 0; i < pBefore.parts.size() && i < pAfter.parts.size(); ++i) {
        if (pBefore.parts[i].second == pAfter.parts[i].second) continue;
        lFaults << pBefore.parts[i].first << " is ";
        Print(lFaults, pAfter.parts[i].second);
        lFaults << ", not ";
        Print(lFaults, pBefore.parts[i].second);
        lFaults << "\n";
    }
    const float lWidth = pDrawn ? kDrawnLineWidth : pBefore.lineWidth;
    if (pAfter.lineWidth != lWidth) lFaults << "line width is " << pAfter.lineWidth << ", not " << lWidth << "\n";
    return lFaults.str();
}

} // namespace kestdial
