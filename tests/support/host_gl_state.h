#ifndef KEST_TESTS_SUPPORT_HOST_GL_STATE_H
#define KEST_TESTS_SUPPORT_HOST_GL_STATE_H
// The part of the viewer's OpenGL state that a dial draw must give back to the host, and a
// host state unlike the one a draw sets up, so that whatever the draw fails to restore shows.

#include <array>
#include <string>

namespace kestdial {

//! A snapshot of the current context's state, taken by CaptureHostState.
struct HostGlState {
    unsigned int error; // the first error flag pending when the snapshot was taken
    std::array<float, 4> colour;
    int matrixMode;
    std::array<float, 16> modelview;
    std::array<float, 16> projection;
    bool blend;
    bool depthTest;
    bool lineSmooth;
    bool texture2d;
    int blendSource;
    int blendDestination;
    int attribDepth;
    int clientAttribDepth;
    int modelviewDepth;
    int projectionDepth;
    float lineWidth;
};

//! Reads the state of the current context; reading clears the pending error flag.
HostGlState CaptureHostState();

//! Sets a host state in which every part that the draw changes differs from what the draw
//! sets: a colour, both matrices, matrix mode GL_TEXTURE, blending and line smoothing off,
//! depth test on, blend function (GL_ONE, GL_ONE), line width 1.5.
void SetUnusualHostState();

//! What a draw left wrong, one item a line: an error flag, or a part of pBefore that pAfter does
//! not give back. The line width must be 4, the rim's, after a drawn frame (pDrawn) and as
//! before otherwise. Empty when the draw gave everything back.
std::string StateFaults(const HostGlState& pBefore, const HostGlState& pAfter, bool pDrawn);

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_HOST_GL_STATE_H
