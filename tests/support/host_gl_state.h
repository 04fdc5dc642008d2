#ifndef KEST_TESTS_SUPPORT_HOST_GL_STATE_H
#define KEST_TESTS_SUPPORT_HOST_GL_STATE_H
// The part of the viewer's OpenGL state that a dial draw must give back to the host, and the
// host states of hudhost's table (host_gl_states.h) that a draw must draw the same over.

#include "host_gl_states.h"

#include <string>
#include <utility>
#include <vector>

namespace kestdial {

//! A snapshot of the current context's state, taken by CaptureHostState: each part by name, as
//! the numbers OpenGL answers for it.
struct HostGlState {
    unsigned int error; // the first error flag pending when the snapshot was taken
    float lineWidth;
    std::vector<std::pair<std::string, std::vector<double>>> parts;
};

//! Reads the state of a compatibility-profile context; reading clears the pending error flag.
HostGlState CaptureHostState();

//! The entries of the host-state table that a compatibility-profile context takes: all but
//! the core-profile one.
std::vector<hudhost::HostGlStateEntry> DrawableHostStates();

//! Sets pEntry's state over OpenGL's initial one.
void SetHostState(const hudhost::HostGlStateEntry& pEntry);

//! What a draw left wrong, one item a line: an error flag, or a part of pBefore that pAfter does
//! not give back. The line width must be 4, the rim's, after a drawn frame (pDrawn) and as
//! before otherwise. Empty when the draw gave everything back.
std::string StateFaults(const HostGlState& pBefore, const HostGlState& pAfter, bool pDrawn);

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_HOST_GL_STATE_H
