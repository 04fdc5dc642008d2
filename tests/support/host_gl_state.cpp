// The host's OpenGL state around a dial draw: snapshot, an unusual host state, and what a draw left wrong.

#include "host_gl_state.h"

#include <GL/gl.h>

#include <cstddef>
#include <sstream>

namespace kestdial {

namespace {

//! The line width that a drawn frame leaves: the rim's, outside the groups that a draw saves.
constexpr float kDrawnLineWidth = 4.0f;

int Integer(GLenum pName)
{
    GLint lValue = 0;
    glGetIntegerv(pName, &lValue);
    return lValue;
}

template <std::size_t tSize> std::array<float, tSize> Floats(GLenum pName)
{
    std::array<float, tSize> lValues{};
    glGetFloatv(pName, lValues.data());
    return lValues;
}

template <class tValue> std::ostream& operator<<(std::ostream& pOut, const std::array<tValue, 4>& pValues)
{
    return pOut << "(" << pValues[0] << ", " << pValues[1] << ", " << pValues[2] << ", " << pValues[3] << ")";
}

//! Collects "name: before -> after" for each part that differs.
class FaultList {
public:
    template <class tValue> void Expect(const char* pName, const tValue& pExpected, const tValue& pActual)
    {
        if (pExpected == pActual) return;
        mText << pName << " is ";
        Print(pActual);
        mText << ", not ";
        Print(pExpected);
        mText << "\n";
    }
    void Add(const std::string& pLine) { mText << pLine << "\n"; }
    std::string Text() const { return mText.str(); }

private:
    template <class tValue> void Print(const tValue& pValue) { mText << pValue; }
    void Print(const std::array<float, 16>& pMatrix)
    {
        mText << "[";
        for (std::size_t i = 0; i < pMatrix.size(); ++i) mText << (i ? " " : "") << pMatrix[i];
        mText << "]";
    }
    void Print(bool pValue) { mText << (pValue ? "on" : "off"); }

    std::ostringstream mText;
};

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
    lState.colour = Floats<4>(GL_CURRENT_COLOR);
    lState.matrixMode = Integer(GL_MATRIX_MODE);
    lState.modelview = Floats<16>(GL_MODELVIEW_MATRIX);
    lState.projection = Floats<16>(GL_PROJECTION_MATRIX);
    lState.blend = glIsEnabled(GL_BLEND) == GL_TRUE;
    lState.depthTest = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
    lState.lineSmooth = glIsEnabled(GL_LINE_SMOOTH) == GL_TRUE;
    lState.texture2d = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    lState.blendSource = Integer(GL_BLEND_SRC);
    lState.blendDestination = Integer(GL_BLEND_DST);
    lState.attribDepth = Integer(GL_ATTRIB_STACK_DEPTH);
    lState.clientAttribDepth = Integer(GL_CLIENT_ATTRIB_STACK_DEPTH);
    lState.modelviewDepth = Integer(GL_MODELVIEW_STACK_DEPTH);
    lState.projectionDepth = Integer(GL_PROJECTION_STACK_DEPTH);
    lState.lineWidth = Floats<1>(GL_LINE_WIDTH)[0];
    return lState;
}

void SetUnusualHostState()
{
    glColor4f(0.25f, 0.5f, 0.75f, 0.125f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.0, 3.0, -4.0, 5.0, -6.0, 7.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    glRotatef(30.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_TEXTURE);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_ONE, GL_ONE);
    glLineWidth(1.5f);
}

std::string StateFaults(const HostGlState& pBefore, const HostGlState& pAfter, bool pDrawn)
{
    FaultList lFaults;
    if (pBefore.error != GL_NO_ERROR)
        lFaults.Add("GL error " + ErrorText(pBefore.error) + " was pending before the draw");
    if (pAfter.error != GL_NO_ERROR) lFaults.Add("GL error " + ErrorText(pAfter.error) + " left by the draw");
    lFaults.Expect("current colour", pBefore.colour, pAfter.colour);
    lFaults.Expect("matrix mode", pBefore.matrixMode, pAfter.matrixMode);
    lFaults.Expect("model-view matrix", pBefore.modelview, pAfter.modelview);
    lFaults.Expect("projection matrix", pBefore.projection, pAfter.projection);
    lFaults.Expect("GL_BLEND", pBefore.blend, pAfter.blend);
    lFaults.Expect("GL_DEPTH_TEST", pBefore.depthTest, pAfter.depthTest);
    lFaults.Expect("GL_LINE_SMOOTH", pBefore.lineSmooth, pAfter.lineSmooth);
    lFaults.Expect("GL_TEXTURE_2D", pBefore.texture2d, pAfter.texture2d);
    lFaults.Expect("blend source factor", pBefore.blendSource, pAfter.blendSource);
    lFaults.Expect("blend destination factor", pBefore.blendDestination, pAfter.blendDestination);
    lFaults.Expect("attribute stack depth", pBefore.attribDepth, pAfter.attribDepth);
    lFaults.Expect("client attribute stack depth", pBefore.clientAttribDepth, pAfter.clientAttribDepth);
    lFaults.Expect("model-view stack depth", pBefore.modelviewDepth, pAfter.modelviewDepth);
    lFaults.Expect("projection stack depth", pBefore.projectionDepth, pAfter.projectionDepth);
    lFaults.Expect("line width", pDrawn ? kDrawnLineWidth : pBefore.lineWidth, pAfter.lineWidth);
    return lFaults.Text();
}

} // namespace kestdial
